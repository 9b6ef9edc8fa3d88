// The fonts page of build/ddcard in every mode the program runs in.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/tools/ddcard_fixture.h"

namespace {

class FontsPageTest : public DdcardProjectTest {
 protected:
  static cTestCardResult Page(int32_t direct3D, int32_t bpp, int32_t fullScreen, const char* page = "fonts") {
    return Run({direct3D, bpp, fullScreen, page});
  }
};

// The largest channel difference between two frames in steps of 2^bits.
int32_t LargestFontPageStep(const cTestCardResult& a, const cTestCardResult& b, int32_t bits) {
  int32_t worst = 0;
  for (std::size_t i = 0; i < a.pixels.size() && i < b.pixels.size(); ++i) {
    for (int shift : {0, 8, 16}) {
      const int32_t d = std::abs(static_cast<int32_t>(((a.pixels[i] >> shift) & 0xFF) >> bits) -
                                 static_cast<int32_t>(((b.pixels[i] >> shift) & 0xFF) >> bits));
      worst = std::max(worst, d);
    }
  }
  return worst;
}

// Pixels of the frame in one colour inside a box.
int32_t CountColour(const cTestCardResult& frame, uint32_t rgb, int32_t x, int32_t y, int32_t w, int32_t h) {
  int32_t n = 0;
  for (int32_t yy = y; yy < y + h; ++yy) {
    for (int32_t xx = x; xx < x + w; ++xx) {
      if (frame.pixels[static_cast<std::size_t>(yy) * 640u + static_cast<std::size_t>(xx)] == rgb) ++n;
    }
  }
  return n;
}

// Text drawn by the glyph caches (DirectDraw's default) and by the renderer
// directly (Direct3D's) gives the same page.
TEST_F(FontsPageTest, EveryModeDrawsTheSamePage) {
  const cTestCardResult reference = Page(0, 32, 0);
  ASSERT_EQ(reference.pixels.size(), 640u * 480u);
  const struct {
    const char* what;
    int32_t direct3D, bpp, fullScreen;
    int32_t bits;  // 3 at 16 bits: one 5-bit channel step at most
  } cases[] = {
      {"Direct3D 32 window", 1, 32, 0, 0}, {"Direct3D 32 full screen", 1, 32, 1, 0},
      {"DirectDraw 8 (through the palette)", 0, 8, 1, 0},
      {"Direct3D 16 full screen", 1, 16, 1, 3}, {"Direct3D 16 window", 1, 16, 0, 3},
      {"DirectDraw 32 full screen", 0, 32, 1, 0}, {"DirectDraw 16", 0, 16, 1, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const cTestCardResult page = Page(c.direct3D, c.bpp, c.fullScreen);
    ASSERT_EQ(page.pixels.size(), reference.pixels.size());
    EXPECT_LE(LargestFontPageStep(page, reference, c.bits), c.bits == 0 ? 0 : 1);
  }
}

TEST_F(FontsPageTest, ShowsTextSymbolsAndSheets) {
  const cTestCardResult page = Page(1, 32, 0);
  const cTestCardResult card = Page(1, 32, 0, "");
  EXPECT_NE(page.pixels, card.pixels);
  const uint32_t ground = page.pixels[0];
  // Each font's rows, the symbol letters and each digit sheet put something
  // other than the ground into their band.
  const struct {
    const char* what;
    int32_t x, y, w, h;
  } bands[] = {
      {"font 0", 8, 48, 320, 80}, {"font 1", 8, 136, 512, 128}, {"symbols", 8, 304, 416, 16},
      {"font 2", 8, 328, 608, 64}, {"sheet 0", 8, 400, 100, 10}, {"sheet 1", 8, 424, 160, 16},
      {"sheet 2", 8, 448, 320, 32}, {"text box", 344, 400, 136, 32},
  };
  for (const auto& b : bands) {
    SCOPED_TRACE(b.what);
    EXPECT_LT(CountColour(page, ground, b.x, b.y, b.w, b.h), b.w * b.h);
  }
}

TEST_F(FontsPageTest, AnUnknownPageFails) {
  const cTestCardResult result = RunTestCard(project_->path().string(), {1, 32, 0, "nothing"});
  EXPECT_FALSE(result.bOk);
  EXPECT_EQ(result.strFailedStep, "page");
}

}  // namespace
