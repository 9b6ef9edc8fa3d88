// The movement commands that compute a velocity: "直線移動", "地上折り返し移動",
// "円移動", "突撃移動", "誘導移動" and "画面外回避移動".

#include <cmath>
#include <cstdint>

#include "core/math/truncate.h"
#include "records/script/ed_move.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/flow_cmd_state.h"
#include "stage/objects/stage_play.h"
#include "stage/objects/wave.h"
#include "stage/script/flow_cmd_move.h"
#include "stage/script/move_velocity.h"
#include "stage/script/script_math.h"

namespace flow_cmd_move {

// The charge turns its aim by the command's angle in whole degrees, as the
// stored replays had it.
constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr double kRadiansPerDegree = 0.017453292519943278;

// A move places the chara by its position again, not at a held screen place.
void ClearHold(cCharaBase& chara) {
  chara.m_bHoldScreenPos = 0;
  chara.m_nHoldMode = 0;
}

// The chara of a target slot; null when the slot is empty or its chara gone.
cCharaBase* SlotTarget(const cCharaBase& chara, int32_t slot) {
  const int32_t id = chara.m_Targets.CheckedVectorAt(slot);
  return id == kNoLink ? nullptr : FindCharaById(id);
}

void ApplyState(cCharaBase& chara, cFlowCmdState& state, const cEdMove& move, int32_t bForceTurn) {
  ApplyMoveStep(chara, state.m_dVX, state.m_dVY, state.m_nFaceTo, state, move, bForceTurn);
}

// A chara whose facing only commands change reverses a direction move when
// one turns it (a target move too under the old rule).
bool ReversesOnTurn(const cCharaBase& chara, const cFlowCmdState& state, const cEdMove& move) {
  if (move.m_bReverseOnTurn == 0 || chara.m_Def.m_bFixedFacing != 1 || chara.m_nFacing == state.m_nLastFacing) {
    return false;
  }
  return move.m_nMode == kMoveByDirection || g_SystemData.m_bLegacy783 != 0;
}

void FirstLinearVelocity(cCharaBase& chara, cFlowCmdState& state, const cEdMove& move) {
  CalcMoveAngle(chara, state, move);
  if (move.m_nMode == kMoveToTarget) {
    CalcMoveTargetOffset(chara, state, move);
    TargetVelocity(chara, state, move);
  } else if (state.m_nAngle != 0) {
    AngleVelocity(chara, state);
  } else {
    DirectionVelocity(chara, state);
  }
}

// The charge's aim turned by the command's angle. The old rule measured the
// aim from the other axis and so turned it the other way round.
void TurnCharge(const cCharaBase& chara, cFlowCmdState& state) {
  const double s = state.m_dSpeed;
  const auto angle = static_cast<int16_t>(state.m_nAngle);
  double degrees = 0;
  if (g_SystemData.m_bLegacy728 == 0) {
    degrees = static_cast<int16_t>(TruncToInt(std::atan2(state.m_dVY, state.m_dVX) * kDegreesPerRadian + 180)) + angle;
    state.m_dVX = -s * std::cos(degrees * kRadiansPerDegree);
  } else {
    degrees = static_cast<int16_t>(TruncToInt(std::atan2(state.m_dVX, state.m_dVY) * kDegreesPerRadian + 90)) + angle;
    state.m_dVX = s * std::cos(degrees * kRadiansPerDegree);
  }
  if (chara.m_bFlying != 0) state.m_dVY = -s * std::sin(degrees * kRadiansPerDegree);
}

// The charge's velocity, worked out once: false when the call ends there.
bool AimCharge(cCharaBase& chara, cFlowCmdState& state, const cEdMove& move) {
  CalcMoveAngle(chara, state, move);
  CalcMoveTargetOffset(chara, state, move);
  cCharaBase* target = SlotTarget(chara, move.m_nTargetSlot);
  if (target == nullptr) {
    state.m_dVX = 0;
    state.m_dVY = 0;
    return false;
  }
  // A dead target leaves the velocity the state holds.
  if (target->m_bDead != 0) return false;
  if (chara.m_bFlying != 0) {
    double x = 0;
    double y = 0;
    target->GetMoveTarget(&x, &y, state);
    AimByAxisLocks(chara, state, move, *target, x, y);
  } else if (move.m_bLockX != 0) {
    state.m_dVX = 0;
    state.m_dVY = 0;
    state.m_nFaceTo = kFaceKeep;
  } else {
    chara.CalcAimVelocityX(&state.m_dVX, &state.m_dVY, &state.m_nFaceTo, target, chara.ScreenCenterX(),
                           target->ScreenCenterX() + state.m_nTargetX, state.m_dSpeed, chara.m_bFollowScroll, 0);
  }
  if (state.m_nAngle != 0) TurnCharge(chara, state);
  return true;
}

// Where the homing move would aim now.
FLOWPOINT HomingPoint(const cCharaBase& target, const cFlowCmdState& state) {
  double x = 0;
  double y = 0;
  target.GetMoveTarget(&x, &y, state);
  return {TruncToInt(x), TruncToInt(y)};
}

void AimHoming(cCharaBase& chara, cFlowCmdState& state, const cEdMove& move, cCharaBase& target,
               const FLOWPOINT& point) {
  if (chara.m_bFlying != 0) {
    AimByAxisLocks(chara, state, move, target, point.x, point.y);
  } else {
    chara.MoveTowardX(state, &target, point.x, chara.m_bFollowScroll, move.m_bSnapAtTarget);
  }
}

// With a period the chara steers at where the target was a period ago: the
// points it saw wait in m_Points until their turn.
void SteerHoming(cCharaBase& chara, cFlowCmdState& state, const cEdMove& move, cCharaBase& target) {
  const int32_t period = state.m_nWork1;
  if (period == 0) {
    AimHoming(chara, state, move, target, HomingPoint(target, state));
    return;
  }
  if (state.m_nCount == 0) {
    const FLOWPOINT now = HomingPoint(target, state);
    state.m_Points.clear();
    state.m_Points.push_back(now);
    AimHoming(chara, state, move, target, now);
    return;
  }
  if (static_cast<int64_t>(state.m_nCount) % period != 0) return;
  const FLOWPOINT now = HomingPoint(target, state);
  AimHoming(chara, state, move, target, state.m_Points.empty() ? now : state.m_Points.front());
  state.m_Points.push_back(now);
  state.m_Points.erase(state.m_Points.begin());
}

void LinearMove(cCharaBase& chara, cFlowCmdState& state, const cEdMove& move) {
  ClearHold(chara);
  if (state.m_bInit == 0) {
    state.m_bInit = 1;
    FirstLinearVelocity(chara, state, move);
    if (chara.m_bFlying == 0) state.m_dVY = 0;
  } else {
    if (chara.m_bFlying == 0) state.m_dVY = 0;
    if (ReversesOnTurn(chara, state, move)) {
      state.m_dVX = -state.m_dVX;
      state.m_dVY = -state.m_dVY;
    }
  }
  if (g_SystemData.m_bLegacy773 == 0) {
    if (move.m_bLockX != 0) state.m_dVX = 0;
    if (move.m_bLockY != 0) state.m_dVY = 0;
  }
  ApplyState(chara, state, move, 0);
  state.m_nLastFacing = chara.m_nFacing;
}

void GroundPatrol(cCharaBase& chara, cFlowCmdState& state, const cEdMove& move) {
  if (chara.m_bFlying != 0) return;
  ClearHold(chara);
  if (chara.m_dPushVX != 0 || chara.m_dPushVY != 0) {
    // Knocked back: it walks on as it faces and turns nowhere.
    state.m_dVX = chara.FacingSign() * state.m_dSpeed;
    state.m_dVY = 0;
    state.m_nFaceTo = kFaceKeep;
  } else {
    GroundPatrolStep(chara, state);
  }
  ApplyState(chara, state, move, 1);
}

// 2 and 3 turn by the facing; 1 is "左回り", anything else "右回り".
int32_t CircleRotation(const cCharaBase& chara, int32_t rotation) {
  if (rotation == 2) return chara.m_nFacing == 1 ? 1 : 0;
  if (rotation == 3) return chara.m_nFacing == 1 ? 0 : 1;
  return rotation;
}

void CircleMove(cCharaBase& chara, cFlowCmdState& state, const cEdMove& move) {
  if (state.m_nWork1 == 0) return;
  ClearHold(chara);
  if (state.m_bInit == 0) {
    state.m_bInit = 1;
    state.m_dWork1 = state.m_dWork2 = state.m_nWork2;
  }
  const double s = state.m_dSpeed;
  const double step = g_Stage.m_dSubSteps * s;
  const double radius = state.m_nWork1;
  state.m_dVX = 0;
  state.m_dVY = 0;
  state.m_nFaceTo = kFaceKeep;
  if (move.m_bLockX == 0) state.m_dVX = -WaveVelocity(radius, 1, &state.m_dWork1, step, 0) * s;
  const double phase = CircleRotation(chara, state.m_byDir) == 1 ? 90 : 270;
  if (chara.m_bFlying != 0 && move.m_bLockY == 0) {
    state.m_dVY = -WaveVelocity(radius, 1, &state.m_dWork2, step, phase) * s;
  }
  ApplyState(chara, state, move, 0);
}

void ChargeMove(cCharaBase& chara, cFlowCmdState& state, const cEdMove& move) {
  if (state.m_bInit == 0) {
    state.m_bInit = 1;
    if (!AimCharge(chara, state, move)) return;
  } else if (chara.m_bFlying == 0) {
    state.m_dVY = 0;
  }
  ApplyState(chara, state, move, 0);
}

void HomingMove(cCharaBase& chara, cFlowCmdState& state, const cEdMove& move) {
  cCharaBase* target = SlotTarget(chara, move.m_nTargetSlot);
  if (target == nullptr || target->m_bDead != 0) return;
  if (state.m_bInit == 0) {
    state.m_bInit = 1;
    CalcMoveTargetOffset(chara, state, move);
  }
  ClearHold(chara);
  if (chara.m_bFlying == 0) {
    if (move.m_bLockX != 0) return;
    state.m_dVY = 0;
  }
  SteerHoming(chara, state, move, *target);
  ApplyState(chara, state, move, 0);
  state.m_nCount = WrapAdd(state.m_nCount, 1);
}

void AvoidOffscreenMove(cCharaBase& chara, cFlowCmdState& state, const cEdMove& move) {
  AvoidOffscreenVelocity(chara, state);
  if (chara.m_bFlying == 0) state.m_dVY = 0;
  ApplyState(chara, state, move, 0);
  state.m_nCount = WrapAdd(state.m_nCount, 1);
}

// A movement handler: the body runs only for a command that has its move
// settings (one saved without its part does nothing).
template <void (*Body)(cCharaBase&, cFlowCmdState&, const cEdMove&)>
int32_t RunMove(cCharaBase* lpChara, cFlowCmdState* lpState) {
  if (lpChara == nullptr || lpState == nullptr) return 0;
  if (const cEdMove* move = lpState->Move()) Body(*lpChara, *lpState, *move);
  return 0;
}

}  // namespace flow_cmd_move

int32_t FlowCmd_LinearMove(cCharaBase* c, cFlowCmdState* s) {
  return flow_cmd_move::RunMove<flow_cmd_move::LinearMove>(c, s);
}
int32_t FlowCmd_GroundPatrol(cCharaBase* c, cFlowCmdState* s) {
  return flow_cmd_move::RunMove<flow_cmd_move::GroundPatrol>(c, s);
}
int32_t FlowCmd_CircleMove(cCharaBase* c, cFlowCmdState* s) {
  return flow_cmd_move::RunMove<flow_cmd_move::CircleMove>(c, s);
}
int32_t FlowCmd_ChargeMove(cCharaBase* c, cFlowCmdState* s) {
  return flow_cmd_move::RunMove<flow_cmd_move::ChargeMove>(c, s);
}
int32_t FlowCmd_HomingMove(cCharaBase* c, cFlowCmdState* s) {
  return flow_cmd_move::RunMove<flow_cmd_move::HomingMove>(c, s);
}
int32_t FlowCmd_AvoidOffscreenMove(cCharaBase* c, cFlowCmdState* s) {
  return flow_cmd_move::RunMove<flow_cmd_move::AvoidOffscreenMove>(c, s);
}
