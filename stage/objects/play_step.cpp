// PhasePlay: one frame of play.

#include "core/input/input_state.h"
#include "records/replay/input_log.h"
#include "records/save/save_data.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/stage_play.h"
#include "stage/services/stage_services.h"

int32_t cStagePlay::PhasePlay() {
  m_bCloseAsked = 0;
  ++m_nFrameCount;
  if (!StepInput()) return m_bCloseAsked != 0 ? kPlayClose : kPlayReplayRestart;
  StepSubSteps();
  UpdatePresentation(0);
  return m_bCloseAsked != 0 ? kPlayClose : kPlayGoOn;
}

bool cStagePlay::StepInput() {
  Services().PollInput();
  cInput& input = g_InputList.CheckedVectorAt(0);
  if (!m_Run.IsReplayPlayback()) {
    // The hero's direction and button locks apply before the latch, once the
    // hero carries them; a replay's words already reflect both.
    if (input.wButton == 0) {
      m_bHoldButtons = 0;
    } else if (m_bHoldButtons != 0) {
      input.wButton = 0;
    }
    input.PushHistory();
    input.BuildPressHistory();
    if (g_SystemData.m_bReplay != 0) {
      g_InputLog.Append(INPUTWORDS{static_cast<uint16_t>(input.wDir), static_cast<uint16_t>(input.wButton)});
    }
    return true;
  }
  input.ResetDirection();
  input.ClearButtons();
  INPUTWORDS words;
  if (g_InputLog.Playback(words) != 0) {
    g_SaveData.RestoreOnRetry(1, m_Run.nPlayMode, m_Run.bFreeStage);
    SetStage(1, 1);
    return false;
  }
  input.wDir = static_cast<int16_t>(words.wDir);
  input.wButton = static_cast<int16_t>(words.wButton);
  input.nKeypad = DirBitsToKeypad(input.wDir);
  input.PushHistory();
  input.BuildPressHistory();
  return true;
}

void cStagePlay::StepSubSteps() {
  for (int32_t s = 1; s <= g_Stage.m_nSubSteps; ++s) {
    m_nSubStep = s;
    ++m_nSubStepTotal;
    m_ScrollX.Advance();
    m_ScrollY.Advance();
  }
}
