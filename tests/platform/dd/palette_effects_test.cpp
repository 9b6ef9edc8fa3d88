#include "platform/dd/palette_effects.h"

#include <gtest/gtest.h>

#include <array>

#include "platform/dd/dd_objects.h"
#include "platform/dd/display_state.h"

namespace {

using Pal = std::array<PALETTEENTRY, 256>;

// Entry i carries i in red so a moved entry shows where it came from.
Pal Numbered() {
  Pal p{};
  for (int i = 0; i < 256; ++i) p[i] = {static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), 7, 0};
  return p;
}

Pal Marked() {
  Pal p{};
  p.fill({9, 9, 9, 9});
  return p;
}

class PaletteEffectsTest : public ::testing::Test {
 protected:
  void SetUp() override { saved_ = g_nBpp.load(); g_nBpp = 8; }
  void TearDown() override { g_nBpp = saved_; }
  int32_t saved_ = 0;
};

TEST_F(PaletteEffectsTest, BlendWeights) {
  struct Case {
    int32_t a;
    PALETTEENTRY expected;  // of source (200, 100, 50) toward (0, 40, 255)
  };
  const Case cases[] = {
      {256, {200, 100, 50, 1}},  {0, {0, 40, 255, 1}},     {128, {100, 70, 152, 1}},
      {300, {200, 100, 50, 1}},  {-5, {0, 40, 255, 1}},    {65536 + 128, {200, 100, 50, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.a);
    Pal src{};
    src.fill({200, 100, 50, 0});
    Pal out = Marked();
    DDPalBlend(out.data(), 10, 12, c.a, 0, 40, 255, src.data());
    EXPECT_EQ(out[9], (PALETTEENTRY{9, 9, 9, 9}));
    for (int i = 10; i <= 12; ++i) EXPECT_EQ(out[i], c.expected) << i;
    EXPECT_EQ(out[13], (PALETTEENTRY{9, 9, 9, 9}));
  }
}

TEST_F(PaletteEffectsTest, BlendClampsItsRangeToThePalette) {
  const Pal src = Numbered();
  Pal out = Marked();
  DDPalBlend(out.data(), -20, 1000, 256, 0, 0, 0, src.data());
  for (int i = 0; i < 256; ++i) EXPECT_EQ(out[i].peRed, i);
  out = Marked();
  DDPalBlend(out.data(), 20, 10, 0, 0, 0, 0, src.data());
  EXPECT_EQ(out, Marked());
}

TEST_F(PaletteEffectsTest, RotationMovesEntriesInsideTheRange) {
  struct Case {
    const char* name;
    int32_t first, last, n, direction;
    std::array<int, 4> at208;  // source entries now at 208..211
  };
  const Case cases[] = {
      {"down by one", 208, 211, 1, 1, {209, 210, 211, 208}},
      {"up by one", 208, 211, 1, 0, {211, 208, 209, 210}},
      {"whole length", 208, 211, 4, 0, {208, 209, 210, 211}},
      {"more than the length", 208, 211, 5, 1, {209, 210, 211, 208}},
      {"negative places", 208, 211, -1, 1, {211, 208, 209, 210}},
      {"unknown direction copies", 208, 211, 1, 2, {208, 209, 210, 211}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Pal src = Numbered();
    Pal out = Marked();
    DDPalRotate(out.data(), c.first, c.last, c.n, c.direction, src.data());
    for (int i = 0; i < 4; ++i) EXPECT_EQ(out[208 + i].peRed, c.at208[i]) << 208 + i;
    EXPECT_EQ(out[207], src[207]);
    EXPECT_EQ(out[212], src[212]);
    EXPECT_EQ(out[0], src[0]);
  }
}

TEST_F(PaletteEffectsTest, RotationInPlaceAndAtTheEnds) {
  Pal p = Numbered();
  DDPalRotate(p.data(), 16, 207, 3 * 16, 0, p.data());
  EXPECT_EQ(p[16 + 48].peRed, 16);
  EXPECT_EQ(p[16].peRed, 207 - 47);
  EXPECT_EQ(p[15].peRed, 15);

  // Out-of-range indices are clamped: the whole palette turns by one.
  p = Numbered();
  DDPalRotate(p.data(), -3, 400, 1, 0, p.data());
  EXPECT_EQ(p[0].peRed, 255);
  EXPECT_EQ(p[255].peRed, 254);
}

TEST_F(PaletteEffectsTest, RotationDoesNothingAt24BitsOrWithAnEmptyRange) {
  const Pal src = Numbered();
  for (int32_t bpp : {8, 16, 24, 32}) {
    SCOPED_TRACE(bpp);
    g_nBpp = bpp;
    Pal out = Marked();
    DDPalRotate(out.data(), 0, 3, 1, 1, src.data());
    EXPECT_EQ(out[0].peRed, bpp == 24 ? 9 : 1);
    out = Marked();
    DDPalRotate(out.data(), 5, 4, 1, 1, src.data());
    EXPECT_EQ(out, Marked());
  }
}

}  // namespace
