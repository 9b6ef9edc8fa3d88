#include "platform/dd/fill.h"

#include <gtest/gtest.h>

#include "platform/dd/device_records.h"
#include "platform/dd/draw_batches.h"
#include "platform/dd/palette.h"
#include "platform/dd/screen_surfaces.h"
#include "platform/dd/surface_create.h"
#include "tests/platform/dd/display_fixture.h"

namespace {

TEST(FillTest, PaletteNumbersBecomeEachModesColour) {
  const struct {
    cDisplayMode mode;
    uint32_t number0, number10;
  } cases[] = {
      {{1, 32, 1}, 0x00000000, 0xFF0AF546}, {{1, 16, 0}, 0x00000000, 0xFF0AF546},
      {{0, 8, 0}, 0, 10},                   {{0, 16, 0}, 0xF81F, 0x56A6},  // channels masked, not scaled
      {{0, 32, 1}, 0x00FF00FF, 0x000AF546},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode.Name());
    ScopedDisplay display(c.mode);
    SetTestPalette();
    EXPECT_EQ(PalNumToRGB(0), c.number0);
    EXPECT_EQ(PalNumToRGB(10), c.number10);
    // Numbers outside the palette are refused in every mode.
    EXPECT_EQ(PalNumToRGB(256), 0u);
    EXPECT_EQ(PalNumToRGB(0xFFFFFFFF), 0u);
  }
}

TEST(FillTest, Direct3DPaletteZeroClearsKeyedTargetsAndLeavesOthersAlone) {
  ScopedDisplay display({1, 32, 1});
  SetTestPalette();
  DDSURFACEDATA keyed, plain;
  ASSERT_TRUE(DDCreateSurface(&keyed, 4, 4, 1, 0, 0, nullptr, 0));
  ASSERT_TRUE(DDCreateSurface(&plain, 4, 4, 0, 0, 0, nullptr, 0));
  DDFillSurface(&keyed, 10);
  DDFillSurface(&plain, 10);
  DDFillSurface(&g_SDBackBuffer, 10);
  DDFillRect(&keyed, 1, 1, 2, 2, 0);
  DDFillRect(&plain, 1, 1, 2, 2, 0);
  DDFillRect(&g_SDBackBuffer, 1, 1, 2, 2, 0);
  EXPECT_EQ(PixelAt(keyed, 1, 1), 0u);
  EXPECT_EQ(PixelAt(keyed, 0, 0), 0xFF0AF546u);
  EXPECT_EQ(PixelAt(plain, 1, 1), 0xFF0AF546u);
  EXPECT_EQ(ArgbAt(g_SDBackBuffer, 1, 1), 0xFF0AF546u);
}

TEST(FillTest, HalfAlphaColourBlendsOverRenderTargets) {
  ScopedDisplay display({1, 32, 1});
  DDSURFACEDATA sd;
  ASSERT_TRUE(DDCreateSurface(&sd, 2, 2, 0, 0, 0, nullptr, 0));
  DDFillSurfaceRGB(&sd, 0xFF000000);
  DDFillRectRGB(&sd, 0, 0, 1, 1, 0x80FF0000);
  EXPECT_EQ(PixelAt(sd, 0, 0), 0xBF800000u);  // the alpha blends as well
  EXPECT_EQ(PixelAt(sd, 1, 1), 0xFF000000u);
}

TEST(FillTest, SystemTexturesAreWrittenThroughTheCpuWithTruncatedChannels) {
  ScopedDisplay display({1, 16, 1});
  SetTestPalette();
  DDSURFACEDATA sd;
  ASSERT_TRUE(DDCreateSurface(&sd, 3, 3, 0, 0, DTMEMORYTYPE_SYSTEM, nullptr, 0));
  DDFillRect(&sd, -1, -1, 2, 2, 10);
  EXPECT_EQ(PixelAt(sd, 0, 0), 0x87A8u);
  EXPECT_EQ(PixelAt(sd, 1, 0), 0u);
  EXPECT_EQ(PixelAt(sd, 0, 1), 0u);
}

TEST(FillTest, FillBatchDrawsInSubmissionOrderAtItsEnd) {
  ScopedDisplay display({1, 32, 1});
  DDSURFACEDATA sd;
  ASSERT_TRUE(DDCreateSurface(&sd, 4, 1, 0, 0, 0, nullptr, 0));
  DDBeginFillBatch();
  DDFillRectRGB(&sd, 0, 0, 3, 1, 0xFFFF0000);
  DDFillRectRGB(&sd, 1, 0, 3, 1, 0xFF0000FF);
  EXPECT_EQ(PixelAt(sd, 1, 0), 0u);
  DDEndFillBatch();
  EXPECT_EQ(PixelAt(sd, 0, 0), 0xFFFF0000u);
  EXPECT_EQ(PixelAt(sd, 1, 0), 0xFF0000FFu);
  EXPECT_EQ(PixelAt(sd, 3, 0), 0xFF0000FFu);
  EXPECT_EQ(g_FillBatch.bOn, 0);
}

TEST(FillTest, DirectDrawFillsAreCutToTheSurface) {
  ScopedDisplay display({0, 16, 0});
  DDSURFACEDATA sd;
  ASSERT_TRUE(DDCreateSurface(&sd, 3, 2, 0, 0, 0, nullptr, 0));
  DDFillRectRGB(&sd, 2, -5, 100, 6, 0x1234);
  EXPECT_EQ(PixelAt(sd, 2, 0), 0x1234u);
  EXPECT_EQ(PixelAt(sd, 1, 0), PalNumToRGB(0));
  EXPECT_EQ(PixelAt(sd, 2, 1), PalNumToRGB(0));
}

}  // namespace
