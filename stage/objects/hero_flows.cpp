// The hero's flow pass and its jump command.

#include <cmath>
#include <cstdint>

#include "core/input/input_state.h"
#include "core/math/truncate.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara_flow_calls.h"
#include "stage/objects/chara_flow_pass.h"
#include "stage/objects/hero.h"
#include "stage/objects/stage_play.h"
#include "stage/script/key_conditions.h"
#include "stage/services/stage_services.h"

namespace hero_flows {

void SetBaseSpeeds(cHero& hero, const cStagePlay* lpPlay) {
  const double sx = lpPlay != nullptr ? AutoScrollSpeedOf(lpPlay->m_ScrollX) : 0;
  const double sy = lpPlay != nullptr ? AutoScrollSpeedOf(lpPlay->m_ScrollY) : 0;
  if (g_SystemData.m_bLegacy214) {
    if (hero.m_bFlying) {
      hero.m_dVX = sx;
      hero.m_dVY = sy;
    } else {
      hero.m_dVX = 0;
    }
    return;
  }
  const bool follows = hero.m_bFollowScroll != 0;
  hero.m_dVX = follows ? sx : 0;
  if (hero.m_bFlying) hero.m_dVY = follows ? sy : 0;
}

}  // namespace hero_flows

int32_t cHero::RunFlows(int32_t dying) {
  cStagePlay* play = g_lpSceneStagePlay;
  cFlowPassOwner owner(play, m_nId);

  hero_flows::SetBaseSpeeds(*this, play);
  ClearPassRequests(*this);
  m_bDirectionLock = m_bButtonLock = 0;
  m_bJumpRan = 0;
  if (m_nPostureFrames > 0 && --m_nPostureFrames == 0) m_bPostureChanged = 0;

  if (g_lpCharaFlowCalls != nullptr) g_lpCharaFlowCalls->StartCommandAnimes(*this);
  // A hero has no vanish flag of its own: only its HP ends the pass.
  if (RunFlowInstances(*this, play, dying, false)) return 1;
  owner.Release();

  RunPendingItemCommands();
  FinishFlowMarks(*this);
  ++m_nPassCount;
  if (!m_bJumpRan) {
    m_nJumpHold = 0;
    m_bJumpReady = 1;
    m_bJumpLocked = 0;
  }
  ChooseBaseAnimation(*this);
  return m_nHp <= 0 ? 1 : 0;
}

void cHero::RunPendingItemCommands() {
  if (m_PendingItemCmds.empty()) return;
  // The runner may queue more; only the ones pending now run in this pass.
  cVector<cFlowCmd> pending;
  pending.swap(m_PendingItemCmds);
  if (g_lpRunPendingItemCmd == nullptr) return;
  for (cFlowCmd& command : pending) g_lpRunPendingItemCmd(*this, command);
}

namespace hero_flows {

enum eJumpMode : int32_t { kHeightFixed = 0, kHeightByKey = 1, kHeightBySpeed = 2 };

constexpr int32_t kHalfBlockDots = 16;
// Jumping off a ridden chara is a little faster than from the ground (the
// single-precision 1.02 the stored replays were made with).
constexpr double kRideJumpFactor = 1.0199999809265137;
constexpr double kCutRise = 0.3;

int32_t Param(const cFlowCmdState& state, int32_t n) {
  if (state.m_lpCmd == nullptr || n >= state.m_lpCmd->m_Params.VectorSize()) return 0;
  return state.m_lpCmd->m_Params.CheckedVectorAt(n);
}

// Mode 2: the height in half blocks grows with the running speed between
// the low speed (P3, low height P4) and the full speed (P1, full height P2),
// speeds in tenths of a dot per frame.
int32_t HeightBySpeed(double speed, const cFlowCmdState& state) {
  const double k = 10.0 * g_Stage.m_dSubSteps;
  const double full = Param(state, 1) / k;
  const double low = Param(state, 3) / k;
  if (speed >= full) return Param(state, 2);
  if (speed <= low) return Param(state, 4);
  return TruncToInt((static_cast<double>(Param(state, 2)) - Param(state, 4)) * speed / full + Param(state, 4));
}

void PlayJumpSound(const cFlowCmdState& state) {
  if (state.m_lpCmd != nullptr && g_lpSceneStagePlay != nullptr) {
    g_lpSceneStagePlay->Services().PlayProjectSE(state.m_lpCmd->m_nSound);
  }
}

bool FlowHasKeyConditions(const cHero& hero) {
  const cStagePlay* play = g_lpSceneStagePlay;
  if (play == nullptr || play->m_nFlowIndex < 0 || play->m_nFlowIndex >= hero.m_Flows.VectorSize()) return false;
  return !hero.m_Flows.CheckedVectorAt(play->m_nFlowIndex).m_KeyConds.empty();
}

}  // namespace hero_flows

bool cHero::JumpKeyHeld(int32_t mode) const {
  if (mode != hero_flows::kHeightByKey && mode != hero_flows::kHeightBySpeed) return true;
  if (!hero_flows::FlowHasKeyConditions(*this) || g_InputList.empty()) return false;
  const cFlowInstance& flow = m_Flows.CheckedVectorAt(g_lpSceneStagePlay->m_nFlowIndex);
  return CheckKeyCondNow(&g_InputList.CheckedVectorAt(InputIndex()), flow.m_KeyConds.back()) != 0;
}

void cHero::StepJump(cFlowCmdState& state) {
  if (m_bFlying || m_bJumpRan) return;
  const int32_t mode = hero_flows::Param(state, 0);
  const bool held = JumpKeyHeld(mode);
  if (mode == hero_flows::kHeightBySpeed) {
    const int32_t height = hero_flows::HeightBySpeed(std::fabs(m_dInertiaX), state);
    state.m_dSpeed = JumpSpeed(static_cast<double>(height) * hero_flows::kHalfBlockDots);
  }

  if (held && !m_bJumpReleased) {
    ++m_nJumpHold;
    const bool mayRise = !m_bJumpHit || m_bRiding;
    if (m_nJumpHold >= state.m_nFrames && mayRise && m_bJumpReady && !m_bJumpLocked && (m_dVY < 0 || m_bRiding)) {
      // Held for the whole rise: it is no longer cut short.
      m_bJumpHit = 1;
      m_bJumpReady = 0;
    } else if (!m_bInAir && m_nJumpHold <= g_Stage.m_nSubSteps && mayRise && m_bJumpReady && !m_bJumpLocked &&
               !m_bPushed && !state.m_nWork1) {
      m_bJumpRising = 1;
      if (!m_bRiding) {
        m_dVY = state.m_dSpeed;
        state.m_nWork1 = 1;
        hero_flows::PlayJumpSound(state);
      } else if (g_lpSceneStagePlay != nullptr && g_lpSceneStagePlay->m_nSubStep == g_Stage.m_nSubSteps) {
        // Off a ridden chara only once it has moved for the whole frame.
        m_dVY = state.m_dSpeed * hero_flows::kRideJumpFactor;
        m_bRiding = 0;
        state.m_nWork1 = 1;
        hero_flows::PlayJumpSound(state);
      }
    }
  } else {
    if (m_nJumpHold > 0 && m_nJumpHold < state.m_nFrames && !m_bJumpHit && !m_bJumpLocked && !m_bJumpReleased &&
        !m_bPushed) {
      m_bRiding = 0;
      if (m_dVY < 0) m_dVY *= hero_flows::kCutRise;
      m_bJumpHit = 1;
    }
    m_nJumpHold = 0;
    m_bJumpReady = 1;
    m_bJumpLocked = 0;
  }

  if (IsOnFloor() && m_dVY >= 0) {
    const bool keyed = hero_flows::FlowHasKeyConditions(*this);
    if (!keyed || !held) {
      m_nJumpHold = 0;
      m_bJumpReady = 1;
      m_bJumpLocked = 0;
      m_bPushed = 0;
      state.m_nWork1 = 0;
      if (keyed) state.m_nRemain = 0;
    }
  }
  m_bJumpRan = 1;
}
