#include "platform/dd/translucent_blit.h"

#include <gtest/gtest.h>

#include "platform/dd/blend_table.h"
#include "platform/dd/display_state.h"
#include "platform/dd/palette.h"
#include "platform/dd/screen_surfaces.h"
#include "tests/platform/dd/display_fixture.h"
#include "tests/platform/dd/effect_fixture.h"

namespace {

// A table whose entries show which pair they mixed: [d x 256 + s] = d + 3 s.
void FillPairTable() {
  for (uint32_t i = 0; i < kBlendTableSize; ++i) g_BlendTable[i] = static_cast<uint8_t>((i >> 8) + 3 * (i & 0xFF));
}

class TranslucentBlitTest : public EffectPairTest {};

TEST_F(TranslucentBlitTest, DirectDrawSixteenBitsMixesOnTheByteScale) {
  Open({0, 16, 0}, {2, 1}, {2, 1});
  DDSURFACEDATA& src = src_;
  DDSURFACEDATA& dst = dst_;
  g_dwColorKey = 0xF81F;
  FillPixels(src, 0xFFFF);                 // (31, 63, 31)
  FillPixels(dst, 1u << 11 | 1u << 5 | 1);  // (1, 1, 1)
  SetPixel(dst, 1, 0, 0xF81F);             // the transparent colour takes the source
  DDBltTranslucent(&dst, 0, 0, 2, 1, &src, 0, 0, 1, g_BlendTable.data(), 0);
  EXPECT_EQ(PixelAt(dst, 0, 0), 15u << 11 | 31u << 5 | 15u);
  EXPECT_EQ(PixelAt(dst, 1, 0), 0xFFFFu);
}

TEST_F(TranslucentBlitTest, DirectDrawEightBitsMixesThroughTheTable) {
  Open({0, 8, 0}, {3, 1}, {3, 1});
  FillPairTable();
  DDSURFACEDATA& src = src_;
  DDSURFACEDATA& dst = dst_;
  SetPixel(src, 0, 0, 10), SetPixel(src, 1, 0, 10), SetPixel(src, 2, 0, 0);
  SetPixel(dst, 0, 0, 20), SetPixel(dst, 1, 0, 0), SetPixel(dst, 2, 0, 20);
  DDBltHalfTranslucent(&dst, 0, 0, 3, 1, &src, 0, 0, 1, g_BlendTable.data());
  EXPECT_EQ(PixelAt(dst, 0, 0), 50u);  // 20 + 3 x 10
  EXPECT_EQ(PixelAt(dst, 1, 0), 10u);  // index 0 takes the source unmixed
  EXPECT_EQ(PixelAt(dst, 2, 0), 20u);  // a transparent source pixel is left out
}

// Every CPU path mixes half and half, whatever t; the quad path honours t.
TEST(TranslucentBlitModesTest, HalfAndHalfOnTheCpuPathsAndByStrengthOnTheQuad) {
  struct Case {
    const char* what;
    cDisplayMode mode;
    eEffectSurface source;
    int32_t t;
    uint32_t expected;  // (200, 100, 50) over (0, 50, 100)
  };
  const Case cases[] = {
      {"DirectDraw 32", {0, 32, 1}, eEffectSurface::kRenderTarget, 0, 0x644B4B},
      {"DirectDraw 32, t ignored", {0, 32, 1}, eEffectSurface::kRenderTarget, 200, 0x644B4B},
      {"Direct3D 32 CPU", {1, 32, 1}, eEffectSurface::kSystemMemory, 0, 0x644B4B},
      {"Direct3D 32 quad t 0: opaque", {1, 32, 1}, eEffectSurface::kRenderTarget, 0, 0xC86432},
      {"Direct3D 32 quad t 255: clear", {1, 32, 1}, eEffectSurface::kRenderTarget, 255, 0x003264},
      {"Direct3D 32 quad t 128", {1, 32, 1}, eEffectSurface::kRenderTarget, 128, 0x644B4B},
      {"Direct3D 32 quad t clamped", {1, 32, 1}, eEffectSurface::kRenderTarget, -40, 0xC86432},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScopedDisplay display(c.mode);
    ASSERT_TRUE(display.ok());
    DDSURFACEDATA src, dst;
    MakeEffectSurface(src, 4, 4, c.source);
    MakeEffectSurface(dst, 4, 4);
    FillPixels(src, 0xFFC86432);
    FillPixels(dst, 0xFF003264);
    EXPECT_TRUE(DDBltTranslucent(&dst, 0, 0, 4, 4, &src, 0, 0, 0, g_BlendTable.data(), c.t));
    const uint32_t got = RgbAt(dst, 2, 2);
    for (int shift : {0, 8, 16}) {
      EXPECT_NEAR(static_cast<int>((got >> shift) & 0xFF), static_cast<int>((c.expected >> shift) & 0xFF), 1)
          << std::hex << got;
    }
    if (c.mode.bDirect3D == 0) EXPECT_EQ(PixelAt(dst, 2, 2) >> 24, 0xFFu);  // the fourth byte stays
  }
}

TEST(TranslucentBlitModesTest, DirectThreeDSixteenBitFullScreenBackBufferDoublesTheSourceGreen) {
  ScopedDisplay display({1, 16, 0});
  ASSERT_TRUE(display.ok());
  DDSURFACEDATA src;
  MakeEffectSurface(src, 2, 1, eEffectSurface::kSystemMemory);
  FillPixels(src, 0xFFFF);  // opaque (31, 31, 31)
  SetPixel(src, 1, 0, 0x1FFF);  // neither bit 15 nor 13: transparent
  FillPixels(g_SDBackBuffer, 1u << 11 | 1u << 5 | 1);
  DDBltTranslucent(&g_SDBackBuffer, 0, 0, 2, 1, &src, 0, 0, 1, nullptr, 0);
  EXPECT_EQ(PixelAt(g_SDBackBuffer, 0, 0), 16u << 11 | 31u << 5 | 16u);
  EXPECT_EQ(PixelAt(g_SDBackBuffer, 1, 0), 1u << 11 | 1u << 5 | 1u);
}

TEST_F(TranslucentBlitTest, DirectThreeDSixteenBitTexturesKeepTheirAlphaBit) {
  Open({1, 16, 1}, {1, 1}, {1, 1});
  DDSURFACEDATA& src = src_;
  DDSURFACEDATA& dst = dst_;
  FillPixels(src, 0x8000u | 31u << 10 | 4u << 5 | 7u);
  FillPixels(dst, 1u << 10 | 6u << 5 | 0u);  // alpha bit clear
  DDBltTranslucent(&dst, 0, 0, 1, 1, &src, 0, 0, 0, nullptr, 0);
  EXPECT_EQ(PixelAt(dst, 0, 0), 0x8000u | 16u << 10 | 5u << 5 | 3u);
}

// Pairs outside either surface are skipped, on every side.
TEST(TranslucentBlitModesTest, OverhangingRectanglesMixOnlyTheOverlap) {
  for (const cDisplayMode& mode : {cDisplayMode{0, 32, 1}, cDisplayMode{1, 32, 1}}) {
    SCOPED_TRACE(mode.Name());
    ScopedDisplay display(mode);
    ASSERT_TRUE(display.ok());
    DDSURFACEDATA src, dst;
    MakeEffectSurface(src, 3, 3, eEffectSurface::kSystemMemory);
    MakeEffectSurface(dst, 4, 4, eEffectSurface::kSystemMemory);
    FillPixels(src, 0xFF646464);
    FillPixels(dst, 0xFF000000);
    // Destination from (-1, 2), source from (1, -1): four columns, three rows asked.
    DDBltTranslucent(&dst, -1, 2, 4, 3, &src, 1, -1, 0, nullptr, 0);
    std::string picture;
    for (int32_t y = 0; y < 4; ++y) {
      for (int32_t x = 0; x < 4; ++x) picture += RgbAt(dst, x, y) == 0 ? '.' : 'x';
      picture += '\n';
    }
    // Drawn: destination column x takes source column x + 2 (< 3), row y source row y - 3 (>= 0).
    EXPECT_EQ(picture, "....\n....\n....\nx...\n");
  }
}

class TranslucentBlitPairTest : public EffectPairTest {};

TEST_F(TranslucentBlitPairTest, TwentyFourBitsDrawNothing) {
  Open({0, 32, 1}, {2, 2}, {2, 2});
  FillPixels(src_, 0xFFFFFF);
  g_nBpp = 24;
  EXPECT_TRUE(DDBltTranslucent(&dst_, 0, 0, 2, 2, &src_, 0, 0, 0, nullptr, 0));
  g_nBpp = 32;
  EXPECT_EQ(PixelAt(dst_, 0, 0), 0u);
}

}  // namespace
