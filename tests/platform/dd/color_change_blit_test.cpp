#include "platform/dd/color_change_blit.h"

#include <gtest/gtest.h>

#include <array>

#include "platform/dd/blend_table.h"
#include "platform/dd/channel_scale.h"
#include "platform/dd/dd_objects.h"
#include "platform/dd/device_config.h"
#include "platform/dd/device_records.h"
#include "platform/dd/display_state.h"
#include "platform/dd/palette.h"
#include "platform/dd/screen_surfaces.h"
#include "tests/platform/dd/display_fixture.h"
#include "tests/platform/dd/effect_fixture.h"

namespace {

constexpr int32_t kWhite = 7;  // the palette entry the tests pull toward

std::array<PALETTEENTRY, 256> WhitePalette() {
  std::array<PALETTEENTRY, 256> palette{};
  palette[kWhite] = {255, 255, 255, 0};
  return palette;
}

// Black pulled toward white: the red channel after each level, per path.
TEST(ColorChangeBlitTest, WeightsByLevelPerPath) {
  struct Path {
    const char* what;
    cDisplayMode mode;
    eEffectSurface source;
    uint32_t byLevel[6];  // levels 1..6
  };
  const Path paths[] = {
      {"quad", {1, 32, 1}, eEffectSurface::kRenderTarget, {127, 175, 207, 239, 255, 255}},
      {"Direct3D CPU", {1, 32, 1}, eEffectSurface::kSystemMemory, {127, 191, 223, 239, 255, 255}},
      {"DirectDraw 32", {0, 32, 1}, eEffectSurface::kRenderTarget, {127, 191, 223, 239, 247, 251}},
  };
  const auto palette = WhitePalette();
  for (const Path& path : paths) {
    SCOPED_TRACE(path.what);
    ScopedDisplay display(path.mode);
    ASSERT_TRUE(display.ok());
    DDSURFACEDATA src, dst;
    MakeEffectSurface(src, 2, 2, path.source);
    MakeEffectSurface(dst, 2, 2);
    for (int32_t level = 1; level <= 6; ++level) {
      SCOPED_TRACE(level);
      FillPixels(src, 0xFF000000);
      FillPixels(dst, 0xFF123456);
      EXPECT_TRUE(DDBltColorChange(&dst, 0, 0, 2, 2, &src, 0, 0, 0, palette.data(), nullptr, kWhite + 256, level));
      EXPECT_EQ(RgbAt(dst, 1, 1), path.byLevel[level - 1] * 0x010101u);
    }
  }
}

TEST(ColorChangeBlitTest, LevelZeroAndNegativeLevels) {
  const auto palette = WhitePalette();
  struct Case {
    cDisplayMode mode;
    int32_t level;
    uint32_t expected;
  };
  const Case cases[] = {
      {{1, 32, 1}, 0, 0x123456},   {{0, 32, 1}, 0, 0x123456},
      {{1, 32, 1}, -3, 0x123456},  {{0, 32, 1}, -3, 0x000000},  // DirectDraw: no steps, a copy
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.mode.Name() << " level " << c.level);
    ScopedDisplay display(c.mode);
    ASSERT_TRUE(display.ok());
    DDSURFACEDATA src, dst;
    MakeEffectSurface(src, 1, 1, eEffectSurface::kSystemMemory);
    MakeEffectSurface(dst, 1, 1);
    FillPixels(src, 0xFF000000);
    FillPixels(dst, 0xFF123456);
    DDBltColorChange(&dst, 0, 0, 1, 1, &src, 0, 0, 0, palette.data(), nullptr, kWhite, c.level);
    EXPECT_EQ(RgbAt(dst, 0, 0), c.expected);
  }
}

TEST(ColorChangeBlitTest, ThirtyTwoBitDirectDrawKeepsTheFourthByteAndSkipsTheKey) {
  ScopedDisplay display({0, 32, 1});
  ASSERT_TRUE(display.ok());
  const auto palette = WhitePalette();
  DDSURFACEDATA src, dst;
  MakeEffectSurface(src, 2, 1);
  MakeEffectSurface(dst, 2, 1);
  g_dwColorKey = 0x00FF00FF;
  SetPixel(src, 0, 0, 0);
  SetPixel(src, 1, 0, g_dwColorKey);
  FillPixels(dst, 0xAB010203);
  DDBltColorChange(&dst, 0, 0, 2, 1, &src, 0, 0, 1, palette.data(), nullptr, kWhite, 2);
  EXPECT_EQ(PixelAt(dst, 0, 0), 0xABBFBFBFu);
  EXPECT_EQ(PixelAt(dst, 1, 0), 0xAB010203u);
}

// Levels from data: a thousand steps give what a thousand plain steps give.
TEST(ColorChangeBlitTest, HugeLevelsEqualThePlainRepeats) {
  constexpr int32_t kLevel = 1000;
  {
    SCOPED_TRACE("DirectDraw 16");
    ScopedDisplay display({0, 16, 0});
    ASSERT_TRUE(display.ok());
    std::array<PALETTEENTRY, 256> palette{};
    palette[kWhite] = {20, 40, 9, 0};  // the display's channel ranges
    DDSURFACEDATA src, dst;
    MakeEffectSurface(src, 1, 1);
    MakeEffectSurface(dst, 1, 1);
    const uint32_t s = 3u << 11 | 50u << 5 | 30u;
    FillPixels(src, s);
    DDBltColorChange(&dst, 0, 0, 1, 1, &src, 0, 0, 0, palette.data(), nullptr, kWhite, kLevel);
    const cChannelScale scale(g_PixelChannels);
    uint32_t ch[3] = {scale.Widen(s, kChRed), scale.Widen(s, kChGreen), scale.Widen(s, kChBlue)};
    const uint32_t c[3] = {20 * 255 / 31, 40 * 255 / 63, 9 * 255 / 31};
    for (int32_t k = 0; k < kLevel; ++k) {
      for (int i = 0; i < 3; ++i) ch[i] = (ch[i] + c[i]) >> 1;
    }
    EXPECT_EQ(PixelAt(dst, 0, 0), scale.Narrow(ch[0], ch[1], ch[2]));
  }
  {
    SCOPED_TRACE("DirectDraw 8, a table whose map cycles");
    ScopedDisplay display({0, 8, 0});
    ASSERT_TRUE(display.ok());
    // Toward colour 31: d -> 5d + 3 (mod 256), one cycle through all 256 indices.
    for (uint32_t d = 0; d < 256; ++d) g_BlendTable[d * 256 + 31] = static_cast<uint8_t>(5 * d + 3);
    g_dwColorKey = 0;
    DDSURFACEDATA src, dst;
    MakeEffectSurface(src, 4, 1);
    MakeEffectSurface(dst, 4, 1);
    const uint8_t starts[4] = {1, 77, 200, 255};
    for (int32_t x = 0; x < 4; ++x) SetPixel(src, x, 0, starts[x]);
    const auto palette = WhitePalette();
    DDBltColorChange(&dst, 0, 0, 4, 1, &src, 0, 0, 1, palette.data(), nullptr, 31, kLevel);
    for (int32_t x = 0; x < 4; ++x) {
      uint8_t d = starts[x];
      for (int32_t k = 0; k < kLevel; ++k) d = g_BlendTable[d * 256u + 31];
      EXPECT_EQ(PixelAt(dst, x, 0), d) << x;
    }
  }
}

TEST(ColorChangeBlitTest, QuadPathLeavesTheTextureFactorSet) {
  ScopedDisplay display({1, 32, 1});
  ASSERT_TRUE(display.ok());
  std::array<PALETTEENTRY, 256> palette{};
  palette[kWhite] = {10, 20, 30, 0};
  DDSURFACEDATA src, dst;
  MakeEffectSurface(src, 1, 1);
  MakeEffectSurface(dst, 1, 1);
  DDBltColorChange(&dst, 0, 0, 1, 1, &src, 0, 0, 1, palette.data(), nullptr, kWhite, 3);
  EXPECT_EQ(lpDevice->TextureFactor(), 48u << 24 | 0x0A141Eu);
}

TEST(ColorChangeBlitTest, DirectThreeDSixteenBitFullScreenBackBuffer) {
  ScopedDisplay display({1, 16, 0});
  ASSERT_TRUE(display.ok());
  std::array<PALETTEENTRY, 256> palette{};
  palette[kWhite] = {255, 255, 255, 0};  // 31 in the texture's five-bit ranges
  DDSURFACEDATA src;
  MakeEffectSurface(src, 1, 1, eEffectSurface::kSystemMemory);
  FillPixels(src, 0x8000u | 1u << 10 | 3u << 5 | 5u);
  struct Case {
    int32_t level;
    uint32_t expected;
  };
  // Level 1: red, blue (s + c) >> 1, green s + c; level 2: green doubled.
  const Case cases[] = {{1, 16u << 11 | 34u << 5 | 18u}, {2, 23u << 11 | 46u << 5 | 24u}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.level);
    DDBltColorChange(&g_SDBackBuffer, 0, 0, 1, 1, &src, 0, 0, 1, palette.data(), nullptr, kWhite, c.level);
    EXPECT_EQ(PixelAt(g_SDBackBuffer, 0, 0), c.expected);
  }
}

}  // namespace
