// Where an object lands on the screen, and the screen, stage and erase-area
// tests of the play step.
#include <gtest/gtest.h>

#include "object_world.h"

namespace {

class GameObjectScreen : public ObjectWorld {
 protected:
  // An object whose graphic stands 4 dots left of and 8 above its body.
  cGameObject Drawn(double x, double y, int32_t flyMode, int32_t follow) {
    cGameObject object = Object(x, y, 32, 32, flyMode);
    object.m_nGraphicOffsetX = 4;
    object.m_nGraphicOffsetY = 8;
    object.m_nGraphicW = 40;
    object.m_nGraphicH = 48;
    object.m_bFollowScroll = follow;
    return object;
  }
};

TEST_F(GameObjectScreen, RectangleByFlyingAndAutoScroll) {
  X().m_dPos = 100.5;
  Y().m_dPos = 300.2;
  struct Case {
    const char* name;
    int32_t flyMode, follow;
    double autoX, autoY;
    int32_t left, top;
  };
  // Body at (500.2, 500.7): x - sx is 399.7 while x - trunc(sx) is 400.2.
  const Case cases[] = {
      {"walking", 0, 0, 0, 0, 396, 192},
      {"walking under auto-scroll", 0, 1, 0.5, 0.5, 396, 192},
      {"flying, still camera", 1, 0, 0, 0, 396, 192},
      {"flying, horizontal auto-scroll, not following", 1, 0, 0.5, 0, 396, 192},
      {"flying, horizontal auto-scroll, following", 1, 1, 0.5, 0, 395, 192},
      {"flying, vertical auto-scroll: one dot lower", 1, 0, 0, 0.5, 396, 193},
      {"flying, vertical auto-scroll, following: also lower", 1, 1, 0, 0.5, 396, 193},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    X().m_dAutoSpeed = c.autoX;
    Y().m_dAutoSpeed = c.autoY;
    cGameObject object = Drawn(500.2, 500.7, c.flyMode, c.follow);
    object.UpdateScreenRect();
    EXPECT_EQ(object.m_rcScreen.left, c.left);
    EXPECT_EQ(object.m_rcScreen.top, c.top);
    EXPECT_EQ(object.m_rcScreen.right, c.left + 39);
    EXPECT_EQ(object.m_rcScreen.bottom, c.top + 47);
  }
}

// A clamped axis is not auto-scrolling, whatever its speed.
TEST_F(GameObjectScreen, ClampedAxisCountsAsStill) {
  Y().m_dPos = 300.2;
  Y().m_dAutoSpeed = 0.5;
  Y().m_bClamped = 1;
  cGameObject object = Drawn(500, 500.7, 1, 0);
  object.UpdateScreenRect();
  EXPECT_EQ(object.m_rcScreen.top, 192);
}

TEST_F(GameObjectScreen, OnScreenByAxes) {
  // View 320..960 x 320..800.
  struct Case {
    const char* name;
    double x, y;
    int32_t ignoreX, ignoreY, expect;
  };
  const Case cases[] = {
      {"inside", 400, 400, 0, 0, 1},
      {"right edge touches the view's left", 289, 400, 0, 0, 1},
      {"one dot left of the view", 288, 400, 0, 0, 0},
      {"at the view's right end", 960, 400, 0, 0, 0},
      {"below the view", 400, 800, 0, 0, 0},
      {"below the view, y ignored", 400, 800, 0, 1, 1},
      {"left of the view, x ignored", 0, 400, 1, 0, 1},
      {"far away, both ignored", 0, 0, 1, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cGameObject object = Object(c.x, c.y);
    EXPECT_EQ(object.IsOnScreenAxes(c.ignoreX, c.ignoreY), c.expect);
    if (c.ignoreX == 0 && c.ignoreY == 0) {
      EXPECT_EQ(object.IsOnScreen(), c.expect);
    }
  }
}

TEST_F(GameObjectScreen, InsideStageAtEachEdge) {
  // Extent 1600 x 1280; stage area 320..1280 x 320..960; 32 x 32 bodies.
  struct Case {
    const char* name;
    double x, y;
    int32_t withMargins, expect;
  };
  const Case cases[] = {
      {"extent: left edge", 0, 500, 1, 1},       {"extent: past the left", -0.5, 500, 1, 0},
      {"extent: right edge", 1568, 500, 1, 1},   {"extent: past the right", 1569, 500, 1, 0},
      {"extent: top edge", 500, 0, 1, 1},        {"extent: past the top", 500, -1, 1, 0},
      {"extent: bottom edge", 500, 1248, 1, 1},  {"extent: past the bottom", 500, 1249, 1, 0},
      {"stage: left edge", 320, 500, 0, 1},      {"stage: in the left margin", 319, 500, 0, 0},
      {"stage: right edge", 1248, 500, 0, 1},    {"stage: in the right margin", 1249, 500, 0, 0},
      {"stage: top edge", 500, 320, 0, 1},       {"stage: in the top margin", 500, 319.5, 0, 0},
      {"stage: bottom edge", 500, 928, 0, 1},    {"stage: in the bottom margin", 500, 929, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Object(c.x, c.y).IsInsideStage(c.withMargins), c.expect);
  }
}

TEST_F(GameObjectScreen, EraseAreaSides) {
  // View at (320, 320); margins of 2 blocks (64 dots) on the switched sides.
  struct Case {
    const char* name;
    int32_t left, right, top, bottom;
    double x, y;
    int32_t onScreen, expect;
  };
  const Case cases[] = {
      {"on screen though outside the stage", 0, 0, 0, 0, -40, -40, 1, 0},
      {"off screen outside the extent", 0, 0, 0, 0, -40, 500, 0, 1},
      {"left: right edge at sx - 64", 1, 0, 0, 0, 225, 500, 0, 1},
      {"left: one dot inside", 1, 0, 0, 0, 226, 500, 0, 0},
      {"left switch off", 0, 0, 0, 0, 100, 500, 0, 0},
      {"right: at sx + 64 + 640", 0, 1, 0, 0, 1024, 500, 0, 1},
      {"right: one dot inside", 0, 1, 0, 0, 1023, 500, 0, 0},
      {"top: bottom at sy - 64", 0, 0, 1, 0, 500, 225, 0, 1},
      {"top: one dot inside", 0, 0, 1, 0, 500, 226, 0, 0},
      {"bottom: at sy + 64 + 480", 0, 0, 0, 1, 500, 864, 0, 1},
      {"bottom: one dot inside", 0, 0, 0, 1, 500, 863, 0, 0},
      {"at the extent's left end", 0, 0, 0, 0, 0, 500, 0, 1},
      {"at the extent's right end", 0, 0, 0, 0, 1568, 500, 0, 1},
      {"at the extent's bottom end", 0, 0, 0, 0, 500, 1248, 0, 1},
      {"one dot above the extent's bottom end", 0, 0, 0, 0, 500, 1247, 0, 0},
      {"inside everything", 0, 0, 0, 0, 1300, 500, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cEraseArea area;
    area.m_bLeft = c.left;
    area.m_bRight = c.right;
    area.m_bTop = c.top;
    area.m_bBottom = c.bottom;
    area.m_nLeft = area.m_nRight = area.m_nTop = area.m_nBottom = 2;
    cGameObject object = Object(c.x, c.y);
    object.m_bOnScreen = c.onScreen;
    EXPECT_EQ(object.IsOutsideEraseArea(area), c.expect);
  }
}

}  // namespace
