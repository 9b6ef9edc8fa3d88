// The movement step every movement command ends with: the facing, the
// velocity or the inertia, the animation request.

#include <cstdint>

#include "records/script/ed_move.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/flow_cmd_state.h"
#include "stage/script/move_velocity.h"

namespace move_step {

// Base animations a move asks for (cCharaBase::m_nAnimeChosen) and the
// priority each request holds against the others of the same flow pass.
constexpr int32_t kAnimeStanding = 0;
constexpr int32_t kAnimeWalking = 1;
constexpr int32_t kAnimeFlying = 2;
constexpr int32_t kAnimeFlyingMoving = 3;
constexpr int32_t kPriorityMoving = 2;
constexpr int32_t kPriorityStanding = 1;

// One axis of an inertial move: the command's velocity accelerates the
// inertia by its sixtieth per sub-step, against the current motion by the
// move's factor; the inertia stays within the maximum speed.
void InertiaAxis(double& inertia, int32_t& friction, double v, double reverseAccel, double maxSpeed) {
  double increment = SpeedPerSubStep(v);
  if ((inertia < 0 && v > 0) || (inertia > 0 && v < 0)) {
    increment *= reverseAccel;
  } else {
    friction = 0;
  }
  inertia += increment;
  if (inertia < -maxSpeed) inertia = -maxSpeed;
  if (inertia > maxSpeed) inertia = maxSpeed;
}

void RequestAnime(cCharaBase& chara, int32_t animeMode) {
  const bool bFlying = chara.m_bFlying != 0;
  if (animeMode == kMoveAnimeMoving) {
    chara.m_bAnimeChosen = 1;
    if (chara.m_nAnimePriority > kPriorityMoving) return;
    chara.m_nAnimePriority = kPriorityMoving;
    chara.m_nAnimeChosen = bFlying ? kAnimeFlyingMoving : kAnimeWalking;
  } else if (animeMode == kMoveAnimeStanding) {
    chara.m_bAnimeChosen = 1;
    if (chara.m_nAnimePriority > kPriorityStanding) return;
    chara.m_nAnimePriority = kPriorityStanding;
    chara.m_nAnimeChosen = bFlying ? kAnimeFlying : kAnimeStanding;
  }
}

}  // namespace move_step

int32_t ApplyMoveStep(cCharaBase& chara, double vx, double vy, int32_t faceTo, cFlowCmdState& state,
                      const cEdMove& move, int32_t bForceTurn) {
  using namespace move_step;
  if (move.m_bKeepFacing == 0 && (chara.m_Def.m_bFixedFacing == 0 || bForceTurn != 0)) {
    if (faceTo == kFaceLeft) chara.m_nFacing = 0;
    if (faceTo == kFaceRight) chara.m_nFacing = 1;
  }
  if (move.m_bInertia != 0) {
    InertiaAxis(chara.m_dInertiaX, chara.m_bFrictionX, vx, move.m_dReverseAccel, state.m_dMaxSpeed);
    InertiaAxis(chara.m_dInertiaY, chara.m_bFrictionY, vy, move.m_dReverseAccel, state.m_dMaxSpeed);
  } else {
    chara.m_dVX += vx;
    chara.m_dVY += vy;
  }
  RequestAnime(chara, move.m_nAnimeMode);
  return 0;
}
