// DDFade_UnPal (DirectDraw 16/32) and DDChangeColor (Direct3D), with each one's
// message in the other mode.
#include <gtest/gtest.h>

#include <string>

#include "core/log/ec_log.h"
#include "platform/dd/change_color.h"
#include "platform/dd/fade_unpal.h"
#include "platform/dd/screen_surfaces.h"
#include "support/temp_dir.h"
#include "tests/platform/dd/display_fixture.h"
#include "tests/platform/dd/effect_fixture.h"

namespace {

class FadeUnPalTest : public EffectPairTest {};

TEST_F(FadeUnPalTest, ThirtyTwoBitsMixesTheSourceWithTheColour) {
  Open({0, 32, 1}, {2, 2}, {2, 2});
  DDSURFACEDATA& src = src_;
  DDSURFACEDATA& dst = dst_;
  FillPixels(src, 0x00C86432);  // (200, 100, 50)
  struct Case {
    int32_t a;
    uint8_t r, g, b;
    uint32_t expected;
  };
  const Case cases[] = {
      {128, 0, 0, 0, 0xAB643219},      {256, 0, 0, 0, 0xABC86432},     {0, 10, 20, 30, 0xAB0A141E},
      {1000, 10, 20, 30, 0xABC86432},  {-7, 10, 20, 30, 0xAB0A141E},  // weights clamped to 0..256
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.a);
    FillPixels(dst, 0xAB000000);  // the fourth byte stays
    EXPECT_EQ(DDFade_UnPal(&dst, c.a, c.r, c.g, c.b, &src), 1);
    EXPECT_EQ(PixelAt(dst, 1, 1), c.expected);
  }
}

TEST_F(FadeUnPalTest, SixteenBitsMixesOnTheByteScale) {
  Open({0, 16, 0}, {1, 1}, {1, 1});
  DDSURFACEDATA& src = src_;
  DDSURFACEDATA& dst = dst_;
  FillPixels(src, 1u << 11 | 63u << 5 | 30u);
  EXPECT_EQ(DDFade_UnPal(&dst, 256, 0, 0, 0, &src), 1);
  // Both ways truncate: 1 of 31 becomes 8 on the byte scale and 0 back, 30
  // becomes 246 and 29; the maxima come back as they were.
  EXPECT_EQ(PixelAt(dst, 0, 0), 0u << 11 | 63u << 5 | 29u);
}

TEST_F(FadeUnPalTest, ASmallerSourceLeavesTheRestAlone) {
  Open({0, 32, 1}, {2, 3}, {4, 2});
  DDSURFACEDATA& src = src_;
  DDSURFACEDATA& dst = dst_;
  FillPixels(src, 0x00FFFFFF);
  FillPixels(dst, 0x00123456);
  EXPECT_EQ(DDFade_UnPal(&dst, 256, 0, 0, 0, &src), 1);
  for (int32_t y = 0; y < 2; ++y) {
    for (int32_t x = 0; x < 4; ++x) EXPECT_EQ(PixelAt(dst, x, y), x < 2 ? 0x00FFFFFFu : 0x00123456u) << x << "," << y;
  }
}

TEST_F(FadeUnPalTest, LockFailuresAndOtherDepths) {
  Open({0, 32, 1}, {2, 2}, {2, 2});
  DDSURFACEDATA unbacked;
  EXPECT_EQ(DDFade_UnPal(&dst_, 128, 0, 0, 0, &unbacked), 0);
  EXPECT_EQ(DDFade_UnPal(&unbacked, 128, 0, 0, 0, &dst_), 0);
  Open({0, 8, 0}, {2, 2}, {2, 2});
  FillPixels(src_, 9);
  FillPixels(dst_, 4);
  EXPECT_EQ(DDFade_UnPal(&dst_, 256, 0, 0, 0, &src_), 1);
  EXPECT_EQ(PixelAt(dst_, 0, 0), 4u);
}

TEST(ChangeColorTest, TintsTheBackBufferByAlpha) {
  ScopedDisplay display({1, 32, 0});
  ASSERT_TRUE(display.ok());
  struct Case {
    int32_t nAlpha;
    uint32_t expected;  // over (0, 100, 200) toward red
  };
  const Case cases[] = {{255, 0x0064C8}, {0, 0xFF0000}, {128, 0x7F3264}, {-9, 0xFF0000}, {999, 0x0064C8}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.nAlpha);
    FillPixels(g_SDBackBuffer, 0xFF0064C8);
    EXPECT_EQ(DDChangeColor(&g_SDBackBuffer, 0, 0, 640, 480, c.nAlpha, 255, 0, 0), 1);
    EXPECT_EQ(RgbAt(g_SDBackBuffer, 0, 0), c.expected);
    EXPECT_EQ(RgbAt(g_SDBackBuffer, 639, 479), c.expected);
  }
}

TEST(ChangeColorTest, OnlyTheRectangleIsTinted) {
  ScopedDisplay display({1, 32, 0});
  ASSERT_TRUE(display.ok());
  FillPixels(g_SDBackBuffer, 0xFF000000);
  DDChangeColor(&g_SDBackBuffer, 630, 470, 100, 100, 0, 0, 255, 0);
  EXPECT_EQ(RgbAt(g_SDBackBuffer, 629, 479), 0u);
  EXPECT_EQ(RgbAt(g_SDBackBuffer, 630, 470), 0x00FF00u);
  EXPECT_EQ(RgbAt(g_SDBackBuffer, 639, 479), 0x00FF00u);
}

// Each mode's function of the other mode only writes its message.
TEST(ColourEffectsTest, TheOtherModeWritesItsMessage) {
  TempDir dir;
  SetEcLog(1, dir.file("EC_Game.txt").c_str());
  {
    ScopedDisplay display({0, 32, 1});
    ASSERT_TRUE(display.ok());
    FillPixels(g_SDBackBuffer, 0x00010203);
    EXPECT_EQ(DDChangeColor(&g_SDBackBuffer, 0, 0, 640, 480, 0, 255, 0, 0), 1);
    EXPECT_EQ(PixelAt(g_SDBackBuffer, 0, 0), 0x00010203u);
  }
  {
    ScopedDisplay display({1, 32, 1});
    ASSERT_TRUE(display.ok());
    FillPixels(g_SDBackBuffer, 0xFF010203);
    EXPECT_EQ(DDFade_UnPal(&g_SDBackBuffer, 0, 0, 0, 0, &g_SDWork), 1);
    EXPECT_EQ(PixelAt(g_SDBackBuffer, 0, 0), 0xFF010203u);
  }
  SetEcLog(0, "");
  const std::string log = ReadFileBytes(dir.file("EC_Game.txt"));
  EXPECT_NE(log.find("DDrawでは DDChangeColor(DDSURFACEDATA *lpDstSD,int x,int y,int nWidth,int nHeight,int nAlpha,"
                     "BYTE bRed,BYTE bGreen,BYTE bBlue) は未対応\r\n"),
            std::string::npos);
  EXPECT_NE(log.find("D3DではDDFade_UnPalは未対応\r\n"), std::string::npos);
}

}  // namespace
