#include "platform/dd/screen_fade.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "platform/dd/dd_objects.h"
#include "platform/dd/device_records.h"
#include "platform/dd/display_state.h"
#include "platform/dd/palette.h"
#include "platform/dd/screen_surfaces.h"
#include "tests/platform/dd/display_fixture.h"
#include "tests/platform/dd/effect_fixture.h"

namespace {

using FadeFunction = int32_t (*)(PALETTEENTRY*, int32_t, int32_t, uint8_t, uint8_t, uint8_t, double,
                                 const PALETTEENTRY*, int32_t);

struct FadeMode {
  const char* what;
  cDisplayMode mode;
};
const FadeMode kFadeModes[] = {
    {"DirectDraw 8: the palette", {0, 8, 0}},
    {"DirectDraw 16: the screen copy", {0, 16, 0}},
    {"DirectDraw 32: the screen copy", {0, 32, 1}},
    {"Direct3D 32: the cover", {1, 32, 1}},
};

// One frame of a fade: the picture drawn again (the scenes redraw every frame),
// the fade step, and what the screen shows: red of the display palette's entry
// 40 at 8 bits, else the back buffer's red.
class ScreenFadeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    palette_.fill({200, 100, 50, 0});
    work_ = palette_;
  }
  int32_t Frame(FadeFunction fade, double step, int32_t finish, uint32_t* shown) {
    if (lpDTCon != nullptr) FillPixels(g_SDBackBuffer, 0xFFC86432);
    const int32_t done = fade(work_.data(), 0, 255, 0, 0, 0, step, palette_.data(), finish);
    *shown = g_nBpp.load() == 8 ? g_lpDDPalette->Entries()[40].peRed : (RgbAt(g_SDBackBuffer, 0, 0) >> 16) & 0xFF;
    return done;
  }
  // The picture in DirectDraw: index 40 of the palette above at 8 bits, else
  // (200, 100, 50) in the display's format. Direct3D draws it every frame.
  void DrawPicture() {
    if (lpDTCon != nullptr) return;
    const int32_t bytes = g_SDBackBuffer.Pixels()->BytesPerPixel();
    FillPixels(g_SDBackBuffer, bytes == 1 ? 40u : bytes == 2 ? (25u << 11 | 25u << 5 | 6u) : 0x00C86432u);
  }

  std::array<PALETTEENTRY, 256> palette_{};
  std::array<PALETTEENTRY, 256> work_{};
};

// Step 10: the fade-out shows the picture first and the colour on the tenth
// call, which ends it; the next fade starts over.
TEST_F(ScreenFadeTest, FadeOutTakesTenStepsAndRestarts) {
  for (const FadeMode& m : kFadeModes) {
    SCOPED_TRACE(m.what);
    ScopedDisplay display(m.mode);
    ASSERT_TRUE(display.ok());
    for (int32_t fade = 0; fade < 2; ++fade) {
      SCOPED_TRACE(fade);
      DrawPicture();
      std::vector<uint32_t> shown;
      for (int32_t call = 1; call <= 10; ++call) {
        uint32_t red = 0;
        EXPECT_EQ(Frame(&DDFadeOut, 10.0, 0, &red), call == 10 ? 1 : 0) << call;
        shown.push_back(red);
      }
      EXPECT_GE(shown.front(), 197u);  // the picture (200, or its 16-bit form)
      EXPECT_EQ(shown.back(), 0u);     // the colour
      for (std::size_t i = 1; i < shown.size(); ++i) EXPECT_LE(shown[i], shown[i - 1]) << i;
    }
  }
}

TEST_F(ScreenFadeTest, FadeInRunsTheOtherWay) {
  for (const FadeMode& m : kFadeModes) {
    SCOPED_TRACE(m.what);
    ScopedDisplay display(m.mode);
    ASSERT_TRUE(display.ok());
    DrawPicture();
    std::vector<uint32_t> shown;
    for (int32_t call = 1; call <= 10; ++call) {
      uint32_t red = 0;
      EXPECT_EQ(Frame(&DDFadeIn, 10.0, 0, &red), call == 10 ? 1 : 0) << call;
      shown.push_back(red);
    }
    EXPECT_EQ(shown.front(), 0u);
    EXPECT_GE(shown.back(), 197u);
  }
}

TEST_F(ScreenFadeTest, FinishDrawsTheEndAtOnce) {
  for (const FadeMode& m : kFadeModes) {
    SCOPED_TRACE(m.what);
    ScopedDisplay display(m.mode);
    ASSERT_TRUE(display.ok());
    DrawPicture();
    uint32_t red = 99;
    EXPECT_EQ(Frame(&DDFadeOut, 10.0, 1, &red), 1);
    EXPECT_EQ(red, 0u);
    DrawPicture();
    EXPECT_EQ(Frame(&DDFadeIn, 10.0, 1, &red), 1);
    EXPECT_GE(red, 197u);
    // Both angles are back at their starts: a new fade-out shows the picture first.
    DrawPicture();
    EXPECT_EQ(Frame(&DDFadeOut, 10.0, 0, &red), 0);
    EXPECT_GE(red, 197u);
    EXPECT_EQ(Frame(&DDFadeOut, 90.0, 1, &red), 1);
  }
}

// A fade broken off continues where it stopped.
TEST_F(ScreenFadeTest, ABrokenFadeContinues) {
  ScopedDisplay display({1, 32, 1});
  ASSERT_TRUE(display.ok());
  uint32_t red = 0;
  for (int32_t call = 0; call < 5; ++call) ASSERT_EQ(Frame(&DDFadeOut, 10.0, 0, &red), 0);
  int32_t calls = 0;
  while (Frame(&DDFadeOut, 10.0, 0, &red) == 0) ++calls;
  EXPECT_EQ(calls, 4);
}

}  // namespace
