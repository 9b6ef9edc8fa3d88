// The clamps of a moving object against the camera limits, the stage area and
// the whole extent, with the edge codes the movement reacts to.
#include <gtest/gtest.h>

#include "object_world.h"

namespace {

struct ClampCase {
  const char* name;
  int32_t mode;
  double pos;         // x or y before
  int32_t size;       // width or height
  double expectPos;
  int32_t expectCode;
};

class GameObjectClamp : public ObjectWorld {};

// Extent 1600 wide, stage area 320..1280, limits 416..1184 for these cases.
TEST_F(GameObjectClamp, HorizontalModes) {
  X().SetLimits(3, 26, 1, 1);  // min 416, max 1184
  const ClampCase cases[] = {
      {"mode 2 left of the extent", 2, -5, 32, 0, kEdgePushedBack},
      {"mode 2 right end past the extent", 2, 1590, 32, 1568, kEdgePushedBack},
      {"mode 2 last dot inside the extent", 2, 1568, 32, 1568, kEdgeMargin},
      {"mode 2 left side margin", 2, 100, 32, 100, kEdgeMargin},
      {"mode 2 right side margin", 2, 1250, 32, 1250, kEdgeMargin},
      {"mode 2 left of the scroll limit", 2, 400, 32, 400, kEdgeOutsideLimits},
      {"mode 2 right of the scroll limit", 2, 1160, 32, 1160, kEdgeOutsideLimits},
      {"mode 2 inside the limits", 2, 600, 32, 600, kEdgeInside},
      {"mode 0 left of the limit", 0, 400, 32, 416, kEdgeInside},
      {"mode 0 right of the limit", 0, 1160, 32, 1152, kEdgeInside},
      {"mode 1 in the margin", 1, 100, 32, 320, kEdgeInside},
      {"mode 1 past the stage end", 1, 1270, 32, 1248, kEdgeInside},
      {"mode 1 left of the scroll limit", 1, 400, 32, 400, kEdgeOutsideLimits},
      {"mode 9 changes nothing", 9, -5, 32, -5, kEdgeInside},
  };
  for (const ClampCase& c : cases) {
    SCOPED_TRACE(c.name);
    cGameObject object = Object(c.pos, 600, c.size);
    EXPECT_EQ(object.ClampXMode(c.mode), c.expectCode);
    EXPECT_EQ(object.m_dX, c.expectPos);
    EXPECT_EQ(object.m_dRight, c.expectPos + c.size - 1);
    EXPECT_EQ(object.m_nCellLeft, TruncToInt(c.expectPos) >> 5);
    EXPECT_EQ(object.m_nCellRight, TruncToInt(c.expectPos + c.size - 1) >> 5);
  }
}

// Extent 1280 tall, stage area 320..960, limits 416..672 for these cases.
TEST_F(GameObjectClamp, VerticalModes) {
  Y().SetLimits(3, 10, 1, 1);  // min 416, max 672
  const ClampCase cases[] = {
      {"mode 2 above the extent", 2, -5, 32, 0, kEdgePushedBack},
      {"mode 2 past the bottom end", 2, 1270, 32, 1248, kEdgePushedBackBottom},
      {"mode 2 320 tall above the extent stays", 2, -5, 320, -5, kEdgeInside},
      {"mode 2 320 tall past the bottom stays", 2, 1000, 320, 1000, kEdgeInside},
      {"mode 2 319 tall past the bottom is pushed", 2, 1000, 319, 961, kEdgePushedBackBottom},
      {"mode 2 top margin", 2, 100, 32, 100, kEdgeMargin},
      {"mode 2 into the bottom margin", 2, 940, 32, 940, kEdgeBottomMargin},
      {"mode 2 above the scroll limit", 2, 400, 32, 400, kEdgeOutsideLimits},
      {"mode 2 below the scroll limit", 2, 650, 32, 650, kEdgeBelowLimits},
      {"mode 2 inside", 2, 500, 32, 500, kEdgeInside},
      {"mode 0 above the limit", 0, 400, 32, 416, kEdgeInside},
      {"mode 0 below the limit", 0, 660, 32, 640, kEdgeInside},
      {"mode 1 in the top margin", 1, 100, 32, 320, kEdgeInside},
      {"mode 1 past the stage end", 1, 950, 32, 928, kEdgeInside},
      {"mode 1 above the scroll limit", 1, 400, 32, 400, kEdgeOutsideLimits},
      {"mode 1 below the scroll limit", 1, 650, 32, 650, kEdgeBelowLimits},
      {"mode 9 changes nothing", 9, 1270, 32, 1270, kEdgeInside},
  };
  for (const ClampCase& c : cases) {
    SCOPED_TRACE(c.name);
    cGameObject object = Object(600, c.pos, 32, c.size);
    EXPECT_EQ(object.ClampYMode(c.mode), c.expectCode);
    EXPECT_EQ(object.m_dY, c.expectPos);
    EXPECT_EQ(object.m_dBottom, c.expectPos + c.size - 1);
    EXPECT_EQ(object.m_nCellTop, TruncToInt(c.expectPos) >> 5);
    EXPECT_EQ(object.m_nCellBottom, TruncToInt(c.expectPos + c.size - 1) >> 5);
  }
}

// The box updates are virtual: a chara's hit boxes follow every clamp.
TEST_F(GameObjectClamp, CallsTheBoxUpdatesAfterTheEdges) {
  struct cBoxWatcher : cGameObject {
    double seenRight = 0, seenBottom = 0;
    void UpdateBoxX() override { seenRight = m_dRight; }
    void UpdateBoxY() override { seenBottom = m_dBottom; }
  };
  cBoxWatcher object = Object<cBoxWatcher>(-5, 1270);
  object.ClampXMode(2);
  object.ClampYMode(2);
  EXPECT_EQ(object.seenRight, 31);
  EXPECT_EQ(object.seenBottom, 1279);
}

}  // namespace
