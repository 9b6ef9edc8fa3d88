// The effects page of build/ddcard in every mode the program runs in.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/tools/ddcard_fixture.h"
#include "tools/ddcard/effects_page.h"

namespace {

class EffectsPageTest : public DdcardProjectTest {
 protected:
  static cTestCardResult Page(int32_t direct3D, int32_t bpp, int32_t fullScreen, int32_t frame) {
    cTestCardOptions options{direct3D, bpp, fullScreen, "effects"};
    options.nFrame = frame;
    cTestCardResult result = Run(options);
    EXPECT_EQ(result.pixels.size(), 640u * 480u);
    return result;
  }
};

// The largest channel difference inside a cell, in steps of 2^bits.
int32_t CellStep(const cTestCardResult& a, const cTestCardResult& b, int32_t cell, int32_t bits) {
  const int32_t x0 = (cell % kEffectCellColumns) * kEffectCellWidth, y0 = (cell / kEffectCellColumns) * kEffectCellHeight;
  int32_t worst = 0;
  for (int32_t y = y0; y < y0 + kEffectCellHeight && y < 480; ++y) {
    for (int32_t x = x0; x < x0 + kEffectCellWidth && x < 640; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * 640u + static_cast<std::size_t>(x);
      for (int shift : {0, 8, 16}) {
        const int32_t d = std::abs(static_cast<int32_t>(((a.pixels[i] >> shift) & 0xFF) >> bits) -
                                   static_cast<int32_t>(((b.pixels[i] >> shift) & 0xFF) >> bits));
        worst = std::max(worst, d);
      }
    }
  }
  return worst;
}

// The cells whose effect has one rule in both modes.
constexpr int32_t kSameRuleCells[] = {kCellCircle, kCellCircleBands, kCellLens,  kCellBlur,   kCellWave,
                                      kCellStripe, kCellFlip,        kCellSplit, kCellFrame,  kCellFramed,
                                      kCellNumber};

TEST_F(EffectsPageTest, CellsWithOneRuleMatchAcrossModes) {
  constexpr int32_t kFrame = 7;
  const cTestCardResult reference = Page(0, 32, 0, kFrame);
  const struct {
    const char* what;
    int32_t direct3D, bpp, fullScreen;
    int32_t bits;  // 3 at 16 bits: one 5-bit channel step at most
  } cases[] = {
      {"Direct3D 32 window", 1, 32, 0, 0},
      {"Direct3D 32 full screen", 1, 32, 1, 0},
      {"Direct3D 16 full screen", 1, 16, 1, 3},
      {"DirectDraw 16", 0, 16, 1, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const cTestCardResult page = Page(c.direct3D, c.bpp, c.fullScreen, kFrame);
    for (int32_t cell : kSameRuleCells) {
      // At 16 bits the blur averages the five- and six-bit channels themselves.
      if (cell == kCellBlur && c.bpp == 16) continue;
      EXPECT_LE(CellStep(page, reference, cell, c.bits), c.bits == 0 ? 0 : 1) << cell;
    }
  }
  // The eight-bit page draws as well (its blur cell stays empty).
  Page(0, 8, 1, kFrame);
}

TEST_F(EffectsPageTest, TheNextFrameChangesOnlyTheMovingCells) {
  for (int32_t direct3D : {0, 1}) {
    SCOPED_TRACE(direct3D);
    const cTestCardResult now = Page(direct3D, 32, 0, 12);
    const cTestCardResult next = Page(direct3D, 32, 0, 13);
    int32_t moved = 0;
    for (int32_t cell = 0; cell < kEffectCellCount; ++cell) {
      const bool changed = CellStep(now, next, cell, 0) != 0;
      if (IsStillEffectCell(cell)) {
        EXPECT_FALSE(changed) << cell;
      }
      moved += changed ? 1 : 0;
    }
    EXPECT_GE(moved, 12);
    // Outside the cells nothing changes.
    for (int32_t y = 360; y < 480; ++y) {
      for (int32_t x = 5 * kEffectCellWidth; x < 640; ++x) {
        ASSERT_EQ(now.pixels[static_cast<std::size_t>(y) * 640u + x], next.pixels[static_cast<std::size_t>(y) * 640u + x]);
      }
    }
  }
}

}  // namespace
