#include "platform/dd/fonts.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/dd/blit.h"
#include "platform/dd/device_records.h"
#include "platform/dd/font_lines.h"
#include "platform/dd/surface_tables.h"
#include "tests/platform/dd/font_fixture.h"

namespace {

TEST(FontLinesTest, LineLengthStopsAtTheFirstLineFeed) {
  EXPECT_EQ(LineLength(""), 0);
  EXPECT_EQ(LineLength("abc"), 3);
  EXPECT_EQ(LineLength("ab\ncd"), 2);
  EXPECT_EQ(LineLength("\n"), 0);
}

TEST(FontLinesTest, LongLinesAreCutAtACharacterBoundary) {
  std::string storage;
  const char* shortText = "ab\ncd";
  EXPECT_EQ(LinesWithin(shortText, 511, storage), shortText);  // no copy
  const struct {
    const char* what;
    std::string text;
    std::string expected;
  } cases[] = {
      {"half-width", std::string(5, 'A') + "\nB", "AAAA\nB"},
      {"a double-byte character across the limit is dropped", "AAAあ\nあいう", "AAA\nあい"},
      {"a trailing line feed stays", "AAAAAA\n", "AAAA\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(std::string(LinesWithin(c.text.c_str(), 4, storage)), c.expected);
  }
  EXPECT_EQ(CharsOfLine("あAい", 5), 3);
  EXPECT_EQ(CharsOfLine("あAい", 4), 3);  // a lead byte cut from its trail byte counts alone
}

TEST(FontTableTest, TheThreeFontsAndTheirDigitSheets) {
  for (const cDisplayMode& mode : {cDisplayMode{0, 8, 0}, cDisplayMode{1, 32, 1}}) {
    SCOPED_TRACE(mode.Name());
    cFontWorld world(mode);
    ASSERT_TRUE(world.ok());
    std::array<FONTDATA, kFontCount> table = g_FontTable;
    table[0].nFontCache = 1;
    table[1].nFontCache = 1;
    const int32_t firstSerial = mode.bDirect3D != 0 ? lpDTCon->nFontSerial : lpDDCon->nFontSerial;
    std::array<Font, kFontCount> fonts;
    EXPECT_EQ(CreateFontTable(fonts.data(), table.data(), kFontCount), 1);
    for (int32_t i = 0; i < kFontCount; ++i) {
      EXPECT_EQ(fonts[i].nSerial, firstSerial + i);
      EXPECT_EQ(fonts[i].nAdvance, table[i].nAdvance);
      // No surface table in this display: no window or symbol sheet.
      EXPECT_EQ(fonts[i].lpSymbolSD, nullptr);
      EXPECT_EQ(fonts[i].bSymbol, 0);
      EXPECT_EQ(fonts[i].m_lpFastFont_Half != nullptr, i < 2) << "font " << i;
    }
    EXPECT_EQ(fonts[0].m_lpFastFont_FullAdd->nCapacity, mode.bDirect3D != 0 ? 1024 : 960);
    std::array<DDSURFACEDATA, kFontCount> sheets;
    EXPECT_EQ(CreateNumberSurfaces(sheets.data(), g_BDNumbers.data(), kFontCount, fonts.data(), table.data()), 1);
    for (int32_t i = 0; i < kFontCount; ++i) {
      EXPECT_EQ(sheets[i].nWidth, table[i].nAdvance * 10);
      EXPECT_EQ(sheets[i].nHeight, table[i].nLineHeight);
    }
    // Every digit cell of font 1's sheet holds a glyph; the sheet is keyed around it.
    world.ClearDestination();
    DDBlt(&world.dst, 0, 0, 160, 16, &sheets[1], 0, 0, 1);
    int32_t textPixels = 0;
    EXPECT_TRUE(world.OnlyTextOrGround(&textPixels));
    for (int32_t d = 0; d < 10; ++d) EXPECT_TRUE(world.TextIn(d * 16, 0, 16, 16)) << "digit " << d;
    for (Font& font : fonts) font.Release();
  }
}

}  // namespace
