#include <gtest/gtest.h>

#include "move_world.h"
#include "records/script/direction_codes.h"

namespace avoid_offscreen_test {

class AvoidOffscreenTest : public MoveWorld {};

TEST_F(AvoidOffscreenTest, ACharaOffTheScreenOnTheSideItWishesToLeaveComesBack) {
  // Views: 640 x 480 of a world scrolling to 2000 on both axes.
  struct Case {
    const char* name;
    int8_t direction;
    int32_t flying, facing;
    int32_t left, top;  // the 32 x 32 screen box
    double autoX = 0;
    int32_t clampedX = 0;
    double posX = 400;
    double autoY = 0;
    double vx, vy;
  } cases[] = {
      {"left wish past the right side", kDirLeft, 1, 0, 620, 100, 0, 0, 400, 0, -2, 0},
      {"left wish on screen", kDirLeft, 1, 0, 600, 100, 0, 0, 400, 0, 0, 0},
      {"right wish past the left side", kDirRight, 1, 0, -40, 100, 0, 0, 400, 0, 2, 0},
      {"前 of a chara facing right is a right wish", kDirFront, 1, 1, -40, 100, 0, 0, 400, 0, 2, 0},
      {"up-left past the bottom right", kDirUpLeft, 1, 0, 620, 460, 0, 0, 400, 0, -2, -2},
      {"down wish above the top", kDirDown, 1, 0, 100, -40, 0, 0, 400, 0, 0, 2},
      {"walking: never vertical", kDirUpLeft, 0, 0, 620, 460, 0, 0, 400, 0, -2, 0},
      {"入力方向 wishes nothing", kDirInput, 1, 0, 620, 460, 0, 0, 400, 0, 0, 0},
      {"only a vertical auto-scroll: the plain rules on both axes", kDirUpLeft, 1, 0, 607, 449, 0, 0, 400, 3, 0, -2},
      {"a clamped horizontal scroll: the plain rules", kDirUpLeft, 1, 0, 607, 449, 1, 1, 400, 0, 0, -2},
      {"horizontal auto-scroll: wider margins, carried along", kDirUpLeft, 1, 0, 607, 449, 1, 0, 400, 0, -1, -2},
      {"horizontal auto-scroll at its end: no way back", kDirUpLeft, 1, 0, 607, 449, 1, 0, 1360, 0, 0, -2},
      {"horizontal auto-scroll, right wish", kDirRight, 1, 0, -31, 100, 1, 0, 400, 0, 3, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cScroll& x = play_.m_ScrollX;
    cScroll& y = play_.m_ScrollY;
    x.m_dAutoSpeed = c.autoX;
    x.m_bClamped = c.clampedX;
    x.m_dPos = c.posX;
    x.m_nMax = y.m_nMax = 2000;
    x.m_nView = 640;
    y.m_nView = 480;
    y.m_dAutoSpeed = c.autoY;
    y.m_bClamped = 0;
    y.m_dPos = 100;
    NewMove(kFlowCmdAvoidMove);
    state_.m_byDir = static_cast<uint8_t>(c.direction);
    state_.m_dSpeed = 2;
    cChara& chara = Mover(10 + static_cast<int32_t>(&c - cases), c.flying, c.facing);
    chara.m_rcScreen = {c.left, c.top, c.left + 31, c.top + 31};
    Call(chara);
    EXPECT_DOUBLE_EQ(chara.m_dVX, c.vx);
    EXPECT_DOUBLE_EQ(chara.m_dVY, c.vy);
    EXPECT_EQ(state_.m_nCount, 1);
  }
}

}  // namespace avoid_offscreen_test
