#include "platform/dd/font.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/text/sjis.h"
#include "platform/dd/blit.h"
#include "platform/dd/box_glyph_face.h"
#include "platform/dd/device_records.h"
#include "platform/dd/fill.h"
#include "platform/dd/fonts.h"
#include "platform/dd/glyph_draw.h"
#include "platform/dd/glyph_face.h"
#include "platform/dd/palette.h"
#include "platform/dd/surface_create.h"
#include "platform/dd/surface_recovery.h"
#include "tests/platform/dd/font_fixture.h"

namespace {

// Characters of the full-width set, one outside it, half-width letters and
// katakana, punctuation: every path of the character walk.
constexpr const char* kFontMixedText = "AZ09あア漢ｱﾝ\n！？Qg";

std::vector<uint32_t> FontDstPixels(DDSURFACEDATA& sd) {
  std::vector<uint32_t> out;
  for (int32_t y = 0; y < sd.nHeight; ++y) {
    for (int32_t x = 0; x < sd.nWidth; ++x) out.push_back(PixelAt(sd, x, y));
  }
  return out;
}

// Where a surface holds the text colour, as '#', row by row.
std::string TextPixelsOf(DDSURFACEDATA& sd) {
  const uint32_t text = TextPixelOf(&sd, kFontTextColour, 0xFFF10E97u);
  std::string out;
  for (int32_t y = 0; y < sd.nHeight; ++y) {
    for (int32_t x = 0; x < sd.nWidth; ++x) out += PixelAt(sd, x, y) == text ? '#' : '.';
    out += '\n';
  }
  return out;
}

std::vector<uint32_t> FontCellPixels(DDSURFACEDATA& sd, int32_t x, int32_t y) {
  std::vector<uint32_t> out;
  for (int32_t yy = y; yy < y + kFontCell; ++yy) {
    for (int32_t xx = x; xx < x + kFontCell; ++xx) out.push_back(PixelAt(sd, xx, yy));
  }
  return out;
}

TEST(FontMeasureTest, SizesInCells) {
  struct Case {
    const char* what;
    std::string text;
    int32_t cx, cy;
  };
  const Case cases[] = {
      {"empty: width 0, one line", "", 0, 16},
      {"half-width", "AB", 32, 16},
      {"trailing line feed adds a line", "AB\n", 32, 32},
      {"full- and half-width take one cell each", "あいう\nA", 48, 32},
      {"only line feeds", "\n\n", 0, 48},
      {"lead byte without a trail byte counts alone", "A\x82", 32, 16},
      {"a 600-byte line counts its first 511 bytes", std::string(600, 'A'), 511 * 16, 16},
      {"the cut applies per line", std::string(600, 'A') + "\nB", 511 * 16, 32},
  };
  Font font;
  font.nAdvance = 16;
  font.nLineHeight = 16;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const TEXTSIZE size = font.MeasureTextFixed(c.text.c_str());
    EXPECT_EQ(size.cx, c.cx);
    EXPECT_EQ(size.cy, c.cy);
  }
  // 300 copies of a double-byte character: 600 bytes, cut to 510 (255 characters).
  std::string wide;
  for (int i = 0; i < 300; ++i) wide += "あ";
  EXPECT_EQ(font.MeasureTextFixed(wide.c_str()).cx, 255 * 16);
  EXPECT_EQ(font.MeasureTextFixed(nullptr).cy, 16);
}

// What every mode must draw alike: the text colour on untouched pixels, the
// same pixels with the caches on and off, blanks as empty cells.
TEST(FontDrawTest, CachedAndDirectTextGiveTheSamePixelsInEveryMode) {
  for (const cDisplayMode& mode : kAllModes) {
    SCOPED_TRACE(mode.Name());
    cFontWorld world(mode);
    ASSERT_TRUE(world.ok());
    std::vector<uint32_t> byCache[2];
    for (int32_t cache : {0, 1}) {
      Font font;
      world.CreateFont(font, cache);
      world.ClearDestination();
      font.DrawText(&world.dst, 5, 3, kFontMixedText);
      int32_t textPixels = 0;
      EXPECT_TRUE(world.OnlyTextOrGround(&textPixels)) << "cache " << cache;
      EXPECT_GT(textPixels, 100) << "cache " << cache;
      byCache[cache] = FontDstPixels(world.dst);
      font.Release();
    }
    EXPECT_TRUE(byCache[0] == byCache[1]);
  }
}

// Direct3D composes text for a destination that is no render target (a
// system-memory texture) on the work surface and blits it over: the same
// pixels as text drawn on a render target directly.
TEST(FontDrawTest, Direct3DTextForASystemMemoryTextureGoesThroughTheWorkSurface) {
  for (const cDisplayMode& mode : {cDisplayMode{1, 32, 1}, cDisplayMode{1, 16, 1}}) {
    SCOPED_TRACE(mode.Name());
    cFontWorld world(mode);
    ASSERT_TRUE(world.ok());
    DDSURFACEDATA system;
    ASSERT_TRUE(DDCreateSurface(&system, world.dst.nWidth, world.dst.nHeight, 0, 1, DTMEMORYTYPE_SYSTEM, nullptr, 0));
    for (int32_t cache : {0, 1}) {
      Font font;
      world.CreateFont(font, cache, true);
      world.ClearDestination();
      DDFillSurface(&system, kGround);
      font.DrawText(&world.dst, 5, 3, kFontMixedText);
      font.DrawText(&system, 5, 3, kFontMixedText);
      // Fills of the two kinds of texture may round the ground differently; the
      // text must cover the same pixels in the same colour.
      const std::string drawn = TextPixelsOf(system);
      EXPECT_NE(drawn.find('#'), std::string::npos);
      EXPECT_EQ(drawn, TextPixelsOf(world.dst)) << "cache " << cache;
      font.Release();
    }
  }
}

TEST(FontDrawTest, TextColourIsTheModesOwn) {
  const struct {
    cDisplayMode mode;
    uint32_t argb;  // the text pixel read back as 0xAARRGGBB (8 bits: the index in blue)
  } cases[] = {
      {{0, 8, 0}, 0xFF000000u | 241},
      {{1, 32, 1}, 0xFFF10E97u},
      {{0, 32, 1}, 0xFFF10E97u},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode.Name());
    cFontWorld world(c.mode);
    ASSERT_TRUE(world.ok());
    Font font;
    world.CreateFont(font, 1);
    font.DrawText(&world.dst, 0, 0, "あ");
    // The box glyph's outline starts at the cell's corner.
    EXPECT_EQ(ArgbAt(world.dst, 0, 0), c.argb);
    font.Release();
  }
}

TEST(FontDrawTest, BlanksAdvanceAndDrawNothing) {
  for (const cDisplayMode& mode : {cDisplayMode{0, 8, 0}, cDisplayMode{1, 32, 1}}) {
    SCOPED_TRACE(mode.Name());
    cFontWorld world(mode);
    ASSERT_TRUE(world.ok());
    for (int32_t cache : {0, 1}) {
      Font font;
      world.CreateFont(font, cache);
      world.ClearDestination();
      font.DrawText(&world.dst, 0, 0, "A");
      font.DrawText(&world.dst, 2 * kFontCell, 0, "B");
      const std::vector<uint32_t> apart = FontDstPixels(world.dst);
      for (const char* text : {"A B", "A　B"}) {
        SCOPED_TRACE(text);
        world.ClearDestination();
        font.DrawText(&world.dst, 0, 0, text);
        EXPECT_TRUE(FontDstPixels(world.dst) == apart);
      }
      for (const char* empty : {"", " 　\n "}) {
        world.ClearDestination();
        font.DrawText(&world.dst, 0, 0, empty);
        int32_t textPixels = -1;
        EXPECT_TRUE(world.OnlyTextOrGround(&textPixels));
        EXPECT_EQ(textPixels, 0);
      }
      font.Release();
    }
  }
}

TEST(FontDrawTest, SmallLettersComeFromTheSymbolSheet) {
  for (const cDisplayMode& mode : {cDisplayMode{0, 8, 0}, cDisplayMode{0, 16, 0}, cDisplayMode{1, 32, 1}}) {
    SCOPED_TRACE(mode.Name());
    cFontWorld world(mode);
    ASSERT_TRUE(world.ok());
    Font font;
    world.CreateFont(font, 1, true);
    ASSERT_EQ(font.bSymbol, 1);
    font.DrawText(&world.dst, 0, 0, "abc");
    for (int32_t i = 0; i < 3; ++i) {
      EXPECT_EQ(FontCellPixels(world.dst, i * kFontCell, 0), FontCellPixels(world.symbols, i * kFontCell, 0)) << "letter " << i;
    }
    EXPECT_FALSE(world.TextIn(0, 0, 3 * kFontCell, kFontCell));
    world.ClearDestination();
    font.DrawText(&world.dst, 0, 0, "ABC");
    int32_t textPixels = 0;
    EXPECT_TRUE(world.OnlyTextOrGround(&textPixels));
    for (int32_t i = 0; i < 3; ++i) EXPECT_TRUE(world.TextIn(i * kFontCell, 0, kFontCell, kFontCell)) << "capital " << i;
    // A sheet without backing (not loaded yet) draws nothing; the letters are glyphs then.
    DDReleaseSurface(&world.symbols);
    world.ClearDestination();
    font.DrawText(&world.dst, 0, 0, "abc");
    EXPECT_TRUE(world.OnlyTextOrGround(&textPixels));
    EXPECT_TRUE(world.TextIn(0, 0, kFontCell, kFontCell));
    font.Release();
  }
}

TEST(FontCacheTest, ACharacterOutsideTheSetIsAddedOnceAndCounted) {
  for (const cDisplayMode& mode : {cDisplayMode{0, 32, 1}, cDisplayMode{1, 32, 1}}) {
    SCOPED_TRACE(mode.Name());
    cFontWorld world(mode);
    ASSERT_TRUE(world.ok());
    Font font;
    world.CreateFont(font, 1);
    FastFont& full = *font.m_lpFastFont_FullAdd;
    ASSERT_EQ(full.nCount, 256);
    font.DrawText(&world.dst, 0, 0, "漢");
    EXPECT_EQ(full.nCount, 257);
    const std::vector<uint32_t> first = FontCellPixels(world.dst, 0, 0);
    world.ClearDestination();
    font.DrawText(&world.dst, 0, 0, "漢字漢");
    EXPECT_EQ(full.nCount, 258);
    EXPECT_EQ(FontCellPixels(world.dst, 0, 0), first);
    EXPECT_EQ(FontCellPixels(world.dst, 2 * kFontCell, 0), first);
    EXPECT_EQ(std::string(full.GlyphList[256].szGlyph), "漢");
    font.Release();
  }
}

TEST(FontCacheTest, AFullDirectDrawCacheDrawsNewCharactersDirectly) {
  cFontWorld world({0, 16, 0});
  ASSERT_TRUE(world.ok());
  Font font;
  world.CreateFont(font, 1);
  FastFont& full = *font.m_lpFastFont_FullAdd;
  ASSERT_EQ(full.nCapacity, 960);
  // Fill the list with other double-byte codes (lead 0x88, 0x89...).
  for (int32_t code = 0x889F; full.nCount < full.nCapacity; ++code) {
    const char glyph[3] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF), 0};
    if (IsSjisTrailByte(static_cast<unsigned char>(glyph[1]))) full.AddGlyph(glyph);
  }
  ASSERT_EQ(full.nCount, 960);
  for (int32_t round = 0; round < 2; ++round) {
    world.ClearDestination();
    font.DrawText(&world.dst, 0, 0, "鬱");
    EXPECT_TRUE(world.TextIn(0, 0, kFontCell, kFontCell)) << "round " << round;
    EXPECT_EQ(full.nCount, 960);
  }
  font.Release();
}

TEST(FontCacheTest, HalfWidthKatakanaComeFromRowsTenToThirteen) {
  for (const cDisplayMode& mode : {cDisplayMode{0, 8, 0}, cDisplayMode{1, 32, 1}}) {
    SCOPED_TRACE(mode.Name());
    cFontWorld world(mode);
    ASSERT_TRUE(world.ok());
    Font font;
    world.CreateFont(font, 1);
    DDSURFACEDATA& cache = font.m_lpFastFont_Half->Surface;
    for (const unsigned char code : {0xA1, 0xB1, 0xC8, 0xDF}) {
      SCOPED_TRACE(static_cast<int>(code));
      const int32_t row = code / 16;
      ASSERT_GE(row, 10);
      ASSERT_LE(row, 13);
      const char text[2] = {static_cast<char>(code), 0};
      world.ClearDestination();
      font.DrawText(&world.dst, 0, 0, text);
      // The cell's pixels, keyed, over the ground.
      DDSURFACEDATA expected;
      ASSERT_TRUE(DDCreateSurface(&expected, kFontCell, kFontCell, 0, 0, DTMEMORYTYPE_VIDEO_RT, nullptr, 0));
      DDFillSurface(&expected, kGround);
      DDBlt(&expected, 0, 0, kFontCell, kFontCell, &cache, (code % 16) * kFontCell, row * kFontCell, 1);
      EXPECT_EQ(FontCellPixels(world.dst, 0, 0), FontCellPixels(expected, 0, 0));
      EXPECT_TRUE(world.TextIn(0, 0, kFontCell, kFontCell));
    }
    font.Release();
  }
}

TEST(FontCacheTest, CachesShowTheSameCellsAfterALoss) {
  for (const cDisplayMode& mode : kAllModes) {
    SCOPED_TRACE(mode.Name());
    cFontWorld world(mode);
    ASSERT_TRUE(world.ok());
    Font font;
    world.CreateFont(font, 1);
    font.DrawText(&world.dst, 0, 0, "漢");  // added while running: must survive too
    const std::vector<uint32_t> half = FontDstPixels(font.m_lpFastFont_Half->Surface);
    const std::vector<uint32_t> full = FontDstPixels(font.m_lpFastFont_FullAdd->Surface);
    if (mode.bDirect3D != 0) {
      SimulateDeviceLoss();
      SimulateDeviceResettable();
      ASSERT_EQ(DDRestoreSurface(), 1);
      EXPECT_EQ(font.m_lpFastFont_FullAdd->Surface.bLost, 0);
    } else {
      SimulateDirectDrawLoss();
      ASSERT_TRUE(DDRestore());
      world.dst.lpDDS->lpDDSurface->Restore();  // the test's own surface
    }
    EXPECT_TRUE(FontDstPixels(font.m_lpFastFont_Half->Surface) == half);
    EXPECT_TRUE(FontDstPixels(font.m_lpFastFont_FullAdd->Surface) == full);
    world.ClearDestination();
    font.DrawText(&world.dst, 0, 0, "漢A");
    EXPECT_TRUE(world.TextIn(0, 0, kFontCell, kFontCell));
    EXPECT_TRUE(world.TextIn(kFontCell, 0, kFontCell, kFontCell));
    font.Release();
  }
}

TEST(FontListTest, AFontIsListedOnceAndLeavesTheListWhenReleased) {
  cFontWorld world({1, 32, 1});
  ASSERT_TRUE(world.ok());
  const auto listed = [](Font* font) { return std::count(g_FontList.begin(), g_FontList.end(), font); };
  Font font;
  world.CreateFont(font, 1);
  world.CreateFont(font, 1);
  EXPECT_EQ(listed(&font), 1);
  font.Release();
  EXPECT_EQ(listed(&font), 0);
  EXPECT_EQ(font.m_lpFastFont_Half, nullptr);
  // A recovery after the release leaves the released font alone.
  SimulateDeviceLoss();
  SimulateDeviceResettable();
  EXPECT_EQ(DDRestoreSurface(), 1);
  EXPECT_EQ(font.m_lpFastFont_FullAdd, nullptr);
  // A font destroyed without a release leaves no dangling entry either.
  std::uintptr_t gone = 0;  // only the address is compared, never used
  {
    Font scoped;
    world.CreateFont(scoped, 0);
    EXPECT_EQ(listed(&scoped), 1);
    gone = reinterpret_cast<std::uintptr_t>(&scoped);
  }
  EXPECT_EQ(std::count_if(g_FontList.begin(), g_FontList.end(),
                          [gone](Font* font) { return reinterpret_cast<std::uintptr_t>(font) == gone; }),
            0);
}

TEST(FontWindowTest, WindowsAndBoxesArePlacedAsAsked) {
  cFontWorld world({0, 8, 0}, 640, 480);
  ASSERT_TRUE(world.ok());
  Font font;
  world.CreateFont(font, 1);
  const uint32_t frame = kFontFrameColour;
  // x = 10000 centres a 200-wide window on the 640-wide background: x = 220.
  font.DrawWindow(&world.dst, 10000, 100, 200, 50);
  EXPECT_EQ(PixelAt(world.dst, 219, 120), frame);
  EXPECT_EQ(PixelAt(world.dst, 420, 120), frame);
  EXPECT_EQ(PixelAt(world.dst, 218, 120), kGround);
  EXPECT_EQ(PixelAt(world.dst, 220, 120), 3u);
  // w = 0: two half-width characters of advance 16 and a margin of 8 make 40.
  world.ClearDestination();
  font.DrawTextBox(&world.dst, 100, 300, 0, 0, "AB", 8);
  EXPECT_EQ(PixelAt(world.dst, 99, 305), frame);
  EXPECT_EQ(PixelAt(world.dst, 140, 305), frame);
  EXPECT_EQ(PixelAt(world.dst, 139, 305), 3u);
  EXPECT_EQ(PixelAt(world.dst, 100, 316), frame);  // one line high
  EXPECT_FALSE(world.TextIn(100, 300, 8, kFontCell));
  EXPECT_TRUE(world.TextIn(108, 300, kFontCell, kFontCell));
  // A window background without backing: the box is not drawn, the text is.
  DDReleaseSurface(&world.window);
  world.ClearDestination();
  font.DrawTextBox(&world.dst, 100, 300, 0, 0, "AB", 8);
  EXPECT_EQ(PixelAt(world.dst, 139, 305), kGround);
  EXPECT_TRUE(world.TextIn(108, 300, kFontCell, kFontCell));
  font.Release();
}

TEST(FontFormatTest, FormattedAndLongTextsAreCutAtCharacterBoundaries) {
  cFontWorld world({0, 32, 1}, 600 * kFontCell, kFontCell);
  ASSERT_TRUE(world.ok());
  Font font;
  world.CreateFont(font, 1);
  // A 300-byte result keeps 255 characters: cell 254 drawn, 255 empty.
  font.DrawTextF(&world.dst, 0, 0, "%s", std::string(300, 'A').c_str());
  EXPECT_TRUE(world.TextIn(254 * kFontCell, 0, kFontCell, kFontCell));
  EXPECT_FALSE(world.TextIn(255 * kFontCell, 0, 45 * kFontCell, kFontCell));
  // A 600-byte line of double-byte characters is cut at 510 bytes.
  std::string wide;
  for (int i = 0; i < 300; ++i) wide += "あ";
  world.ClearDestination();
  font.DrawText(&world.dst, 0, 0, (wide + "\nB").c_str());
  EXPECT_TRUE(world.TextIn(254 * kFontCell, 0, kFontCell, kFontCell));
  EXPECT_FALSE(world.TextIn(255 * kFontCell, 0, 45 * kFontCell, kFontCell));
  // DrawTextBoxF formats into 511 bytes: 511 half-width cells wide plus the frame.
  world.ClearDestination();
  font.DrawTextBoxF(&world.dst, 1, 0, 0, 0, "%s", std::string(600, 'A').c_str());
  EXPECT_TRUE(world.TextIn(510 * kFontCell + 1, 0, kFontCell, kFontCell));
  EXPECT_EQ(PixelAt(world.dst, 1 + 511 * kFontCell, 4), PalNumToRGB(kFontFrameColour));  // the frame's right side
  font.Release();
}

TEST(FontRendererTest, MasksAreRenderedOnceWithoutTheCaches) {
  cFontWorld world({1, 32, 1});
  ASSERT_TRUE(world.ok());
  Font font;
  world.CreateFont(font, 0);
  const int32_t before = BoxGlyphRenderCount();
  font.DrawText(&world.dst, 0, 0, "漢漢漢");
  font.DrawText(&world.dst, 0, kFontCell, "漢");
  EXPECT_EQ(BoxGlyphRenderCount() - before, 1);
  font.Release();
}

TEST(FontRendererTest, AnUnknownFaceStillDraws) {
  for (const cDisplayMode& mode : {cDisplayMode{0, 8, 0}, cDisplayMode{1, 32, 1}}) {
    SCOPED_TRACE(mode.Name());
    cFontWorld world(mode);
    ASSERT_TRUE(world.ok());
    SetGlyphFaceFactory({});  // the installed fonts, through fontconfig
    Font font;
    ASSERT_TRUE(font.Create("NoSuchFaceAnywhere", 0, 16, kFontCell, kFontCell, kFontTextColour, &world.window, 1, kFontFrameColour,
                            nullptr, 0));
    ASSERT_NE(font.Face(), nullptr);
    EXPECT_LE(font.Face()->LineHeight(), 16);
    font.DrawText(&world.dst, 0, 0, "Aあ漢");
    int32_t textPixels = 0;
    // No anti-aliasing: nothing between the text colour and the ground.
    EXPECT_TRUE(world.OnlyTextOrGround(&textPixels));
    for (int32_t i = 0; i < 3; ++i) EXPECT_TRUE(world.TextIn(i * kFontCell, 0, kFontCell, kFontCell)) << "character " << i;
    font.Release();
  }
}

TEST(FontCreateTest, TextColourWordPerModeAndDepth) {
  const struct {
    cDisplayMode mode;
    PALETTEENTRY entry;
    uint32_t dwColor;
  } cases[] = {
      {{1, 32, 1}, {241, 14, 151, 0}, 0xFFF10E97u},
      {{1, 16, 1}, {241, 14, 151, 0}, 0xFFF10E97u},
      {{0, 32, 1}, {241, 14, 151, 0}, 0x00970EF1u},
      {{0, 8, 0}, {241, 14, 151, 0}, 0x00970EF1u},
      // At 16 bits the palette holds 5-6-5 channel values, widened to 0..255.
      {{0, 16, 0}, {31, 32, 1, 0}, 8u << 16 | 129u << 8 | 255u},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode.Name());
    cFontWorld world(c.mode);
    ASSERT_TRUE(world.ok());
    g_Palette[kFontTextColour] = c.entry;
    Font font;
    world.CreateFont(font, 0);
    EXPECT_EQ(font.dwColor, c.dwColor);
    font.Release();
  }
}

TEST(FontCreateTest, ACacheWithoutCellSizeIsSwitchedOff) {
  cFontWorld world({0, 32, 1});
  ASSERT_TRUE(world.ok());
  Font font;
  ASSERT_TRUE(font.Create("test face", 0, 16, 0, 16, kFontTextColour, &world.window, 1, kFontFrameColour, nullptr, 1));
  EXPECT_EQ(font.bFontCache, 0);
  EXPECT_EQ(font.m_lpFastFont_Half, nullptr);
  EXPECT_EQ(font.m_lpFastFont_FullAdd, nullptr);
  // A proportional font still draws, one glyph after the other.
  font.DrawText(&world.dst, 0, 0, "AB");
  EXPECT_TRUE(world.TextIn(0, 0, 8, 16));
  EXPECT_TRUE(world.TextIn(8, 0, 8, 16));
  EXPECT_EQ(font.MeasureTextGdi("AB\nA").cx, 16);
  EXPECT_EQ(font.MeasureTextGdi("AB\nA").cy, 32);
  // Created again with a cell size and the switch on, the caches appear; off, they go.
  world.CreateFont(font, 1);
  EXPECT_NE(font.m_lpFastFont_FullAdd, nullptr);
  world.CreateFont(font, 0);
  EXPECT_EQ(font.m_lpFastFont_FullAdd, nullptr);
  font.Release();
}

}  // namespace
