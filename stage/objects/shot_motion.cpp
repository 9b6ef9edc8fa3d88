// A shot's pass: its own state (Update) and its motion, clamps and boxes.
#include <cmath>

#include "core/math/truncate.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/game_object_clamp.h"
#include "stage/objects/scene_scroll.h"
#include "stage/objects/shot.h"
#include "stage/objects/shot_trajectory.h"

namespace shot_motion {

// The auto-scroll speed of an axis, 0 while it stands.
double ScrollSpeed(const cScroll& axis) { return axis.IsAutoScrolling() ? axis.m_dAutoSpeed : 0; }

double SignOf(double v) { return v > 0 ? 1 : -1; }

}  // namespace shot_motion

void cShot::SetBaseVelocity() {
  const bool follows = g_SystemData.m_bLegacy214 == 0 && m_bFollowScroll != 0;
  m_dVX = follows ? shot_motion::ScrollSpeed(SceneScrollX()) : 0;
  if (m_bFlying != 0) m_dVY = follows ? shot_motion::ScrollSpeed(SceneScrollY()) : 0;
}

int32_t cShot::Update() {
  if (m_bShot == 0) return StepSword();
  SetBaseVelocity();
  RunShotTrajectory(*this);
  if (m_bAccel != 0) {
    m_dTrajVX += m_dInertiaX;
    if (m_bFlying != 0) {
      m_dTrajVY += m_dInertiaY;
    } else {
      m_dVY += m_dInertiaY;
    }
  }
  m_dVX += m_dTrajVX;
  if (m_bFlying != 0) m_dVY += m_dTrajVY;
  if (m_Settings.m_bShotOpt8 != 0) {
    if (m_nLifeLeft <= 0) return 1;
    --m_nLifeLeft;
  }
  if (m_dVX != 0) m_nFacing = m_dVX > 0 ? 1 : 0;
  return StepRange();
}

int32_t cShot::StepRange() {
  if (m_Settings.m_bShotOpt6 == 0) return 0;
  if (m_nRangeLeft > 0) {
    --m_nRangeLeft;
    return 0;
  }
  if (m_Settings.m_bShotOpt7 == 0) return 1;
  // Stopped at its range for good: it flies straight at no speed of its own.
  m_dTrajVX = m_dTrajVY = 0;
  m_Settings.m_nMoveType = kShotStraight;
  SetBaseVelocity();
  return 0;
}

// Both moves run for every shot on every sub-step and their clamps are small:
// built as one body each, with the clamp's edge code, which a move drops,
// never computed.
[[gnu::flatten]] int32_t cShot::MoveX() {
  if (m_dInertiaX != 0) m_dVX += m_dInertiaX;
  if (m_dVX == 0) return 0;
  const double max = g_Stage.m_dMaxSubSpeed;
  if (m_dVX > max) {
    m_dVX = max;
  } else if (m_dVX < -max) {
    m_dVX = -max;
  }
  m_dX += m_dVX;
  ClampX();
  return 0;
}

[[gnu::flatten]] int32_t cShot::MoveY() {
  if (m_dInertiaY != 0) m_dVY += m_dInertiaY;
  // Through the shot's own class: its box updates are final, so the step
  // and the clamp call them inline instead of through the virtual slots.
  if (m_dVY != 0) {
    StepYOf(*this, 2);
    if (SecondClampMoves(m_nHeight, SceneScrollY())) ClampYOf(*this, 2);
  }
  return 0;
}

int32_t cShot::ClampX() {
  // A shot at least as wide as the stage cannot be held inside it and is
  // left where it is.
  const bool fits = m_nWidth < g_Stage.m_nWidth * 32;
  const int32_t limit = SceneScrollX().m_nFurthest;
  int32_t code = kEdgeInside;
  if (m_dX >= 0) {
    if (m_dX + m_nWidth - 1 >= limit && fits) {
      m_dX = limit - m_nWidth;
      code = kEdgePushedBack;
    }
  } else if (fits) {
    m_dX = 0;
    code = kEdgePushedBack;
  }
  m_dRight = m_dX + m_nWidth - 1;
  UpdateBoxX();
  m_nCellLeft = TruncToInt(m_dX) >> 5;
  m_nCellRight = TruncToInt(m_dRight) >> 5;
  return code;
}

void cShot::UpdateBoxX() {
  m_dAtkLeft = static_cast<double>(TruncToInt(m_dX)) + m_rcAtk.nOffsetX;
  m_dAtkRight = m_dAtkLeft + m_rcAtk.nWidth - 1;
}

void cShot::UpdateBoxY() {
  m_dAtkTop = static_cast<double>(TruncToInt(m_dY)) + m_rcAtk.nOffsetY;
  m_dAtkBottom = m_dAtkTop + m_rcAtk.nHeight - 1;
}

void cShot::OnScaleChanged(int32_t newScale) {
  m_rcAtk = {newScale * m_rcAtkBase.nOffsetX, newScale * m_rcAtkBase.nOffsetY, newScale * m_rcAtkBase.nWidth,
             newScale * m_rcAtkBase.nHeight};
  ClampX();
  ClampYMode(2);
}

void cShot::AdjustYForScale(int32_t newScale, int32_t oldScale, int32_t) {
  if (newScale == oldScale) return;
  m_dY -= (newScale - oldScale) * (m_nHeightBase >> 1);
  ClampYMode(2);
}

void cShot::SplitAcceleration(double* ax, double* ay, double vx, double vy) const {
  const double A = m_dAccel;
  *ax = 0;
  *ay = 0;
  if (vx != 0 && vy != 0) {
    const double v = std::sqrt(vx * vx + vy * vy);
    *ax = SpeedPerSubStep(vx / v * A);
    *ay = SpeedPerSubStep(vy / v * A);
  } else if (vx != 0) {
    *ax = shot_motion::SignOf(vx) * SpeedPerSubStep(A);
  } else if (vy != 0) {
    *ay = shot_motion::SignOf(vy) * SpeedPerSubStep(A);
  }
}
