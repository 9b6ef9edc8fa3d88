#include "platform/dd/circle_blit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/dd/blit.h"
#include "platform/dd/fill.h"
#include "platform/dd/surface_data.h"
#include "tests/platform/dd/display_fixture.h"

namespace {

class CircleBlitTest : public GroundedDisplayTest {
 protected:
  // A 40 x 40 source in colour 'a' and a 40 x 40 ground to draw on.
  void SetUp() override {
    GroundedDisplayTest::SetUp();
    Make(src_, 40, 40);
    DDFillSurface(&src_, kFirstColour);
    Make(dst_, 40, 40);
  }
  // Row y of the destination as its first drawn column and width (-1, 0 when empty).
  std::pair<int32_t, int32_t> Span(int32_t y) {
    int32_t first = -1, width = 0;
    for (int32_t x = 0; x < 40; ++x) {
      if (PixelAt(dst_, x, y) == kGround) continue;
      if (first < 0) first = x;
      ++width;
    }
    return {first, width};
  }

  DDSURFACEDATA src_, dst_;
};

TEST_F(CircleBlitTest, SingleRowsFollowTheCircle) {
  DDBltCircle(&dst_, 20, 20, 100, 100, 10, 1, &src_, 20, 20, 0);
  for (int32_t y = 0; y < 40; ++y) {
    SCOPED_TRACE(y);
    const int32_t i = y - 20;
    if (i < -9 || i > 9) {
      EXPECT_EQ(Span(y).second, 0);  // the row at cy - 10 has half-width 0
      continue;
    }
    const auto k = std::min(static_cast<int32_t>(std::floor(std::sqrt(100.0 - i * i))), 9);
    EXPECT_EQ(Span(y), std::make_pair(20 - k, 2 * k));
  }
  EXPECT_EQ(Span(20), std::make_pair(11, 18));
}

TEST_F(CircleBlitTest, ExtentsCutRowsAndColumns) {
  DDBltCircle(&dst_, 20, 20, 5, 3, 10, 1, &src_, 20, 20, 0);
  for (int32_t y = 0; y < 40; ++y) {
    SCOPED_TRACE(y);
    const bool drawn = y >= 17 && y <= 22;  // cy - 3 .. cy + 2
    // Source columns [15, 25): the left edge moves right, the right edge is cut.
    EXPECT_EQ(Span(y), drawn ? std::make_pair(15, 10) : std::make_pair(-1, 0));
  }
}

TEST_F(CircleBlitTest, BandsTakeTheirMiddleRowsWidth) {
  DDBltCircle(&dst_, 20, 20, 100, 100, 10, 4, &src_, 20, 20, 0);
  // Bands start at 6, 2, -2, -6, -10; half-widths at rows 8, 4, 0, -4, -8.
  const int32_t half[5] = {6, 9, 9, 9, 6};
  const int32_t starts[5] = {6, 2, -2, -6, -10};
  for (int32_t band = 0; band < 5; ++band) {
    for (int32_t row = 0; row < 4; ++row) {
      const int32_t y = 20 + starts[band] + row;
      EXPECT_EQ(Span(y), std::make_pair(20 - half[band], 2 * half[band])) << y;
    }
  }
  EXPECT_EQ(Span(9).second, 0);
  EXPECT_EQ(Span(30).second, 0);
}

// The plain walk: every band from r - b down, one blit each, nothing skipped.
void ReferenceCircle(DDSURFACEDATA* dst, int32_t cx, int32_t cy, int32_t ex, int32_t ey, int64_t r, int32_t b,
                     DDSURFACEDATA* src, int32_t scx, int32_t scy) {
  const int64_t left = std::max(scx - ex, 0), right = std::min(scx + ex, src->nWidth);
  for (int64_t h = r - b; h >= -r; h -= b) {
    if (h >= ey) continue;
    if (h + b <= -ey) break;
    if (h + b > ey) h = ey - b;
    if (h < -ey) h = -ey;
    const int64_t m = h + (b >> 1);
    auto k = static_cast<int64_t>(std::floor(std::sqrt(static_cast<double>(r * r - m * m))));
    if (k >= r) k = r - 1;
    int64_t xs = scx - k, xd = cx - k, width = 2 * k;
    if (xs < left) {
      xd += left - xs;
      width -= left - xs;
      xs = left;
    }
    if (xs + width >= right) width = right - xs;
    if (width > 0) {
      DDBlt(dst, static_cast<int32_t>(xd), static_cast<int32_t>(cy + h), static_cast<int32_t>(width), b, src,
            static_cast<int32_t>(xs), static_cast<int32_t>(scy + h), 0);
    }
  }
}

// Bands outside the surfaces are skipped without changing what is drawn.
TEST_F(CircleBlitTest, SkippingInvisibleBandsDrawsWhatTheWholeWalkDraws) {
  struct Case {
    int32_t cy, ey, r, b, scy;
  };
  const Case cases[] = {
      {20, 100, 15, 1, 20},  {60, 100, 50, 3, 60},  {-30, 100, 50, 4, -30}, {20, 17, 25, 5, 20},
      {5, 12, 30, 7, 35},    {45, 30, 33, 6, 10},   {20, 3, 40, 9, 20},     {70, 60, 60, 8, 70},
  };
  DDSURFACEDATA expected;
  Make(expected, 40, 40);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "cy " << c.cy << " ey " << c.ey << " r " << c.r << " b " << c.b);
    DDFillSurface(&dst_, kGround);
    DDFillSurface(&expected, kGround);
    DDBltCircle(&dst_, 20, c.cy, 100, c.ey, c.r, c.b, &src_, 20, c.scy, 0);
    ReferenceCircle(&expected, 20, c.cy, 100, c.ey, c.r, c.b, &src_, 20, c.scy);
    EXPECT_EQ(IndexPicture(dst_, 40, 40), IndexPicture(expected, 40, 40));
  }
}

TEST_F(CircleBlitTest, AHugeRadiusDrawsTheExtentsAtOnce) {
  for (int32_t b : {1, 5}) {
    SCOPED_TRACE(b);
    DDFillSurface(&dst_, kGround);
    DDBltCircle(&dst_, 20, 20, 8, 6, 1 << 30, b, &src_, 20, 20, 0);
    for (int32_t y = 0; y < 40; ++y) {
      const bool drawn = y >= 14 && y <= 25;
      EXPECT_EQ(Span(y), drawn ? std::make_pair(12, 16) : std::make_pair(-1, 0)) << y;
    }
  }
}

TEST_F(CircleBlitTest, RadiusOrBandBelowOneDrawsNothing) {
  DDBltCircle(&dst_, 20, 20, 100, 100, 0, 1, &src_, 20, 20, 0);
  DDBltCircle(&dst_, 20, 20, 100, 100, 10, 0, &src_, 20, 20, 0);
  DDBltCircle(&dst_, 20, 20, 100, 100, 10, -2, &src_, 20, 20, 0);
  for (int32_t y = 0; y < 40; ++y) EXPECT_EQ(Span(y).second, 0) << y;
}

}  // namespace
