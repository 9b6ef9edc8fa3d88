#include "platform/dd/rotate_blit.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/dd/palette.h"
#include "platform/dd/surface_create.h"
#include "tests/platform/dd/display_fixture.h"
#include "tests/platform/dd/effect_fixture.h"

namespace {

// Pixel (x, y) of the 32-bit test picture: opaque, its position in the colour.
uint32_t RotateSourcePixel(int32_t x, int32_t y) {
  return 0xFF000000u | static_cast<uint32_t>(x + 1) << 8 | static_cast<uint32_t>(y + 1);
}

class RotateBlitTest : public EffectPairTest {
 protected:
  void Open(const cDisplayMode& mode, eEffectSurface source) {
    EffectPairTest::Open(mode, {16, 16, source}, {32, 32, eEffectSurface::kRenderTarget});
    for (int32_t y = 0; y < 16; ++y) {
      for (int32_t x = 0; x < 16; ++x) SetPixel(src_, x, y, RotateSourcePixel(x, y));
    }
  }
  uint32_t At(int32_t x, int32_t y) { return PixelAt(dst_, x, y) | 0xFF000000u; }
};

struct RotatePath {
  const char* what;
  cDisplayMode mode;
  eEffectSurface source;
};
const RotatePath kRotatePaths[] = {
    {"DirectDraw", {0, 32, 1}, eEffectSurface::kRenderTarget},
    {"Direct3D CPU", {1, 32, 1}, eEffectSurface::kSystemMemory},
    {"Direct3D quad", {1, 32, 1}, eEffectSurface::kRenderTarget},
};

// Angle 0 copies the rectangle with the pivot on (dcx, dcy); 90 turns it clockwise.
TEST_F(RotateBlitTest, ZeroAndNinetyDegreesOnEveryPath) {
  for (const RotatePath& path : kRotatePaths) {
    SCOPED_TRACE(path.what);
    Open(path.mode, path.source);
    // The 8 x 8 rectangle at (4, 4), pivot (4, 4) onto (16, 16).
    ASSERT_TRUE(DDBltRotate(&dst_, 16, 16, 8, 8, 4, 4, 0, &src_, 4, 4, 0));
    for (int32_t y = 0; y < 8; ++y) {
      for (int32_t x = 0; x < 8; ++x) EXPECT_EQ(At(12 + x, 12 + y), RotateSourcePixel(4 + x, 4 + y)) << x << "," << y;
    }
    FillPixels(dst_, 0);
    ASSERT_TRUE(DDBltRotate(&dst_, 16, 16, 8, 8, 4, 4, 90, &src_, 4, 4, 0));
    // The fixed-point turn keeps the pivot pixel on (dcx, dcy); the quad turns
    // about the pivot's corner, which puts that pixel one to the left.
    const int32_t px = path.source == eEffectSurface::kRenderTarget && path.mode.bDirect3D != 0 ? 15 : 16;
    EXPECT_EQ(At(px, 16), RotateSourcePixel(8, 8));
    EXPECT_EQ(At(px, 17), RotateSourcePixel(9, 8));  // one right of the pivot goes one below
    EXPECT_EQ(At(px - 1, 16), RotateSourcePixel(8, 9));  // one below goes one left
    Close();
  }
}

// Away from the edges the quad and the fixed-point turn show the same picture
// (within a pixel: the quad samples pixel centres, the CPU truncates).
TEST_F(RotateBlitTest, SoftwareAndQuadAgreeAwayFromTheEdge) {
  constexpr int32_t kAngle = 30;
  std::vector<uint32_t> quad, cpu;
  for (eEffectSurface source : {eEffectSurface::kRenderTarget, eEffectSurface::kSystemMemory}) {
    Open({1, 32, 1}, source);
    ASSERT_TRUE(DDBltRotate(&dst_, 16, 16, 16, 16, 8, 8, kAngle, &src_, 0, 0, 0));
    auto& out = source == eEffectSurface::kRenderTarget ? quad : cpu;
    for (int32_t y = 0; y < 32; ++y) {
      for (int32_t x = 0; x < 32; ++x) out.push_back(At(x, y));
    }
    Close();
  }
  int32_t compared = 0;
  for (int32_t y = 11; y < 21; ++y) {
    for (int32_t x = 11; x < 21; ++x) {
      const int32_t qx = static_cast<int32_t>((quad[static_cast<std::size_t>(y * 32 + x)] >> 8) & 0xFF);
      const int32_t qy = static_cast<int32_t>(quad[static_cast<std::size_t>(y * 32 + x)] & 0xFF);
      const int32_t cx = static_cast<int32_t>((cpu[static_cast<std::size_t>(y * 32 + x)] >> 8) & 0xFF);
      const int32_t cy = static_cast<int32_t>(cpu[static_cast<std::size_t>(y * 32 + x)] & 0xFF);
      EXPECT_LE(std::abs(qx - cx), 1) << x << "," << y;
      EXPECT_LE(std::abs(qy - cy), 1) << x << "," << y;
      ++compared;
    }
  }
  EXPECT_EQ(compared, 100);
}

// A mirror view's cell is shown mirrored on both Direct3D paths.
TEST_F(RotateBlitTest, AMirrorViewRotatesTheMirroredCell) {
  for (eEffectSurface source : {eEffectSurface::kRenderTarget, eEffectSurface::kSystemMemory}) {
    SCOPED_TRACE(source == eEffectSurface::kRenderTarget ? "quad" : "CPU");
    Open({1, 32, 1}, source);
    DDSURFACEDATA view;
    view.lpShareSD = &src_;
    ASSERT_TRUE(DDCreateSurface(&view, 16, 16, 0, 0, 0, &src_, 0));
    view.nMirrorCellW = 8;
    ASSERT_TRUE(DDBltRotate(&dst_, 16, 16, 8, 8, 4, 4, 0, &view, 8, 0, 0));
    for (int32_t x = 0; x < 8; ++x) EXPECT_EQ(At(12 + x, 12), RotateSourcePixel(15 - x, 0)) << x;
    DDReleaseSurface(&view);
    Close();
  }
}

TEST_F(RotateBlitTest, TheColourKeyIsLeftOutWithFlagOne) {
  Open({0, 32, 1}, eEffectSurface::kRenderTarget);
  g_dwColorKey = RotateSourcePixel(5, 5);
  FillPixels(dst_, 0x00ABCDEF);
  ASSERT_TRUE(DDBltRotate(&dst_, 16, 16, 8, 8, 4, 4, 0, &src_, 4, 4, 1));
  EXPECT_EQ(PixelAt(dst_, 13, 13), 0x00ABCDEFu);
  EXPECT_EQ(At(14, 13), RotateSourcePixel(6, 5));
}

// Sizes from data: the loops stop at the destination.
TEST_F(RotateBlitTest, AHugeRectangleFinishesWithinTheSurface) {
  Open({0, 32, 1}, eEffectSurface::kRenderTarget);
  ASSERT_TRUE(DDBltRotate(&dst_, 16, 16, 1 << 30, 1 << 30, 1 << 29, 1 << 29, 45, &src_, 0, 0, 0));
  ASSERT_TRUE(DDBltRotate(&dst_, 16, 16, 16, 16, 8, 8, 45, &src_, 0, 0, 0));
}

}  // namespace
