#include "platform/dd/mosaic_filter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>
#include <string>

#include "platform/dd/palette.h"
#include "tests/platform/dd/display_fixture.h"
#include "tests/platform/dd/effect_fixture.h"

namespace {

class MosaicFilterTest : public EffectPairTest {
 protected:
  void Open(const cDisplayMode& mode, int32_t w, int32_t h) { EffectPairTest::Open(mode, {w, h}, {w, h}); }
  // Rows of the destination as letters, one per distinct colour in order of appearance.
  std::string Picture(int32_t w, int32_t h) {
    std::string out;
    std::vector<uint32_t> seen;
    for (int32_t y = 0; y < h; ++y) {
      for (int32_t x = 0; x < w; ++x) {
        const uint32_t p = PixelAt(dst_, x, y);
        auto it = std::find(seen.begin(), seen.end(), p);
        if (it == seen.end()) it = seen.insert(seen.end(), p);
        out += static_cast<char>('a' + (it - seen.begin()));
      }
      out += '\n';
    }
    return out;
  }
};

// Blocks of 4 over a 10 x 10 box: 4, 4 and 2 in each direction.
TEST_F(MosaicFilterTest, BlocksFromTheTopLeftCutAtTheBox) {
  for (const cDisplayMode& mode : {cDisplayMode{1, 32, 1}, cDisplayMode{0, 32, 1}}) {
    SCOPED_TRACE(mode.Name());
    Open(mode, 10, 10);
    for (int32_t y = 0; y < 10; ++y) {
      for (int32_t x = 0; x < 10; ++x) SetPixel(src_, x, y, 0xFF000000u | static_cast<uint32_t>(x / 4 * 3 + y / 4));
    }
    ASSERT_TRUE(DDMosaic(&dst_, 0, 0, 10, 10, 4, &src_, 0, 0, 0));
    const std::string row0 = "aaaabbbbcc\n", row1 = "ddddeeeeff\n", row2 = "gggghhhhii\n";
    EXPECT_EQ(Picture(10, 10), row0 + row0 + row0 + row0 + row1 + row1 + row1 + row1 + row2 + row2);
    Close();
  }
}

TEST_F(MosaicFilterTest, TopLeftPixelOrAverage) {
  Open({1, 32, 1}, 2, 2);
  SetPixel(src_, 0, 0, 0x40102030), SetPixel(src_, 1, 0, 0xFF000000), SetPixel(src_, 0, 1, 0xFF000000);
  SetPixel(src_, 1, 1, 0xFF000000);
  ASSERT_TRUE(DDMosaic(&dst_, 0, 0, 2, 2, 2, &src_, 0, 0, 0));
  EXPECT_EQ(PixelAt(dst_, 1, 1), 0xFF102030u);  // Direct3D: the corner, with alpha 255
  TearDown();
  Open({0, 32, 1}, 2, 2);
  g_dwColorKey = 0x00FF00FF;
  SetPixel(src_, 0, 0, 0x00102030), SetPixel(src_, 1, 0, 0x00302010), SetPixel(src_, 0, 1, 0x00FF00FF);
  SetPixel(src_, 1, 1, 0x00202020);
  ASSERT_TRUE(DDMosaic(&dst_, 0, 0, 2, 2, 2, &src_, 0, 0, 1));
  EXPECT_EQ(PixelAt(dst_, 0, 1), 0x00202020u);  // DirectDraw: the average of the three opaque pixels
}

TEST_F(MosaicFilterTest, TransparentBlocksStayUndrawn) {
  {
    Open({0, 8, 0}, 4, 2);
    g_dwColorKey = 0;
    FillPixels(dst_, 9);
    SetPixel(src_, 0, 0, 0), SetPixel(src_, 1, 0, 5), SetPixel(src_, 2, 0, 6);
    ASSERT_TRUE(DDMosaic(&dst_, 0, 0, 4, 2, 2, &src_, 0, 0, 1));
    EXPECT_EQ(PixelAt(dst_, 1, 1), 9u);  // the transparent top-left leaves its block
    EXPECT_EQ(PixelAt(dst_, 3, 1), 6u);
    Close();
  }
  {
    Open({0, 32, 1}, 2, 2);
    g_dwColorKey = 0x00FF00FF;
    FillPixels(src_, g_dwColorKey);
    FillPixels(dst_, 0x00123456);
    ASSERT_TRUE(DDMosaic(&dst_, 0, 0, 2, 2, 2, &src_, 0, 0, 1));
    EXPECT_EQ(PixelAt(dst_, 0, 0), 0x00123456u);  // nothing counted
  }
}

TEST_F(MosaicFilterTest, BlockSizesBelowOneDrawNothing) {
  Open({0, 32, 1}, 4, 4);
  FillPixels(src_, 0x00FFFFFF);
  for (int32_t n : {0, -4}) EXPECT_TRUE(DDMosaic(&dst_, 0, 0, 4, 4, n, &src_, 0, 0, 0)) << n;
  EXPECT_EQ(PixelAt(dst_, 0, 0), 0u);
}

}  // namespace
