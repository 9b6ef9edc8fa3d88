#include "platform/dd/blur_filter.h"

#include <gtest/gtest.h>

#include <string>

#include "core/log/ec_log.h"
#include "platform/dd/palette.h"
#include "platform/dd/screen_surfaces.h"
#include "support/temp_dir.h"
#include "tests/platform/dd/display_fixture.h"
#include "tests/platform/dd/effect_fixture.h"

namespace {

class BlurFilterTest : public EffectPairTest {
 protected:
  void Open(const cDisplayMode& mode, int32_t w, int32_t h) {
    EffectPairTest::Open(mode, {w, h}, {w, h});
    FillPixels(dst_, kUntouched);
  }

  static constexpr uint32_t kUntouched = 0xFF0A0B0C;
};

// Radius 1: the pixel, its left neighbour, the one above and the one above-left.
TEST_F(BlurFilterTest, RadiusOneAveragesTheTwoByTwoWindowUpAndLeft) {
  Open({0, 32, 1}, 2, 2);
  SetPixel(src_, 0, 0, 0x00100000);
  SetPixel(src_, 1, 0, 0x00200000);
  SetPixel(src_, 0, 1, 0x00300000);
  SetPixel(src_, 1, 1, 0x00410000);
  ASSERT_TRUE(DDBlur(&dst_, 0, 0, 2, 2, 1, 1, &src_, 0, 0, 0));
  EXPECT_EQ(PixelAt(dst_, 0, 0), 0xFF100000u);  // the corner: only itself; the fourth byte kept
  EXPECT_EQ(PixelAt(dst_, 1, 0), 0xFF180000u);
  EXPECT_EQ(PixelAt(dst_, 0, 1), 0xFF200000u);
  EXPECT_EQ(PixelAt(dst_, 1, 1), 0xFF280000u);  // (16 + 32 + 48 + 65) / 4 = 40
}

// The window-by-window average, as the definition reads.
uint32_t ReferenceBlur(DDSURFACEDATA& src, int32_t i, int32_t j, int32_t w, int32_t h, int32_t r, bool trans,
                       uint32_t key, uint32_t old) {
  if (trans && PixelAt(src, i, j) == key) return old;
  uint64_t sum[3] = {}, n = 0;
  for (int32_t y = std::max(0, j - r); y < std::min(h, j + r); ++y) {
    for (int32_t x = std::max(0, i - r); x < std::min(w, i + r); ++x) {
      const uint32_t p = PixelAt(src, x, y);
      if (trans && p == key) continue;
      sum[0] += (p >> 16) & 0xFF, sum[1] += (p >> 8) & 0xFF, sum[2] += p & 0xFF;
      ++n;
    }
  }
  if (n == 0) return old;
  return (old & 0xFF000000u) | static_cast<uint32_t>(sum[0] / n) << 16 | static_cast<uint32_t>(sum[1] / n) << 8 |
         static_cast<uint32_t>(sum[2] / n);
}

TEST_F(BlurFilterTest, RadiusSevenWithTransparencyMatchesTheWindowByWindowAverage) {
  constexpr int32_t kW = 24, kH = 16;
  Open({0, 32, 1}, kW, kH);
  g_dwColorKey = 0x00FF00FF;
  uint32_t seed = 12345;
  for (int32_t y = 0; y < kH; ++y) {
    for (int32_t x = 0; x < kW; ++x) {
      seed = seed * 1103515245u + 12345u;
      const bool keyed = (seed >> 28) < 4 || (x > 15 && y > 9);  // a transparent corner as well
      SetPixel(src_, x, y, keyed ? g_dwColorKey : (seed >> 8) & 0xFFFFFF);
    }
  }
  ASSERT_TRUE(DDBlur(&dst_, 0, 0, kW, kH, 7, 7, &src_, 0, 0, 1));
  for (int32_t y = 0; y < kH; ++y) {
    for (int32_t x = 0; x < kW; ++x) {
      EXPECT_EQ(PixelAt(dst_, x, y), ReferenceBlur(src_, x, y, kW, kH, 7, true, g_dwColorKey, kUntouched))
          << x << "," << y;
    }
  }
}

// The same average whatever the radii; different radii per axis.
TEST_F(BlurFilterTest, SeparateRadiiAndABoxCutByTheDestination) {
  Open({1, 32, 1}, 8, 8);
  for (int32_t y = 0; y < 8; ++y) {
    for (int32_t x = 0; x < 8; ++x) SetPixel(src_, x, y, 0xFF000000u | static_cast<uint32_t>(8 * x) << 8 | (8 * y));
  }
  // Box 8 x 8 drawn 3 right and 2 down: the destination cuts its last columns and rows.
  ASSERT_TRUE(DDBlur(&dst_, 3, 2, 8, 8, 2, 1, &src_, 0, 0, 0));
  // Destination (3 + i, 2 + j): columns i - 2 .. i + 1, rows j - 1 .. j.
  EXPECT_EQ(PixelAt(dst_, 3, 2), 0xFF000000u | 4u << 8 | 0u);   // columns 0, 1; row 0
  EXPECT_EQ(PixelAt(dst_, 5, 4), 0xFF000000u | 12u << 8 | 12u);  // columns 0..3; rows 1, 2
  EXPECT_EQ(PixelAt(dst_, 2, 2), kUntouched);
  EXPECT_EQ(PixelAt(dst_, 3, 1), kUntouched);
}

TEST_F(BlurFilterTest, SixteenBitFullScreenBackBufferDoublesGreen) {
  Open({1, 16, 0}, 2, 1);
  FillPixels(src_, 0x8000u | 3u << 10 | 7u << 5 | 9u);
  ASSERT_TRUE(DDBlur(&g_SDBackBuffer, 0, 0, 2, 1, 1, 1, &src_, 0, 0, 1));
  EXPECT_EQ(PixelAt(g_SDBackBuffer, 1, 0), 3u << 11 | 14u << 5 | 9u);
}

TEST_F(BlurFilterTest, NothingToDo) {
  TempDir dir;
  SetEcLog(1, dir.file("EC_Game.txt").c_str());
  {
    Open({0, 8, 0}, 2, 2);
    FillPixels(src_, 9);
    FillPixels(dst_, 4);
    EXPECT_TRUE(DDBlur(&dst_, 0, 0, 2, 2, 1, 1, &src_, 0, 0, 0));
    EXPECT_EQ(PixelAt(dst_, 1, 1), 4u);
    Close();
  }
  SetEcLog(0, "");
  EXPECT_NE(ReadFileBytes(dir.file("EC_Game.txt")).find("8ビットぼかしは不可能！"), std::string::npos);
  Open({0, 32, 1}, 2, 2);
  FillPixels(src_, 0x00FFFFFF);
  EXPECT_TRUE(DDBlur(&dst_, 0, 0, 2, 2, 0, 3, &src_, 0, 0, 0));
  EXPECT_TRUE(DDBlur(&dst_, 0, 0, 2, 2, 3, -1, &src_, 0, 0, 0));
  EXPECT_EQ(PixelAt(dst_, 1, 1), kUntouched);
  DDSURFACEDATA unbacked;
  EXPECT_FALSE(DDBlur(&dst_, 0, 0, 2, 2, 1, 1, &unbacked, 0, 0, 0));
}

// A box reaching past the source reads only the source's own pixels.
TEST_F(BlurFilterTest, PixelsOutsideTheSourceDoNotCount) {
  Open({0, 32, 1}, 4, 4);
  FillPixels(src_, 0x00404040);
  ASSERT_TRUE(DDBlur(&dst_, 0, 0, 4, 4, 2, 2, &src_, 2, 2, 0));
  EXPECT_EQ(PixelAt(dst_, 1, 1), 0xFF404040u);
  EXPECT_EQ(PixelAt(dst_, 3, 3), 0xFF404040u);  // its window holds source pixels only at (2..3, 2..3)
}

}  // namespace
