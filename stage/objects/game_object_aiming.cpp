// Aiming: the velocity towards (or away from) a point, with the auto-scroll
// taken into account, and the movement steps of the movement commands built
// on it.
#include <cmath>

#include "core/math/truncate.h"
#include "records/settings/system_data.h"
#include "stage/objects/flow_cmd_state.h"
#include "stage/objects/game_object.h"
#include "stage/objects/scene_scroll.h"
#include "stage/objects/wave.h"

namespace game_object_aiming {

// The project setting under which everything moves with the auto-scroll.
bool AllFollowScroll() { return g_SystemData.m_bLegacy214 != 0; }

int32_t DirectionOf(double vx) {
  if (vx < 0) return 1;
  if (vx > 0) return 2;
  return 0;
}

// Adds (sign 1) or subtracts (sign -1) the speed of each auto-scrolling axis.
void ApplyScroll(double* vx, double* vy, double sign) {
  const cScroll& ax = SceneScrollX();
  const cScroll& ay = SceneScrollY();
  if (ax.IsAutoScrolling()) *vx += sign * ax.m_dAutoSpeed;
  if (ay.IsAutoScrolling()) *vy += sign * ay.m_dAutoSpeed;
}

bool AnyAxisAutoScrolling() { return SceneScrollX().IsAutoScrolling() || SceneScrollY().IsAutoScrolling(); }

// A course meeting a target carried by the scroll velocity (qx, qy), solved
// along the longer axis (the major one). False when the geometry has no
// solution: the outputs then keep what they hold, as stored replays expect.
struct cInterceptAxes {
  double dMajor, dMinor;   // distances to the target
  double qMajor, qMinor;   // the target's scroll velocity
  double fromMajor, toMajor;
};

bool SolveIntercept(const cInterceptAxes& a, double U, double R, double* vMajor, double* vMinor) {
  const double P = a.dMinor * a.dMinor;
  const double D = a.dMajor * a.dMajor;
  if (D == 0) return false;
  const double W = P / D + 1;
  if (W == 0) return false;
  const double Y = (2 * a.qMajor * P - 2 * a.dMinor * a.dMajor * a.qMinor) / D;
  const double disc = Y * Y - 4 * W * (R / D - U * U);
  if (disc < 0) return false;
  const double r = (-Y - std::sqrt(disc)) / (2 * W);
  *vMajor = a.dMajor < 0 ? r : -r;
  if (a.qMajor - *vMajor == 0) return false;
  const double T = (a.fromMajor - a.toMajor) / (a.qMajor - *vMajor);
  if (T == 0) return false;
  *vMinor = (a.dMinor + T * a.qMinor) / T;
  return true;
}

bool Intercept(double* vx, double* vy, double fromX, double fromY, double toX, double toY, double speed) {
  const cScroll& ax = SceneScrollX();
  const cScroll& ay = SceneScrollY();
  const double qx = ax.m_bClamped != 0 ? 0 : ax.m_dAutoSpeed;
  const double qy = ay.m_bClamped != 0 ? 0 : ay.m_dAutoSpeed;
  const double dx = toX - fromX;
  const double dy = toY - fromY;
  const double U = std::fabs(speed);
  const double P = dx * dx;
  const double D = dy * dy;
  const double R = P * qy * qy + D * qx * qx - 2 * dx * dy * qy * qx;
  if (std::fabs(dy) >= std::fabs(dx)) {
    return SolveIntercept({dy, dx, qy, qx, fromY, toY}, U, R, vy, vx);
  }
  return SolveIntercept({dx, dy, qx, qy, fromX, toX}, U, R, vx, vy);
}

}  // namespace game_object_aiming

int32_t cGameObject::CalcAimVelocity(double* vx, double* vy, int32_t* dir, const cGameObject* target, double fromX,
                                     double fromY, double toX, double toY, double speed, int32_t scrollFlag,
                                     int32_t noDiagonal, int32_t checkArrival) const {
  using namespace game_object_aiming;
  const double dx = toX - fromX;
  const double dy = toY - fromY;
  *vx = 0;
  *vy = 0;
  if (noDiagonal == 0 && speed < 0) {
    const double s = -speed * g_dInvSqrt2;
    *vx = fromX < toX ? -s : s;
    *vy = fromY < toY ? -s : s;
    *dir = DirectionOf(*vx);
    if (AllFollowScroll()) {
      ApplyScroll(vx, vy, 1);
    } else if (target != nullptr && (scrollFlag != 0) == (target->m_bFollowScroll == 0)) {
      ApplyScroll(vx, vy, -1);
    }
    return 0;
  }
  double dist = std::sqrt(dx * dx + dy * dy);
  if (dist == 0) dist = 1;
  *vx = speed * dx / dist;
  *vy = speed * dy / dist;
  if (AllFollowScroll()) {
    ApplyScroll(vx, vy, 1);
  } else if (target != nullptr) {
    if (target->m_bFollowScroll == 0) {
      ApplyScroll(vx, vy, -1);
    } else if (scrollFlag == 0 && AnyAxisAutoScrolling()) {
      if (!Intercept(vx, vy, fromX, fromY, toX, toY, speed)) return 0;
    }
  }
  *dir = DirectionOf(*vx);
  if (checkArrival != 0 && std::fabs(dx) <= std::fabs(speed) && std::fabs(dy) <= std::fabs(speed)) return 1;
  return 0;
}

namespace game_object_aiming {

// One axis of CalcAimVelocityX / Y: the signed speed, the scroll it rides on.
double AxisVelocity(bool bForward, double speed, const cGameObject* target, int32_t scrollFlag,
                    const cScroll& axis) {
  double v = bForward ? speed : -speed;
  if (scrollFlag == 0 && target != nullptr && target->m_bFollowScroll != 0 && AllFollowScroll() &&
      axis.IsAutoScrolling()) {
    v += axis.m_dAutoSpeed;
  }
  return v;
}

}  // namespace game_object_aiming

int32_t cGameObject::CalcAimVelocityX(double* vx, double* vy, int32_t* dir, const cGameObject* target,
                                      double fromX, double toX, double speed, int32_t scrollFlag,
                                      int32_t checkArrival) const {
  const bool bForward = fromX < toX;
  *vx = game_object_aiming::AxisVelocity(bForward, speed, target, scrollFlag, SceneScrollX());
  *dir = bForward ? 2 : 1;
  *vy = 0;
  return checkArrival != 0 && std::fabs(speed) > std::fabs(fromX - toX) ? 1 : 0;
}

int32_t cGameObject::CalcAimVelocityY(double* vx, double* vy, int32_t* dir, const cGameObject* target,
                                      double fromY, double toY, double speed, int32_t scrollFlag,
                                      int32_t checkArrival) const {
  *vy = game_object_aiming::AxisVelocity(fromY < toY, speed, target, scrollFlag, SceneScrollY());
  *dir = 0;
  *vx = 0;
  return checkArrival != 0 && std::fabs(speed) > std::fabs(fromY - toY) ? 1 : 0;
}

void cGameObject::GetMoveTarget(double* outX, double* outY, const cFlowCmdState& state) const {
  const cEdMove* move = state.Move();
  const bool bLockX = move != nullptr && move->m_bLockX != 0;
  const bool bLockY = move != nullptr && move->m_bLockY != 0;
  // Both flags set keeps the x target: only one axis can be left free.
  if (!bLockX || bLockY) *outX = ScreenCenterX() + state.m_nTargetX;
  if (!bLockY) *outY = ScreenCenterY() + state.m_nTargetY;
}

namespace game_object_aiming {

// On arrival with the stop flag: the screen rectangles first (unless the
// move keeps them), since the stop places the object by its centre.
bool StopsOnArrival(cGameObject& object, cGameObject* target, const cFlowCmdState& state) {
  const cEdMove* move = state.Move();
  if (move == nullptr || move->m_bStopAtTarget == 0) return false;
  if (move->m_bInertia == 0) {
    object.UpdateScreenRect();
    if (target != nullptr) target->UpdateScreenRect();
  }
  return true;
}

}  // namespace game_object_aiming

int32_t cGameObject::MoveToward(cFlowCmdState& state, cGameObject* target, double toX, double toY,
                                int32_t scrollFlag, int32_t checkArrival) {
  const int32_t arrived = CalcAimVelocity(&state.m_dVX, &state.m_dVY, &state.m_nFaceTo, target, ScreenCenterX(),
                                          ScreenCenterY(), toX, toY, state.m_dSpeed, scrollFlag, 0, checkArrival);
  if (arrived != 0 && game_object_aiming::StopsOnArrival(*this, target, state)) {
    SetCenterAndStop(TruncToInt(toX), TruncToInt(toY), &state);
  }
  return arrived;
}

int32_t cGameObject::MoveTowardX(cFlowCmdState& state, cGameObject* target, double toX, int32_t scrollFlag,
                                 int32_t checkArrival) {
  const int32_t arrived = CalcAimVelocityX(&state.m_dVX, &state.m_dVY, &state.m_nFaceTo, target, ScreenCenterX(),
                                           toX, state.m_dSpeed, scrollFlag, checkArrival);
  if (arrived != 0 && game_object_aiming::StopsOnArrival(*this, target, state)) {
    SetCenterXAndStop(TruncToInt(toX), &state);
  }
  return arrived;
}

int32_t cGameObject::MoveTowardY(cFlowCmdState& state, cGameObject* target, double toY, int32_t scrollFlag,
                                 int32_t checkArrival) {
  const int32_t arrived = CalcAimVelocityY(&state.m_dVX, &state.m_dVY, &state.m_nFaceTo, target, ScreenCenterY(),
                                           toY, state.m_dSpeed, scrollFlag, checkArrival);
  if (arrived != 0 && game_object_aiming::StopsOnArrival(*this, target, state)) {
    SetCenterYAndStop(TruncToInt(toY), &state);
  }
  return arrived;
}
