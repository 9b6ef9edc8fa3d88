// A camera axis: its limits, the clamp and the auto-scroll.
#include <gtest/gtest.h>

#include "object_world.h"

namespace {

class ScrollAxis : public ObjectWorld {};

TEST_F(ScrollAxis, LimitsFromColumns) {
  struct Case {
    const char* name;
    int32_t first, last, bFirst, bLast;
    int32_t min, max;
  };
  // Horizontal axis of a 30-block stage: margin 320, far limit 1280.
  const Case cases[] = {
      {"no limits", 3, 20, 0, 0, 320, 1280},
      {"both", 3, 20, 1, 1, 416, 992},
      {"first only", 3, 20, 1, 0, 416, 1280},
      {"last only", 3, 20, 0, 1, 320, 992},
      {"last before first: held at the minimum", 10, 2, 1, 1, 640, 640},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    X().SetLimits(c.first, c.last, c.bFirst, c.bLast);
    EXPECT_EQ(X().m_nMin, c.min);
    EXPECT_EQ(X().m_nMax, c.max);
  }
}

TEST_F(ScrollAxis, ClampHoldsTheViewInsideTheLimits) {
  X().SetLimits(3, 40, 1, 1);  // 416 .. 1632: wider than the view
  struct Case {
    const char* name;
    double pos, expectPos;
    int32_t clamped;
  };
  const Case cases[] = {
      {"inside", 500.5, 500.5, 0},
      {"below the minimum", 400, 416, 1},
      {"view end exactly at the maximum: clamped, not moved", 992, 992, 1},
      {"view end past the maximum", 1000.25, 992, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    X().m_dPos = c.pos;
    X().Clamp();
    EXPECT_EQ(X().m_dPos, c.expectPos);
    EXPECT_EQ(X().m_bClamped, c.clamped);
  }
  X().SetLimits(3, 10, 1, 1);  // 416 .. 672: narrower than the view
  X().m_dPos = 500;
  X().Clamp();
  EXPECT_EQ(X().m_dPos, 416);
  EXPECT_EQ(X().m_bClamped, 1);
}

TEST_F(ScrollAxis, AutoScrollSpreadsTenthsOverTheSubSteps) {
  SetLevel(4);
  EXPECT_EQ(X().SetAutoScroll(1, 6), 0);
  EXPECT_EQ(X().m_dAutoSpeed, 6 * 0.1 / 4);
  EXPECT_EQ(X().m_bAutoScroll, 1);
  X().m_dPos = 400;
  X().Advance();
  EXPECT_EQ(X().m_dPos, 400 + 6 * 0.1 / 4);
  EXPECT_TRUE(X().IsAutoScrolling());

  X().m_dPos = 1280 - 640 - 0.1;  // the next step reaches the far limit
  X().Advance();
  EXPECT_EQ(X().m_dPos, 640);
  EXPECT_FALSE(X().IsAutoScrolling());  // clamped

  X().SetAutoScroll(0, 6);
  EXPECT_EQ(X().m_dAutoSpeed, 0);
  EXPECT_EQ(X().m_bAutoScroll, 0);
}

}  // namespace
