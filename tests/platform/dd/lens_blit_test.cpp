#include "platform/dd/lens_blit.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/dd/palette.h"
#include "platform/dd/screen_surfaces.h"
#include "platform/dd/surface_create.h"
#include "tests/platform/dd/display_fixture.h"
#include "tests/platform/dd/effect_fixture.h"

namespace {

// Source pixel (x, y) of a 32-bit test source: opaque, its position in the colour.
uint32_t LensSourcePixel(int32_t x, int32_t y) {
  return 0xFF000000u | static_cast<uint32_t>(x) << 8 | static_cast<uint32_t>(y);
}

class LensBlitTest : public EffectPairTest {
 protected:
  void Open(const cDisplayMode& mode) {
    EffectPairTest::Open(mode, {32, 32, eEffectSurface::kSystemMemory}, {32, 32, eEffectSurface::kRenderTarget});
    for (int32_t y = 0; y < 32; ++y) {
      for (int32_t x = 0; x < 32; ++x) SetPixel(src_, x, y, LensSourcePixel(x, y));
    }
    FillPixels(dst_, kUntouched);
  }

  static constexpr uint32_t kUntouched = 0xFF777777;
};

TEST_F(LensBlitTest, BadArgumentsDrawNothing) {
  Open({0, 32, 1});
  EXPECT_FALSE(DDBltLens(&dst_, 16, 16, 0, 4, &src_, 16, 16, 0, 0));  // D = v
  EXPECT_FALSE(DDBltLens(&dst_, 16, 16, -1, 4, &src_, 16, 16, 0, 0));
  EXPECT_FALSE(DDBltLens(&dst_, 16, 16, 5, -1, &src_, 16, 16, 0, 0));
  EXPECT_EQ(PixelAt(dst_, 16, 16), kUntouched);
}

// Depth 0: everything inside the rim shows the centre; the rim shows itself.
TEST_F(LensBlitTest, DepthZeroShowsTheCentreInsideTheRim) {
  Open({0, 32, 1});
  ASSERT_TRUE(DDBltLens(&dst_, 16, 16, 5, 0, &src_, 16, 16, 0, 0));
  for (int32_t j = -6; j <= 6; ++j) {
    for (int32_t i = -6; i <= 6; ++i) {
      SCOPED_TRACE(testing::Message() << i << ", " << j);
      const int32_t n = i * i + j * j;
      const uint32_t expected = n > 25 ? kUntouched : n == 25 ? LensSourcePixel(16 + i, 16 + j) : LensSourcePixel(16, 16);
      EXPECT_EQ(PixelAt(dst_, 16 + i, 16 + j) | 0xFF000000u, expected);
    }
  }
}

TEST_F(LensBlitTest, MagnifiesTheMiddleAndMeetsTheRim) {
  Open({1, 32, 1});
  // r 8, v 6: D 10; offset (i, j) shows (i 6 / z, j 6 / z) rounded, z = sqrt(100 - n).
  ASSERT_TRUE(DDBltLens(&dst_, 16, 16, 8, 6, &src_, 10, 12, 0, 0));
  EXPECT_EQ(PixelAt(dst_, 16, 16), LensSourcePixel(10, 12));           // the centre
  EXPECT_EQ(PixelAt(dst_, 16 + 4, 16), LensSourcePixel(10 + 3, 12));  // 4 x 6 / sqrt(84) = 2.6
  EXPECT_EQ(PixelAt(dst_, 16 - 4, 16), LensSourcePixel(10 - 2, 12));  // -2.6 + 0.5 truncates to -2
  EXPECT_EQ(PixelAt(dst_, 16, 16 + 8), LensSourcePixel(10, 12 + 8));  // the rim: 8 x 6 / 6
  EXPECT_EQ(PixelAt(dst_, 16 + 6, 16 + 6), kUntouched);               // outside
}

TEST_F(LensBlitTest, ClearAtThirtyTwoBitDirect3DAndTheTransparentPixels) {
  Open({1, 32, 1});
  SetPixel(src_, 16, 16, 0x00123456);  // a keyed texel at the centre
  ASSERT_TRUE(DDBltLens(&dst_, 16, 16, 4, 0, &src_, 16, 16, 0, 1));
  EXPECT_EQ(PixelAt(dst_, 16, 16), 0u);          // keyed: cleared
  EXPECT_EQ(PixelAt(dst_, 16 + 4, 16 + 4), 0u);  // in the square, outside the circle
  EXPECT_EQ(PixelAt(dst_, 16 + 4, 16), LensSourcePixel(20, 16));
  EXPECT_EQ(PixelAt(dst_, 16 + 5, 16), kUntouched);  // outside the square
  // Without clear the keyed texel is only left out.
  FillPixels(dst_, kUntouched);
  ASSERT_TRUE(DDBltLens(&dst_, 16, 16, 4, 0, &src_, 16, 16, 0, 0));
  EXPECT_EQ(PixelAt(dst_, 16, 16), kUntouched);
  EXPECT_EQ(PixelAt(dst_, 16 + 4, 16 + 4), kUntouched);
}

TEST_F(LensBlitTest, DirectDrawLeavesOutTheColourKeyWhateverTheFlags) {
  Open({0, 32, 1});
  g_dwColorKey = LensSourcePixel(16, 16) & 0xFFFFFFu;
  for (int32_t y = 0; y < 32; ++y) {
    for (int32_t x = 0; x < 32; ++x) SetPixel(src_, x, y, LensSourcePixel(x, y) & 0xFFFFFFu);
  }
  ASSERT_TRUE(DDBltLens(&dst_, 16, 16, 3, 0, &src_, 16, 16, 0, 1));
  EXPECT_EQ(PixelAt(dst_, 16, 16), kUntouched);
  EXPECT_EQ(PixelAt(dst_, 16 + 3, 16), LensSourcePixel(19, 16) & 0xFFFFFFu);
}

// A radius from data costs no more than the destination.
TEST_F(LensBlitTest, AHugeRadiusFinishesWithinTheSurface) {
  Open({0, 32, 1});
  ASSERT_TRUE(DDBltLens(&dst_, 16, 16, 1 << 30, 1, &src_, 16, 16, 0, 0));
  EXPECT_EQ(PixelAt(dst_, 0, 0) | 0xFF000000u, LensSourcePixel(16, 16));
  EXPECT_EQ(PixelAt(dst_, 31, 31) | 0xFF000000u, LensSourcePixel(16, 16));
}

TEST_F(LensBlitTest, SixteenBitFullScreenBackBufferTakesItsLayout) {
  Open({1, 16, 0});
  DDReleaseSurface(&src_);
  MakeEffectSurface(src_, 4, 4, eEffectSurface::kSystemMemory);
  FillPixels(src_, 0x8000u | 31u << 10 | 16u << 5 | 1u);
  SetPixel(src_, 2, 2, 0x1000);  // keyed: left out with flags 1
  FillPixels(g_SDBackBuffer, 0x1234);
  ASSERT_TRUE(DDBltLens(&g_SDBackBuffer, 2, 2, 1, 0, &src_, 2, 2, 1, 0));
  EXPECT_EQ(PixelAt(g_SDBackBuffer, 2, 2), 0x1234u);
  EXPECT_EQ(PixelAt(g_SDBackBuffer, 3, 2), 31u << 11 | 32u << 5 | 1u);
}

}  // namespace
