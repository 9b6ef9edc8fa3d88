// The bitmap and font tables: which pictures are transparent, which may be
// missing, which share one loaded picture, the empty work surfaces, and the
// links LinkBitmapTables makes.

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/globals/global_mark.h"
#include "core/globals/global_order.h"
#include "platform/dd/bitmap_table.h"
#include "platform/dd/font_table.h"
#include "platform/dd/link_bitmap_tables.h"
#include "platform/dd/surface_tables.h"

namespace {

using Entries = std::vector<int32_t>;

Entries EntriesWhere(const std::function<bool(const BITMAPDATA&)>& test) {
  Entries entries;
  for (int32_t i = 0; i < kBitmapCount; ++i) {
    if (test(g_BitmapTable[static_cast<std::size_t>(i)])) entries.push_back(i);
  }
  return entries;
}

// first..last, then the single entries; sorted.
Entries Span(int32_t first, int32_t last, Entries more = {}) {
  for (int32_t i = first; i <= last; ++i) more.push_back(i);
  std::sort(more.begin(), more.end());
  return more;
}

const BITMAPDATA& Entry(int32_t i) { return g_BitmapTable[static_cast<std::size_t>(i)]; }
std::string FileOf(int32_t i) { return Entry(i).szFileName; }

TEST(BitmapTable, TransparentExceptThePaletteTitleWorldBackAndOneScreenBuffer) {
  EXPECT_EQ(EntriesWhere([](const BITMAPDATA& b) { return b.bTransparent == 0; }), (Entries{0, 47, 54, 66}));
  EXPECT_EQ(FileOf(0), "bmp\\plt\\Palette.bmp");
  EXPECT_EQ(FileOf(47), "bmp\\Title.bmp");
  EXPECT_EQ(FileOf(54), "bmp\\WorldBack.bmp");
}

TEST(BitmapTable, OnlyOptionalPicturesMayFailToLoad) {
  // Charas 2 to 8 with their copies, the game-mode picture, the world-map
  // background and the eight stage backgrounds.
  EXPECT_EQ(EntriesWhere([](const BITMAPDATA& b) { return b.bNoError != 0; }),
            Span(6, 19, Span(24, 37, Span(55, 62, {48, 54}))));

  struct FileCase {
    const char* file;
    size_t entries;
    bool failOk;
  };
  const FileCase cases[] = {
      {"bmp\\Character1.bmp", 4, false}, {"bmp\\Character5.bmp", 4, true}, {"bmp\\Shot.bmp", 4, false},
      {"bmp\\Block.bmp", 2, false},      {"背景その1.bmp", 1, true},       {"背景その8.bmp", 1, true},
  };
  for (const FileCase& c : cases) {
    const Entries named = EntriesWhere([&](const BITMAPDATA& b) { return std::strcmp(b.szFileName, c.file) == 0; });
    EXPECT_EQ(named.size(), c.entries) << c.file;
    for (int32_t i : named) EXPECT_EQ(Entry(i).bNoError != 0, c.failOk) << c.file << " entry " << i;
  }
  EXPECT_EQ(EntriesWhere([](const BITMAPDATA& b) { return std::strcmp(b.szFileName, "bmp\\Character5.bmp") == 0; }),
            (Entries{12, 13, 30, 31}));
}

// Sharing entry and the entry whose picture it shows.
struct ShareCase {
  int32_t entry;
  int32_t source;
};
const ShareCase kShares[] = {
    {3, 2},   {5, 4},   {7, 6},   {9, 8},   {11, 10}, {13, 12}, {15, 14}, {17, 16}, {19, 18}, {21, 20},
    {22, 4},  {23, 4},  {24, 6},  {25, 6},  {26, 8},  {27, 8},  {28, 10}, {29, 10}, {30, 12}, {31, 12},
    {32, 14}, {33, 14}, {34, 16}, {35, 16}, {36, 18}, {37, 18}, {38, 20}, {39, 20}, {41, 40}, {44, 43},
    {68, 67},
};

int32_t ExpectedSource(int32_t entry) {
  for (const ShareCase& c : kShares) {
    if (c.entry == entry) return c.source;
  }
  return -1;
}

TEST(BitmapTable, SharingEntriesShowAPictureLoadedEarlierFromTheSameFile) {
  for (int32_t i = 0; i < kBitmapCount; ++i) {
    const int32_t source = ExpectedSource(i);
    EXPECT_EQ(BitmapShareSource(i), source) << "entry " << i;
    EXPECT_EQ(Entry(i).bShare, source >= 0 ? 1 : 0) << "entry " << i;
    if (source < 0) continue;
    // The loader creates the surfaces in table order; the source must be loaded
    // first and hold its own picture, not borrow one.
    EXPECT_LT(source, i);
    EXPECT_EQ(Entry(source).bShare, 0) << "entry " << i;
    EXPECT_EQ(FileOf(source), FileOf(i)) << "entry " << i;
    EXPECT_EQ(Entry(source).nWidth, Entry(i).nWidth);
    EXPECT_EQ(Entry(source).nHeight, Entry(i).nHeight);
  }
  EXPECT_EQ(BitmapShareSource(-1), -1);
  EXPECT_EQ(BitmapShareSource(kBitmapCount), -1);
}

TEST(BitmapTable, MirroredCellsAndMemoryPlacement) {
  const Entries charaMirrors = {5, 7, 9, 11, 13, 15, 17, 19, 23, 25, 27, 29, 31, 33, 35, 37};
  EXPECT_EQ(EntriesWhere([](const BITMAPDATA& b) { return b.nMirrorCellW == 32; }), charaMirrors);
  EXPECT_EQ(EntriesWhere([](const BITMAPDATA& b) { return b.nMirrorCellW == 16; }), (Entries{21, 39}));
  EXPECT_EQ(EntriesWhere([](const BITMAPDATA& b) { return b.nMirrorCellW != 0 && b.nMirrorCellW != 16 && b.nMirrorCellW != 32; }),
            Entries{});
  EXPECT_EQ(EntriesWhere([](const BITMAPDATA& b) { return b.nMirrorCellH != 0 || b.bPalMap != 0; }), Entries{});
  EXPECT_EQ(EntriesWhere([](const BITMAPDATA& b) { return b.bSystemMemory != 0; }),
            Span(22, 39, Span(63, 66, {0, 3, 41, 44, 53, 54, 68, 70})));
}

TEST(BitmapTable, EmptySurfacesAreTheLastEightWithTheirSizes) {
  struct EmptyCase {
    int32_t entry, width, height, memoryType;
  };
  const EmptyCase cases[] = {
      {63, 256, 960, 0}, {64, 256, 960, 0}, {65, 640, 480, 0},   {66, 640, 480, 0},
      {67, 640, 480, 0}, {68, 640, 480, 0}, {69, 1024, 1024, 2}, {70, 1024, 1024, 1},
  };
  EXPECT_EQ(EntriesWhere([](const BITMAPDATA& b) { return std::strcmp(b.szFileName, kEmptyBitmapName) == 0; }),
            Span(63, 70));
  for (const EmptyCase& c : cases) {
    EXPECT_EQ(Entry(c.entry).nWidth, c.width) << "entry " << c.entry;
    EXPECT_EQ(Entry(c.entry).nHeight, c.height) << "entry " << c.entry;
    EXPECT_EQ(Entry(c.entry).nMemoryType, c.memoryType) << "entry " << c.entry;
  }
  // Pictures loaded from files take their size from the file.
  EXPECT_EQ(EntriesWhere([](const BITMAPDATA& b) { return b.nWidth != 0 || b.nHeight != 0 || b.nMemoryType != 0; }),
            Span(63, 70));
}

TEST(BitmapTable, StageBackgroundsLieInTheProjectFolder) {
  EXPECT_EQ(FileOf(55), "背景その1.bmp");
  EXPECT_EQ(FileOf(62), "背景その8.bmp");
  for (int32_t i = 55; i <= 62; ++i) EXPECT_EQ(FileOf(i).find('\\'), std::string::npos) << "entry " << i;
}

TEST(LinkBitmapTables, EachSharingSurfacePointsAtItsSourceAndNoOtherIsTouched) {
  std::array<DDSURFACEDATA, kBitmapCount> surfaces{};
  DDSURFACEDATA other;
  surfaces[0].lpShareSD = &other;  // an entry with its own picture keeps what it holds
  LinkBitmapTables(surfaces);
  for (int32_t i = 1; i < kBitmapCount; ++i) {
    const int32_t source = ExpectedSource(i);
    const DDSURFACEDATA* expected = source >= 0 ? &surfaces[static_cast<std::size_t>(source)] : nullptr;
    EXPECT_EQ(surfaces[static_cast<std::size_t>(i)].lpShareSD, expected) << "entry " << i;
  }
  EXPECT_EQ(surfaces[0].lpShareSD, &other);

  LinkBitmapTables();
  EXPECT_EQ(g_SDTable[68].lpShareSD, &g_SDTable[67]);
  EXPECT_EQ(g_SDTable[39].lpShareSD, &g_SDTable[20]);
  EXPECT_EQ(g_SDTable[40].lpShareSD, nullptr);
}

TEST(FontTable, ThreeFontsFramedWithTheWindowAndSymbolPictures) {
  struct FontCase {
    int32_t height, advance, lineHeight, cache;
  };
  const FontCase cases[kFontCount] = {{9, 10, 10, kFontCacheFromIni}, {16, 16, 16, kFontCacheFromIni}, {30, 32, 32, 0}};
  for (int i = 0; i < kFontCount; ++i) {
    const FONTDATA& font = g_FontTable[static_cast<std::size_t>(i)];
    EXPECT_STREQ(font.szFace, "ＭＳ ゴシック") << "font " << i;
    EXPECT_EQ(font.nFontWidth, 0);
    EXPECT_EQ(font.nFontHeight, cases[i].height) << "font " << i;
    EXPECT_EQ(font.nAdvance, cases[i].advance) << "font " << i;
    EXPECT_EQ(font.nLineHeight, cases[i].lineHeight) << "font " << i;
    EXPECT_EQ(font.nFontCache, cases[i].cache) << "font " << i;
    EXPECT_EQ(font.nColor, 241);
    EXPECT_EQ(font.nFrameWidth, 1);
    EXPECT_EQ(font.nFrameColor, 240);
    EXPECT_EQ(FileOf(font.nWindowSurface), "bmp\\Window.bmp");
    EXPECT_EQ(FileOf(font.nSymbolSurface), "bmp\\Symbol.bmp");
  }
}

TEST(SurfaceTables, DigitSurfaceDescriptorsAreNamelessAndTransparent) {
  for (const BITMAPDATA& b : g_BDNumbers) {
    EXPECT_STREQ(b.szFileName, "");
    EXPECT_EQ(b.bTransparent, 1);
    EXPECT_EQ(b.bSystemMemory | b.nMemoryType | b.bShare | b.bPalMap | b.bNoError, 0);
    EXPECT_EQ(b.nMirrorCellW | b.nMirrorCellH | b.nWidth | b.nHeight, 0);
  }
}

TEST(SurfaceTables, SurfaceTableIsBuiltBeforeTheDigitSurfaces) {
  const std::vector<int32_t> built = ConstructedGlobals();
  const auto table = std::find(built.begin(), built.end(), kGlobalSDTable);
  const auto numbers = std::find(built.begin(), built.end(), kGlobalSDNumbers);
  ASSERT_NE(table, built.end());
  ASSERT_NE(numbers, built.end());
  EXPECT_LT(table, numbers);
  EXPECT_TRUE(std::is_sorted(built.begin(), built.end()));
}

}  // namespace
