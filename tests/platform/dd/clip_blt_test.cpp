#include <gtest/gtest.h>

#include <string>

#include "platform/dd/blit.h"
#include "platform/dd/surface_create.h"
#include "tests/platform/dd/display_fixture.h"

namespace {

struct BltArgs {
  int32_t x, y, w, h, sx, sy, sw, sh;
  friend bool operator==(const BltArgs&, const BltArgs&) = default;
};

std::string Show(const BltArgs& a) {
  return std::to_string(a.x) + "," + std::to_string(a.y) + " " + std::to_string(a.w) + "x" + std::to_string(a.h) +
         " <- " + std::to_string(a.sx) + "," + std::to_string(a.sy) + " " + std::to_string(a.sw) + "x" +
         std::to_string(a.sh);
}

// Destination 10 x 10, source 8 x 8.
TEST(ClipBltTest, RectanglesAreCutToBothSurfaces) {
  const struct {
    const char* what;
    int32_t direct3D;
    BltArgs in;
    int32_t left;
    BltArgs out;
  } cases[] = {
      {"width 0", 1, {0, 0, 0, 4, 0, 0, 0, 4}, 0, {}},
      {"negative height", 0, {0, 0, 4, -1, 0, 0, 4, -1}, 0, {}},
      {"inside", 1, {1, 1, 4, 4, 2, 2, 4, 4}, 1, {1, 1, 4, 4, 2, 2, 4, 4}},
      {"x < 0", 0, {-2, 0, 4, 4, 0, 0, 4, 4}, 1, {0, 0, 2, 4, 2, 0, 2, 4}},
      {"past right", 1, {8, 0, 4, 4, 0, 0, 4, 4}, 1, {8, 0, 2, 4, 0, 0, 2, 4}},
      {"past bottom", 0, {0, 8, 4, 4, 0, 0, 4, 4}, 1, {0, 8, 4, 2, 0, 0, 4, 2}},
      {"wholly off the destination", 0, {10, 0, 4, 4, 0, 0, 4, 4}, 0, {}},
      // The kept part of a source that starts outside lands where it belongs.
      {"sx < 0", 1, {3, 0, 4, 4, -1, 0, 4, 4}, 1, {4, 0, 3, 4, 0, 0, 3, 4}},
      {"sy < 0", 0, {0, 3, 4, 4, 0, -2, 4, 4}, 1, {0, 5, 4, 2, 0, 0, 4, 2}},
      {"source past its right", 1, {0, 0, 4, 4, 6, 0, 4, 4}, 1, {0, 0, 2, 4, 6, 0, 2, 4}},
      {"scaled sx < 0", 1, {0, 0, 8, 8, -2, 0, 4, 4}, 1, {4, 0, 4, 8, 0, 0, 2, 4}},
      {"scaled sx < 0", 0, {0, 0, 8, 8, -2, 0, 4, 4}, 1, {4, 0, 4, 8, 0, 0, 2, 4}},
      {"mirrored inside", 1, {0, 0, 4, 4, 8, 0, -4, 4}, 1, {0, 0, 4, 4, 8, 0, -4, 4}},
      {"mirrored past the source", 1, {0, 0, 4, 4, 10, 0, -4, 4}, 1, {2, 0, 2, 4, 8, 0, -2, 4}},
      {"mirrored", 0, {0, 0, 4, 4, 8, 0, -4, 4}, 0, {}},
      {"scaled past right", 0, {8, 0, 4, 4, 0, 0, 2, 2}, 1, {8, 0, 2, 4, 0, 0, 1, 2}},
      {"scaled x < 0", 0, {-2, 0, 4, 4, 0, 0, 2, 2}, 1, {0, 0, 2, 4, 1, 0, 1, 2}},
      {"scaled x < 0 left to the device", 1, {-2, 0, 4, 4, 0, 0, 2, 2}, 1, {-2, 0, 4, 4, 0, 0, 2, 2}},
      {"scaled wholly left", 0, {-4, 0, 4, 4, 0, 0, 2, 2}, 0, {}},
      {"sw 0", 1, {0, 0, 4, 4, 0, 0, 0, 4}, 0, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.what) + (c.direct3D ? " (Direct3D)" : " (DirectDraw)"));
    ScopedDisplay display({c.direct3D, 32, 1});
    DDSURFACEDATA dst, src;
    ASSERT_TRUE(DDCreateSurface(&dst, 10, 10, 0, 0, 0, nullptr, 0));
    ASSERT_TRUE(DDCreateSurface(&src, 8, 8, 0, 0, 0, nullptr, 0));
    BltArgs a = c.in;
    EXPECT_EQ(DDClipBlt(&dst, &a.x, &a.y, &a.w, &a.h, &src, &a.sx, &a.sy, &a.sw, &a.sh), c.left);
    if (c.left != 0) EXPECT_EQ(a, c.out) << Show(a);
  }
}

TEST(ClipBltTest, HugeSizesDoNotOverflow) {
  ScopedDisplay display({0, 32, 1});
  DDSURFACEDATA dst, src;
  ASSERT_TRUE(DDCreateSurface(&dst, 10, 10, 0, 0, 0, nullptr, 0));
  ASSERT_TRUE(DDCreateSurface(&src, 8, 8, 0, 0, 0, nullptr, 0));
  const BltArgs cases[] = {{-2000000000, 0, 2100000000, 4, 0, 0, 2, 4},
                           {-2000000000, 0, 2000000004, 4, 0, 0, 2000000004, 4},
                           {2000000000, 2000000000, 2100000000, 2100000000, -2000000000, 0, 7, 7}};
  for (BltArgs a : cases) {
    SCOPED_TRACE(Show(a));
    if (DDClipBlt(&dst, &a.x, &a.y, &a.w, &a.h, &src, &a.sx, &a.sy, &a.sw, &a.sh) == 0) continue;
    EXPECT_GE(a.x, 0);
    EXPECT_LE(int64_t{a.x} + a.w, 10);
    EXPECT_GE(a.sx, 0);
    EXPECT_LE(int64_t{a.sx} + a.sw, 8);
  }
}

}  // namespace
