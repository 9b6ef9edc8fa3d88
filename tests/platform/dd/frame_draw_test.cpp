#include "platform/dd/frame_draw.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/dd/fill.h"
#include "platform/dd/surface_create.h"
#include "platform/dd/surface_data.h"
#include "tests/platform/dd/display_fixture.h"

namespace {

constexpr int32_t kSide = 12;
constexpr uint32_t kBox = 10;
constexpr uint32_t kFrame = 20;

// The pixel a fill with the palette number leaves in a surface of the mode.
uint32_t FilledPixel(uint32_t nPalNum) {
  DDSURFACEDATA probe;
  if (!DDCreateSurface(&probe, 1, 1, 0, 0, 0, nullptr, 0)) return 0xDEADBEEF;
  DDFillSurface(&probe, nPalNum);
  const uint32_t p = PixelAt(probe, 0, 0);
  DDReleaseSurface(&probe);
  return p;
}

// The surface as rows of characters: '.' ground, 'b' box, 'f' frame, '?' other.
std::string Picture(DDSURFACEDATA& sd) {
  const uint32_t ground = FilledPixel(kGround), box = FilledPixel(kBox), frame = FilledPixel(kFrame);
  std::string out;
  for (int32_t y = 0; y < kSide; ++y) {
    for (int32_t x = 0; x < kSide; ++x) {
      const uint32_t p = PixelAt(sd, x, y);
      out += p == ground ? '.' : p == box ? 'b' : p == frame ? 'f' : '?';
    }
    out += '\n';
  }
  return out;
}

const cDisplayMode kFrameModes[] = {{1, 32, 1}, {1, 16, 1}, {0, 32, 1}, {0, 16, 0}, {0, 8, 0}};

TEST(FrameDrawTest, FrameLiesInsideTheRectangle) {
  const std::string expected =
      "............\n"
      ".ffffffff...\n"
      ".ffffffff...\n"
      ".ff....ff...\n"
      ".ff....ff...\n"
      ".ffffffff...\n"
      ".ffffffff...\n"
      "............\n"
      "............\n"
      "............\n"
      "............\n"
      "............\n";
  for (const cDisplayMode& mode : kFrameModes) {
    SCOPED_TRACE(mode.Name());
    ScopedDisplay display(mode);
    SetTestPalette();
    DDSURFACEDATA dst;
    ASSERT_TRUE(DDCreateSurface(&dst, kSide, kSide, 0, 0, 0, nullptr, 0));
    DDFillSurface(&dst, kGround);
    DDDrawFrame(&dst, 1, 1, 8, 6, 2, kFrame);
    EXPECT_EQ(Picture(dst), expected);
    DDReleaseSurface(&dst);
  }
}

TEST(FrameDrawTest, FramedBoxHasItsFrameOutsideAndClipsAtTheEdge) {
  const std::string expected =
      "ffffff......\n"
      "ffffff......\n"
      "bbbbff......\n"
      "bbbbff......\n"
      "ffffff......\n"
      "ffffff......\n"
      "............\n"
      "............\n"
      ".......fffff\n"
      ".......fbbbb\n"
      ".......fbbbb\n"
      ".......fbbbb\n";
  for (const cDisplayMode& mode : kFrameModes) {
    SCOPED_TRACE(mode.Name());
    ScopedDisplay display(mode);
    SetTestPalette();
    DDSURFACEDATA dst, window;
    ASSERT_TRUE(DDCreateSurface(&dst, kSide, kSide, 0, 0, 0, nullptr, 0));
    ASSERT_TRUE(DDCreateSurface(&window, 8, 8, 0, 0, 0, nullptr, 0));
    DDFillSurface(&dst, kGround);
    DDFillSurface(&window, kBox);
    // One box overhangs the left edge, the other the bottom right corner.
    DDBltFramed(&dst, -2, 2, 6, 2, &window, 2, kFrame);
    DDBltFramed(&dst, 8, 9, 6, 6, &window, 1, kFrame);
    EXPECT_EQ(Picture(dst), expected);
    DDReleaseSurface(&window);
    DDReleaseSurface(&dst);
  }
}

TEST(FrameDrawTest, AWindowWithoutBackingStillGetsItsFrame) {
  ScopedDisplay display({0, 32, 1});
  SetTestPalette();
  DDSURFACEDATA dst, notLoaded;
  ASSERT_TRUE(DDCreateSurface(&dst, kSide, kSide, 0, 0, 0, nullptr, 0));
  DDFillSurface(&dst, kGround);
  DDBltFramed(&dst, 1, 1, 2, 2, &notLoaded, 1, kFrame);
  EXPECT_EQ(Picture(dst).substr(0, 4 * (kSide + 1)),
            "ffff........\n"
            "f..f........\n"
            "f..f........\n"
            "ffff........\n");
  DDReleaseSurface(&dst);
}

}  // namespace
