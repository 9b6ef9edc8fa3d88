#include "stage/script/flow_anime_schedule.h"

#include <algorithm>

#include "records/database/database.h"
#include "records/database/runtime/anime_steps.h"
#include "records/script/cmd_kind_table.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara_base.h"
#include "stage/script/script_math.h"

namespace flow_anime_schedule {

constexpr int64_t kFramesPerTenth = 6;

bool HasOwnAnime(const cFlowCmd& cmd) {
  if (cmd.m_nAnime == 0) return false;
  const cEdMove* move = cmd.m_Move.get();
  return move == nullptr || move->m_nAnimeMode == kMoveAnimeOther;
}

// Tenths of the anime's frames before its first hold frame.
int64_t LeadInTenths(int32_t anime) {
  if (anime < 0 || anime >= g_Database.m_Animes.VectorSize()) return 0;
  int64_t tenths = 0;
  for (const cAnimeFrame& frame : g_Database.m_Animes.CheckedVectorAt(anime).m_Frames) {
    if (frame.m_bHold) break;
    tenths += frame.m_nDuration;
  }
  return tenths;
}

bool IsParallel(const cFlowCmdState& state) { return state.m_lpCmd != nullptr && state.m_lpCmd->m_bParallel == 1; }

ANIMESTART EntryFor(const cFlowInstance& instance, int32_t k, int64_t start) {
  const cFlowCmd& cmd = *instance.m_States.CheckedVectorAt(k).m_lpCmd;
  const int64_t L = g_Stage.m_nSubSteps > 0 ? g_Stage.m_nSubSteps : 1;
  const int64_t lead = L * kFramesPerTenth * LeadInTenths(cmd.m_nAnime);
  ANIMESTART entry;
  entry.nAnime = cmd.m_nAnime;
  entry.nPlay = SaturateToInt(kFramesPerTenth * LeadInTenths(cmd.m_nAnime));
  entry.nCmdFrames = SaturateToInt(kFramesPerTenth * cmd.m_nDuration);
  entry.bStretch = (cmd.m_nKind == kFlowCmdJump || cmd.m_nKind == kFlowCmdSword) ? 0 : 1;
  int64_t remain = lead;
  for (int32_t j = k - 1; j >= 0; --j) {
    const cFlowCmdState& earlier = instance.m_States.CheckedVectorAt(j);
    if (IsParallel(earlier)) continue;
    remain -= earlier.m_nFrames;
    if (remain <= 0) {
      entry.nStart = entry.nStartAgain = SaturateToInt(start - lead);
      return entry;
    }
  }
  // Too little room: start with the flow, the lead-in cut by what is missing.
  const int64_t skip = std::min<int64_t>(remain / L, entry.nPlay);
  entry.nStart = entry.nStartAgain = 0;
  entry.nSkip = static_cast<int16_t>(std::clamp<int64_t>(skip, INT16_MIN, INT16_MAX));
  entry.nPlay = SaturateToInt(entry.nPlay - skip);
  return entry;
}

}  // namespace flow_anime_schedule

void BuildAnimeSchedule(cFlowInstance& instance) {
  instance.m_AnimeStarts.clear();
  int64_t start = 0;  // sub-steps before the command, parallel commands left out
  for (int32_t k = 0; k < instance.m_States.VectorSize(); ++k) {
    const cFlowCmdState& state = instance.m_States.CheckedVectorAt(k);
    if (state.m_lpCmd == nullptr) continue;
    if (flow_anime_schedule::HasOwnAnime(*state.m_lpCmd)) {
      instance.m_AnimeStarts.push_back(flow_anime_schedule::EntryFor(instance, k, start));
    }
    if (!flow_anime_schedule::IsParallel(state)) start += state.m_nFrames;
  }
}

void cCharaBase::StartCommandAnimes() {
  EnsureFlowLinks();
  for (cFlowInstance& instance : m_Flows) {
    if (!instance.m_bRunning || instance.m_bPaused) continue;
    for (const ANIMESTART& entry : instance.m_AnimeStarts) {
      if (entry.nStart != instance.m_nPasses) continue;
      if (entry.nAnime < 0 || entry.nAnime >= g_AnimeSteps.VectorSize()) continue;
      ANIMEPLAYER player;
      cAnimeStepTable table;
      table.push_back(g_AnimeSteps.CheckedVectorAt(entry.nAnime));
      if (entry.nCmdFrames > 1 && entry.bStretch) {
        for (ANIMESTEP& step : table.CheckedVectorAt(0)) {
          if (!step.bHold) continue;
          step.nTicks = SaturateToInt(static_cast<int64_t>(step.nTicks) + entry.nCmdFrames - 1);
          break;
        }
      }
      player.Anime.SetTable(table);
      player.Anime.SetSequence(0, 1);
      for (int32_t i = 0; i < entry.nSkip; ++i) player.Anime.Step();
      player.bTimed = 1;
      player.nCounter = entry.nPlay;
      player.nExtra = entry.nCmdFrames;
      player.nOwnerKey = instance.m_nSerial;
      m_AnimePlayers.push_front(player);
    }
  }
}
