#include "platform/dd/pixel_draw.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "platform/dd/debug_text.h"
#include "platform/dd/device_config.h"
#include "platform/dd/fill.h"
#include "platform/dd/palette.h"
#include "platform/dd/surface_create.h"
#include "tests/platform/dd/display_fixture.h"

namespace {

std::set<std::pair<int32_t, int32_t>> Drawn(DDSURFACEDATA& sd, uint32_t background) {
  std::set<std::pair<int32_t, int32_t>> dots;
  for (int32_t y = 0; y < sd.nHeight; ++y) {
    for (int32_t x = 0; x < sd.nWidth; ++x) {
      if (PixelAt(sd, x, y) != background) dots.insert({x, y});
    }
  }
  return dots;
}

TEST(PixelDrawTest, PointsAndCirclesInEveryMode) {
  SetTestPalette();
  for (const cDisplayMode& mode : kAllModes) {
    SCOPED_TRACE(mode.Name());
    ScopedDisplay display(mode);
    DDSURFACEDATA sd;
    ASSERT_TRUE(DDCreateSurface(&sd, 6, 6, 0, 0, 0, nullptr, 0));
    DDFillSurface(&sd, 1);
    const uint32_t background = PixelAt(sd, 0, 0);
    DDPutPixel(&sd, 6, 0, 9);  // x = nWidth: nothing
    DDPutPixel(&sd, -1, 0, 9);
    EXPECT_TRUE(Drawn(sd, background).empty());
    DDDrawCircle(&sd, 2, 2, 1, 9);  // the four neighbours
    EXPECT_EQ(Drawn(sd, background), (std::set<std::pair<int32_t, int32_t>>{{1, 2}, {3, 2}, {2, 1}, {2, 3}}));
    DDDrawCircle(&sd, 0, 0, 0, 9);
    DDDrawCircle(&sd, 5, 5, 3, 9);  // mostly outside: clipped
    EXPECT_EQ(Drawn(sd, background).count({2, 5}), 1u);
  }
}

TEST(PixelDrawTest, DDLockGivesThePixelsOnlyWhereItCan) {
  {
    ScopedDisplay display({0, 16, 0});
    DDSURFACEDATA sd;
    ASSERT_TRUE(DDCreateSurface(&sd, 3, 2, 0, 0, 0, nullptr, 0));
    DDSURFACEDESC2 desc;
    uint8_t* bits = nullptr;
    ASSERT_TRUE(DDLock(&sd, &desc, &bits, 16));
    EXPECT_EQ(bits, sd.Pixels()->Bits());
    EXPECT_EQ(desc.lPitch, 6);
    bits = nullptr;
    EXPECT_FALSE(DDLock(&sd, &desc, &bits, 24));
    EXPECT_EQ(bits, nullptr);
    DDReleaseSurface(&sd);
    EXPECT_FALSE(DDLock(&sd, &desc, &bits, 16));
  }
  ScopedDisplay display({1, 32, 1});
  DDSURFACEDATA sd;
  ASSERT_TRUE(DDCreateSurface(&sd, 3, 2, 0, 0, 0, nullptr, 0));
  uint8_t* bits = nullptr;
  EXPECT_FALSE(DDLock(&sd, nullptr, &bits, 32));
  EXPECT_EQ(bits, nullptr);
}

// A sheet whose every glyph is one solid colour: each drawn cell is one dot.
TEST(PixelDrawTest, DebugTextWrapsAndCutsLongTextAtItsLimit) {
  ScopedDisplay display({1, 32, 1});
  DDSURFACEDATA sheet, target;
  ASSERT_TRUE(DDCreateSurface(&sheet, 16, 16, 1, 0, 0, nullptr, 0));
  DDFillSurfaceRGB(&sheet, 0xFFFFFFFF);
  ASSERT_TRUE(DDCreateSurface(&target, 640, 4, 0, 0, 0, nullptr, 0));
  DDDebugText(&target, 0, 0, 1, 1, &sheet, "ab\ncd");
  EXPECT_EQ(Drawn(target, 0), (std::set<std::pair<int32_t, int32_t>>{{0, 0}, {1, 0}, {0, 1}, {1, 1}}));

  DDSURFACEDATA formatted;
  ASSERT_TRUE(DDCreateSurface(&formatted, 640, 4, 0, 0, 0, nullptr, 0));
  const std::string text(300, 'x');
  DDDebugPrintf(&formatted, 0, 0, 1, 1, &sheet, "%s", text.c_str());
  EXPECT_EQ(Drawn(formatted, 0).size(), 255u);

  // A line reaching the screen width goes on at the left edge below.
  DDSURFACEDATA wrapped;
  ASSERT_TRUE(DDCreateSurface(&wrapped, 640, 4, 0, 0, 0, nullptr, 0));
  g_nScreenWidth = 2;
  DDDebugText(&wrapped, 0, 0, 1, 1, &sheet, "xyz");
  g_nScreenWidth = 640;
  EXPECT_EQ(Drawn(wrapped, 0), (std::set<std::pair<int32_t, int32_t>>{{0, 0}, {1, 0}, {0, 1}}));
}

}  // namespace
