#include "platform/dd/fast_font.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/text/sjis.h"
#include "platform/dd/fill.h"
#include "platform/dd/full_width_set.h"
#include "platform/dd/surface_create.h"
#include "tests/platform/dd/display_fixture.h"

namespace {

TEST(FastFontTest, CacheGeometryPerModeAndFont) {
  struct Case {
    const char* what;
    int32_t direct3D, advance, lineHeight;
    int32_t columns, rows;
  };
  const Case cases[] = {
      {"font 0, Direct3D: 320 x 320, 1024 cells", 1, 10, 10, 32, 32},
      {"font 0, DirectDraw: 320 x 300, 960 cells", 0, 10, 10, 32, 30},
      {"font 1, Direct3D: 512 x 512", 1, 16, 16, 32, 32},
      {"font 1, DirectDraw: 512 x 480", 0, 16, 16, 32, 30},
      {"font 2, Direct3D", 1, 32, 32, 32, 32},
      {"font 2, DirectDraw: the back buffer limits", 0, 32, 32, 20, 15},
      {"no advance: no cells", 0, 0, 16, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const FASTFONTGEOMETRY g = FullCacheGeometry(c.direct3D, c.advance, c.lineHeight, 640, 480);
    EXPECT_EQ(g.nColumns, c.columns);
    EXPECT_EQ(g.nRows, c.rows);
  }
  EXPECT_EQ(HalfCacheGeometry().nColumns, 16);
  EXPECT_EQ(HalfCacheGeometry().nRows, 16);
}

TEST(FastFontTest, TheFullWidthSetHas256DistinctCharacters) {
  std::set<std::string> seen;
  for (int32_t i = 0; i < kFullWidthSetCount; ++i) {
    const char* glyph = kFullWidthSet + 2 * i;
    ASSERT_TRUE(IsSjisDoubleByte(glyph)) << "character " << i;
    seen.insert(std::string(glyph, 2));
  }
  EXPECT_EQ(seen.size(), 256u);
  EXPECT_EQ(std::string(kFullWidthSet, 2), "０");
  EXPECT_EQ(std::string(kFullWidthSet + 2 * 255, 2), "：");
  EXPECT_EQ(std::string(kFullWidthSet + 2 * 10, 4), "ー～");
}

// Glyphs take the next cell until the cache is full; a glyph listed twice is
// found at its first cell.
TEST(FastFontTest, GlyphsTakeCellsInOrderAndAreFoundFromTheFirst) {
  ScopedDisplay display({0, 8, 0});
  SetTestPalette();
  FastFont cache(kFastFontFull, 2, 1, 2, 2);
  ASSERT_EQ(cache.nCapacity, 4);
  ASSERT_EQ(cache.Surface.nWidth, 4);
  ASSERT_EQ(cache.Surface.nHeight, 2);
  for (const char* glyph : {"あ", "い", "あ", "う"}) EXPECT_EQ(cache.AddGlyph(glyph), 1);
  EXPECT_EQ(cache.AddGlyph("え"), 0);
  EXPECT_EQ(cache.nCount, 4);
  const FASTFONTGLYPH& last = cache.GlyphList[3];
  EXPECT_EQ(last.nIndex, 3);
  EXPECT_EQ(last.nCellX, 2);
  EXPECT_EQ(last.nCellY, 1);
  // Cells coloured by number: 30 + cell.
  for (int32_t cell = 0; cell < 4; ++cell) DDFillRect(&cache.Surface, (cell % 2) * 2, cell / 2, 2, 1, 30 + static_cast<uint32_t>(cell));
  DDSURFACEDATA dst;
  ASSERT_TRUE(DDCreateSurface(&dst, 2, 1, 0, 0, 0, nullptr, 0));
  const struct {
    const char* glyph;
    int32_t found;
    uint32_t pixel;
  } cases[] = {{"あ", 1, 30}, {"い", 1, 31}, {"う", 1, 33}, {"え", 0, kGround}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.glyph);
    DDFillSurface(&dst, kGround);
    EXPECT_EQ(cache.DrawGlyph(&dst, 0, 0, c.glyph, 1), c.found);
    EXPECT_EQ(PixelAt(dst, 1, 0), c.pixel);
  }
  // A cell of the half-width layout: code 3 is column 1, row 1 of a 2-column cache.
  DDFillSurface(&dst, kGround);
  cache.DrawCell(&dst, 0, 0, 3, 1);
  EXPECT_EQ(PixelAt(dst, 0, 0), 33u);
}

}  // namespace
