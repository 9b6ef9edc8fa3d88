// The chara passes of a sub-step: the solid charas first, then (after the
// hero) the others; each runs its flows, moves, meets the blocks and is
// defeated or erased by the rules of the kill-and-keep switch.

#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/flow_pass_prefetch.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/object_walk.h"
#include "stage/objects/play_step_rules.h"
#include "stage/objects/stage_play.h"
#include "stage/services/stage_services.h"

namespace play_step_charas {

struct cMoveOutcome {
  bool erase = false;   // it left the world
  bool killed = false;  // blocks or the fall killed it
};

// One sub-step of motion on both axes, each followed by its block collision.
cMoveOutcome MoveThroughBlocks(cStagePlay& play, cChara& chara) {
  cMoveOutcome outcome;
  if (chara.MoveX() == play_step::kEraseMove) outcome.erase = true;
  if (play.CollideBlocksX(chara) == play_step::kKilledByBlocks) outcome.killed = true;
  chara.ApplyGravity();
  const int32_t y = chara.MoveY();
  if (y == play_step::kKilledMove) outcome.killed = true;
  if (y == play_step::kEraseMoveY) outcome.erase = true;
  if (play.CollideBlocksY(chara) == play_step::kKilledByBlocks) outcome.killed = true;
  return outcome;
}

}  // namespace play_step_charas

bool cStagePlay::DefeatInPass(cChara& chara) {
  const int32_t r = DefeatChara(chara);
  if (g_SystemData.m_bSwitch272 != 0) {
    if (r == kPlayClear) {
      EraseStageChara(chara);
      return false;
    }
    Services().PlaySE(play_step::kSoundCharaDefeated);
  } else {
    EraseStageChara(chara);
  }
  return r == 0;
}

bool cStagePlay::DefeatKilled(cChara& chara) {
  Services().PlaySE(play_step::kSoundCharaDefeated);
  const int32_t r = DefeatChara(chara);
  if (r == kPlayClear) {
    EraseStageChara(chara);
    return false;
  }
  return r == 0;
}

bool cStagePlay::StepSolidCharas() {
  cCharaWalk walk(*this);
  for (cChara& chara : g_CharaList) {
    if (!IsLive(*this, chara) || !play_step::IsSolid(chara) || !play_step::Runs(chara)) continue;
    chara.FireTrigger(play_step::kAlwaysTrigger);
    if (!IsLive(*this, chara)) continue;
    if (chara.RunFlows(0) != 0) {
      // A solid chara whose flows end it is defeated even when it vanishes.
      if (!IsLive(*this, chara)) continue;
      if (!DefeatInPass(chara)) return false;
      continue;
    }
    if (m_bKill != 0 && ProcessKills() == 1) return false;
    if (!IsLive(*this, chara)) continue;
    const play_step_charas::cMoveOutcome move = play_step_charas::MoveThroughBlocks(*this, chara);
    if (move.killed) {
      if (!DefeatKilled(chara)) return false;
    } else if (move.erase) {
      EraseStageChara(chara);
    } else {
      chara.DecayPushX();
      chara.DecayPushY();
    }
  }
  return true;
}

bool cStagePlay::StepCharas() {
  cCharaWalk walk(*this);
  for (auto it = g_CharaList.begin(); it != g_CharaList.end(); ++it) {
    PrefetchFlowPassAhead(it, g_CharaList.end());
    cChara& chara = *it;
    if (!IsLive(*this, chara) || play_step::IsSolid(chara) || !play_step::Runs(chara)) continue;
    chara.FireTrigger(play_step::kAlwaysTrigger);
    if (!IsLive(*this, chara)) continue;
    if (chara.RunFlows(0) != 0) {
      if (!IsLive(*this, chara)) continue;
      if (chara.m_bVanish != 0) {
        EraseStageChara(chara);
        continue;
      }
      if (!DefeatInPass(chara)) return false;
      continue;
    }
    if (m_bKill != 0 && ProcessKills() == 1) return false;
    if (!IsLive(*this, chara)) continue;
    if (chara.m_bRiding != 0) FollowRiddenChara(chara, g_CharaList);
    play_step_charas::cMoveOutcome move = play_step_charas::MoveThroughBlocks(*this, chara);
    if (CollideSolidCharas(chara, g_CharaList) == 2) move.killed = true;
    RecheckBlocksX(chara);
    RecheckBlocksY(chara);
    if (play_step::Squeezed(chara) || move.killed) {
      if (!DefeatKilled(chara)) return false;
    } else if (move.erase) {
      EraseStageChara(chara);
    } else {
      chara.DecayPushX();
      chara.DecayPushY();
    }
  }
  return true;
}

