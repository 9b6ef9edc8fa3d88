// The per-sub-step motion primitives: clamps with their edge codes, steps,
// gravity, friction, knock-back and the conversion of speeds to sub-steps.
#include <cmath>

#include "records/stage/stage_globals.h"
#include "stage/objects/game_object.h"
#include "stage/objects/game_object_clamp.h"

int32_t cGameObject::ClampXMode(int32_t mode) { return ClampXOf<cGameObject>(*this, mode); }
int32_t cGameObject::ClampYMode(int32_t mode) { return ClampYOf<cGameObject>(*this, mode); }
int32_t cGameObject::StepX(int32_t mode) { return StepXOf<cGameObject>(*this, mode); }
int32_t cGameObject::StepY(int32_t mode) { return StepYOf<cGameObject>(*this, mode); }

void cGameObject::ApplyGravity() {
  if (m_bFlying == 0) m_dVY += g_Stage.m_dSubGravity;
}

void cGameObject::ApplyFriction(double* speed, int32_t enabled) {
  if (enabled == 0) return;
  if (*speed > 0) {
    *speed -= m_dFriction;
    if (*speed < 0) *speed = 0;
  } else if (*speed < 0) {
    *speed += m_dFriction;
    if (*speed > 0) *speed = 0;
  }
}

namespace game_object_motion {

// The start speed v of a push that loses 1/L each sub-step and covers 16 x |a| dots.
double PushSpeedFor(double a, double L) {
  if (a > 0) return (std::sqrt(1 + 128 * L * a) - 1) / (2 * L);
  if (a < 0) return -(std::sqrt(1 - 128 * L * a) - 1) / (2 * L);
  return 0;
}

}  // namespace game_object_motion

void cGameObject::CalcPushSpeed(double* vx, double* vy, int8_t strength, double dx, double dy) const {
  if (strength == 0) return;
  const double d = std::fabs(dx) + std::fabs(dy);
  if (d == 0) {
    *vx = 0;
    *vy = 0;
    return;
  }
  const double L = g_Stage.m_dSubSteps;
  *vx = game_object_motion::PushSpeedFor(strength * dx / d, L);
  *vy = game_object_motion::PushSpeedFor(strength * dy / d, L);
}

// Dividing by 60 first is the order stored replays were made with; v / L / 60
// differs in the last bit.
double SpeedPerSubStep(double v) { return v / 60 / g_Stage.m_dSubSteps; }
