// "画面外回避移動": a chara that has drifted off the screen on the side it
// wishes to move away from comes back, riding the horizontal auto-scroll
// while it runs.

#include <cmath>
#include <cstdint>

#include "records/script/shot_direction.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/flow_cmd_state.h"
#include "stage/objects/scene_scroll.h"
#include "stage/script/move_direction_steps.h"
#include "stage/script/move_velocity.h"

namespace move_avoid_offscreen {

// Screen dots past which the chara counts as gone off the far side, and
// within which it counts as gone off the near side.
constexpr int32_t kFarX = 608;
constexpr int32_t kFarY = 448;
constexpr int32_t kNear = 32;

struct cWish {
  bool bBack = false;     // towards the near side (left, up)
  bool bForward = false;  // towards the far side (right, down)
};

// One axis without auto-scroll: back when past the far side, forward when
// short of the near one.
double PlainAxis(const cWish& wish, int32_t low, int32_t high, int32_t far, double s) {
  if (wish.bBack) return low > far ? -s : 0;
  if (wish.bForward) return high < kNear ? s : 0;
  return 0;
}

// One axis while a scroll of speed a runs: the margins widen by |a + 1|,
// and the chara comes back only while the scroll still has room that way.
double ScrollingAxis(const cWish& wish, int32_t low, int32_t high, int32_t far, double s, const cScroll& axis) {
  const double a = axis.m_dAutoSpeed;
  const double m = std::fabs(a + 1);
  const double p = axis.m_dPos;
  const double last = axis.m_nMax - axis.m_nView;
  if (wish.bBack) return low > far - m && p > 0 && p + a <= last ? a - s : 0;
  if (wish.bForward) return high < m + kNear && p + a > 0 && p < last ? a + s : 0;
  return 0;
}

}  // namespace move_avoid_offscreen

void AvoidOffscreenVelocity(const cCharaBase& chara, cFlowCmdState& state) {
  using namespace move_avoid_offscreen;
  // "入力方向" is not resolved here: it asks for no direction.
  const int32_t code =
      state.m_byDir == kDirInput ? kDirInput : ResolveDirectionCode(state.m_byDir, chara.m_nFacing, 0, 1);
  cWish x, y;
  if (const MOVEDIRSTEP* step = FindMoveDirStep(code)) {
    x = {step->nX < 0, step->nX > 0};
    y = {step->nY < 0, step->nY > 0};
  }
  state.m_dVX = 0;
  state.m_dVY = 0;
  state.m_nFaceTo = kFaceKeep;
  const cScroll& ax = SceneScrollX();
  const cScroll& ay = SceneScrollY();
  const cScreenRect& rc = chara.m_rcScreen;
  const double s = state.m_dSpeed;
  // The horizontal scroll alone decides the rules of both axes.
  if (!ax.IsAutoScrolling()) {
    state.m_dVX = PlainAxis(x, rc.left, rc.right, kFarX, s);
    state.m_dVY = PlainAxis(y, rc.top, rc.bottom, kFarY, s);
    return;
  }
  state.m_dVX = ScrollingAxis(x, rc.left, rc.right, kFarX, s, ax);
  state.m_dVY = ScrollingAxis(y, rc.top, rc.bottom, kFarY, s, ay);
}
