// Moves towards a point: the target offset, the velocity towards a point of
// the move's coordinates, and aiming at a chara's point on the free axes.

#include <cmath>
#include <cstdint>

#include "records/script/ed_move.h"
#include "records/script/direction_codes.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/flow_cmd_state.h"
#include "stage/objects/scene_scroll.h"
#include "stage/script/move_velocity.h"

namespace move_target {

// The reference of a move's target point (cEdMove::m_nTargetCoord).
enum eTargetCoord : int32_t {
  kCoordFromHome = 0,   // "配置位置からの相対座標"
  kCoordRelative = 1,   // "相対座標"
  kCoordStage = 2,      // "絶対座標"
  kCoordScreen = 3,     // "画面座標"
};

// Below this a velocity asks for no facing.
constexpr double kFacingEpsilon = 1e-8;

// The way to go on one axis from the chara's centre (stage dots). A
// reference the vocabulary does not have moves nothing.
double AxisDistance(int32_t coord, int32_t offset, double home, double centre, const cScroll& axis) {
  switch (coord) {
    case kCoordFromHome: return offset + home - centre;
    case kCoordRelative: return offset;
    // Stage and screen points name the middle of their cell.
    case kCoordStage: return axis.m_nMarginCells * 32 + offset + 16 - centre;
    case kCoordScreen: return offset + 16 - (centre - axis.m_dPos);
    default: return 0;
  }
}

// The calls a way of distance takes at speed: a tiny speed must not give a
// count beyond the int range.
int32_t CallsToGo(double distance, double speed) {
  const double calls = std::floor(std::fabs(distance) / std::fabs(speed));
  return calls < 2147483647.0 ? static_cast<int32_t>(calls) : INT32_MAX;
}

}  // namespace move_target

void CalcMoveTargetOffset(const cCharaBase& chara, cFlowCmdState& state, const cEdMove& move) {
  int32_t x = move.m_nTargetX * 32 + move.m_nTargetDotX;
  int32_t y = move.m_nTargetY * 32 + move.m_nTargetDotY;
  if (chara.m_Def.m_nFacing == kFacingRight) {
    if (move.m_bMirrorTargetX != 0) x = -x;
    if (move.m_bMirrorTargetY != 0) y = -y;
  }
  state.m_nTargetX = x;
  state.m_nTargetY = y;
}

void TargetVelocity(const cCharaBase& chara, cFlowCmdState& state, const cEdMove& move) {
  using namespace move_target;
  const cScroll& ax = SceneScrollX();
  const cScroll& ay = SceneScrollY();
  const double cx = chara.m_rcScreen.left + chara.m_nGraphicW / 2 + ax.m_dPos;
  const double cy = chara.m_rcScreen.top + chara.m_nGraphicH / 2 + ay.m_dPos;
  const int32_t coord = move.m_nTargetCoord;
  const double dx = move.m_bMoveX != 0 ? AxisDistance(coord, state.m_nTargetX, chara.m_dHomeX, cx, ax) : 0;
  const double dy = move.m_bMoveY != 0 ? AxisDistance(coord, state.m_nTargetY, chara.m_dHomeY, cy, ay) : 0;
  const double distance = std::sqrt(dx * dx + dy * dy);
  const double s = state.m_dSpeed;
  state.m_dVX = 0;
  state.m_dVY = 0;
  if (distance != 0) {
    if (move.m_bLockX == 0) state.m_dVX = s * dx / distance;
    if (move.m_bLockY == 0) state.m_dVY = s * dy / distance;
  }
  state.m_nFaceTo = kFaceKeep;
  if (chara.m_Def.m_bFixedFacing == 0) {
    if (state.m_dVX < -kFacingEpsilon) state.m_nFaceTo = kFaceLeft;
    if (state.m_dVX > kFacingEpsilon) state.m_nFaceTo = kFaceRight;
  }
  if (move.m_bStopAtTarget == 0 || s == 0) return;
  state.m_nRemain = CallsToGo(distance, s);
  if (move.m_bSnapAtTarget == 0 || state.m_nRemain > 0) return;
  // Closer than one call's way: the free axes stand still rather than overshoot.
  if (move.m_bMoveX != 0 && move.m_bLockX == 0) {
    state.m_dVX = 0;
    state.m_nFaceTo = kFaceKeep;
  }
  if (move.m_bMoveY != 0 && move.m_bLockY == 0) state.m_dVY = 0;
}

void AimByAxisLocks(cCharaBase& chara, cFlowCmdState& state, const cEdMove& move, cCharaBase& target, double x,
                    double y) {
  const int32_t scroll = chara.m_bFollowScroll;
  const int32_t snap = move.m_bSnapAtTarget;
  if (move.m_bLockX == 0 && move.m_bLockY == 0) {
    chara.MoveToward(state, &target, x, y, scroll, snap);
  } else if (move.m_bLockX == 0) {
    chara.MoveTowardX(state, &target, x, scroll, snap);
  } else if (move.m_bLockY == 0) {
    chara.MoveTowardY(state, &target, y, scroll, snap);
  } else {
    state.m_dVX = 0;
    state.m_dVY = 0;
    state.m_nFaceTo = kFaceKeep;
  }
}
