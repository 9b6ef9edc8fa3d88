// The variables at a stage's start and their return when the stage is tried
// again. Each play mode's project switch decides whether a retry starts from
// the variables as they were; a replay restarting always does, with the lives
// too, since it must replay the attempt exactly.

#include "records/save/play_mode.h"
#include "records/save/save_data.h"

namespace {

bool RetryRestoresVars(const cSystemData& settings, int32_t playMode, int freeStage) {
  if (freeStage) return settings.m_bFreeStageRestoreVars != 0;
  switch (playMode) {
    case kPlayModeStory:
      return settings.m_bStoryRestoreVars != 0;
    case kPlayModeChallenge:
      return settings.m_bChallengeRestoreVars != 0;
    case kPlayModeFree:
      return settings.m_bFreeRestoreVars != 0;
    default:
      return true;
  }
}

}  // namespace

void cSaveData::SnapshotVariables() {
  m_VarsSnapshot = m_Vars;
  m_nLivesSnapshot = m_nLives;
  m_nResultSnapshot = m_nResultScore;
}

void cSaveData::RestoreOnRetry(int replay, int32_t playMode, int freeStage) {
  if (replay || RetryRestoresVars(Settings(), playMode, freeStage)) {
    m_Vars = m_VarsSnapshot;
    // A snapshot never taken (or taken of an old file's shorter list) must not
    // leave variables the program indexes missing.
    if (m_Vars.VectorSize() < kVarCount) m_Vars.resize(kVarCount, 0);
  }
  if (replay) m_nLives = m_nLivesSnapshot;
  m_nResultScore = m_nResultSnapshot;
}
