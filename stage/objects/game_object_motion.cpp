// The per-sub-step motion primitives: clamps with their edge codes, steps,
// gravity, friction, knock-back and the conversion of speeds to sub-steps.
#include <cmath>

#include "core/math/truncate.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/game_object.h"
#include "stage/objects/scene_scroll.h"

int32_t cGameObject::ClampXMode(int32_t mode) {
  const cScroll& axis = SceneScrollX();
  const double w = m_nWidth;
  const double r = m_dX + w - 1;
  int32_t code = kEdgeInside;
  switch (mode) {
    case 0:
      if (axis.m_nMin > m_dX) {
        m_dX = axis.m_nMin;
      } else if (r >= axis.m_nMax) {
        m_dX = axis.m_nMax - w;
      }
      break;
    case 1:
      if (kWorldMargin > m_dX) {
        m_dX = kWorldMargin;
      } else if (r >= axis.m_nFurthest) {
        m_dX = axis.m_nFurthest - w;
      } else if (axis.m_nMin > m_dX || r >= axis.m_nMax) {
        code = kEdgeOutsideLimits;
      }
      break;
    case 2:
      if (m_dX < 0) {
        m_dX = 0;
        code = kEdgePushedBack;
      } else if (r >= axis.Total()) {
        m_dX = axis.Total() - w;
        code = kEdgePushedBack;
      } else if (kWorldMargin > m_dX || r >= axis.m_nFurthest) {
        code = kEdgeMargin;
      } else if (axis.m_nMin > m_dX || r >= axis.m_nMax) {
        code = kEdgeOutsideLimits;
      }
      break;
    default:
      break;
  }
  m_dRight = m_dX + w - 1;
  UpdateBoxX();
  m_nCellLeft = TruncToInt(m_dX) >> 5;
  m_nCellRight = TruncToInt(m_dRight) >> 5;
  return code;
}

namespace game_object_motion {

// Mode 2's vertical code for an object inside the whole extent.
int32_t VerticalExtentCode(const cScroll& axis, double y, double b) {
  if (kWorldMargin > y) return kEdgeMargin;
  if (b >= axis.m_nFurthest) return kEdgeBottomMargin;
  if (axis.m_nMin > y) return kEdgeOutsideLimits;
  if (b >= axis.m_nMax) return kEdgeBelowLimits;
  return kEdgeInside;
}

}  // namespace game_object_motion

int32_t cGameObject::ClampYMode(int32_t mode) {
  const cScroll& axis = SceneScrollY();
  const double h = m_nHeight;
  const double b = m_dY + h - 1;
  // An object as tall as the margin could not be pushed back at an end
  // without leaving the other one; it is left where it is.
  const bool bFitsMargin = m_nHeight < kWorldMargin;
  int32_t code = kEdgeInside;
  switch (mode) {
    case 0:
      if (axis.m_nMin > m_dY) {
        m_dY = axis.m_nMin;
      } else if (b >= axis.m_nMax) {
        m_dY = axis.m_nMax - h;
      }
      break;
    case 1:
      if (kWorldMargin > m_dY) {
        m_dY = kWorldMargin;
      } else if (b >= axis.m_nFurthest) {
        m_dY = axis.m_nFurthest - h;
      } else if (axis.m_nMin > m_dY) {
        code = kEdgeOutsideLimits;
      } else if (b >= axis.m_nMax) {
        code = kEdgeBelowLimits;
      }
      break;
    case 2:
      if (m_dY < 0) {
        if (bFitsMargin) {
          m_dY = 0;
          code = kEdgePushedBack;
        }
      } else if (b >= axis.Total()) {
        if (bFitsMargin) {
          m_dY = axis.Total() - h;
          code = kEdgePushedBackBottom;
        }
      } else {
        code = game_object_motion::VerticalExtentCode(axis, m_dY, b);
      }
      break;
    default:
      break;
  }
  m_dBottom = m_dY + h - 1;
  UpdateBoxY();
  m_nCellTop = TruncToInt(m_dY) >> 5;
  m_nCellBottom = TruncToInt(m_dBottom) >> 5;
  return code;
}

namespace game_object_motion {

void LimitSpeed(double* v) {
  const double max = g_Stage.m_dMaxSubSpeed;
  if (*v > max) {
    *v = max;
  } else if (*v < -max) {
    *v = -max;
  }
}

}  // namespace game_object_motion

int32_t cGameObject::StepX(int32_t mode) {
  game_object_motion::LimitSpeed(&m_dVX);
  m_dX += m_dVX;
  const int32_t code = ClampXMode(mode);
  return code >= kEdgeOutsideLimits && code <= kEdgePushedBack ? code : kEdgeInside;
}

int32_t cGameObject::StepY(int32_t mode) {
  game_object_motion::LimitSpeed(&m_dVY);
  m_dY += m_dVY;
  const int32_t code = ClampYMode(mode);
  return code >= kEdgeOutsideLimits && code <= kEdgePushedBackBottom ? code : kEdgeInside;
}

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
