#include "platform/dd/palette_load.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/log/report_log.h"
#include "platform/dd/device_config.h"
#include "platform/dd/device_records.h"
#include "platform/dd/palette.h"
#include "platform/dd/palette_map.h"
#include "platform/dd/surface_create.h"
#include "platform/dd/surface_from_file.h"
#include "support/temp_dir.h"
#include "tests/platform/dd/display_fixture.h"
#include "tools/sample/media/bmp_writer.h"

namespace {

// Distinct colours that stay distinct in every 16-bit layout.
cRgb TableColour(int i) {
  return {static_cast<uint8_t>(i % 32 * 8 + 7), static_cast<uint8_t>(i / 32 * 32 + 31), static_cast<uint8_t>(i / 2 + 1)};
}

// A palette image as the projects have it: 16 x 24, the 16 x 16 block from row
// 8 showing entry 16 r + c at (c, 8 + r); the top rows show entry 0.
cIndexedImage PaletteIndices(int32_t height = 24) {
  cIndexedImage image(16, height, 0);
  for (int r = 0; r < 16; ++r) {
    for (int c = 0; c < 16; ++c) image.Set(c, 8 + r, static_cast<uint8_t>(16 * r + c));
  }
  return image;
}

cPalette256 Table() {
  cPalette256 table{};
  for (int i = 0; i < 256; ++i) table[static_cast<std::size_t>(i)] = TableColour(i);
  return table;
}

class PaletteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(OpenReportLog(dir_.file("Report_Game.txt").c_str()), 1);
    g_Palette = {};
    g_dwColorKey = 0;
  }
  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    WriteFileBytes(dir_.path() / name, std::string(bytes.begin(), bytes.end()));
    return dir_.file(name);
  }
  std::string Palette8(uint32_t tableColours = 0, int32_t height = 24) {
    return Write("plt8.bmp", EncodeBmpIndexed(PaletteIndices(height), Table(), 8, tableColours, false));
  }
  std::string Palette24() {
    const cIndexedImage indices = PaletteIndices();
    cRgbImage image(16, 24);
    for (int32_t y = 0; y < 24; ++y) {
      for (int32_t x = 0; x < 16; ++x) image.Set(x, y, TableColour(indices.At(x, y)));
    }
    return Write("plt24.bmp", EncodeBmp24(image));
  }
  TempDir dir_;
};

TEST_F(PaletteTest, ThePaletteIsReadPerMode) {
  const struct {
    cDisplayMode mode;
    bool trueColourFile;
    PALETTEENTRY entry100;
  } cases[] = {
      {{1, 32, 1}, false, {39, 127, 51, 0xFF}},  // table, then the opaque pixels
      {{1, 32, 1}, true, {39, 127, 51, 0xFF}},   // pixels only
      {{1, 16, 0}, false, {32, 123, 49, 0xFF}},  // the table's flags; pixels through 5-bit channels
      {{0, 8, 0}, false, {39, 127, 51, PC_RESERVED}},
      {{0, 32, 1}, true, {39, 127, 51, 0}},      // the fourth byte as flags
      {{0, 16, 0}, true, {4, 31, 6, 0}},         // the display's own channel values
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode.Name() + (c.trueColourFile ? " from 24 bits" : " from 8 bits"));
    ScopedDisplay display(c.mode);
    g_Palette = {};
    const std::string file = c.trueColourFile ? Palette24() : Palette8();
    ASSERT_TRUE(DDLoadPaletteFromFile(g_Palette.data(), file.c_str()));
    EXPECT_EQ(g_Palette[100], c.entry100);
    if (c.mode.nBpp == 8) {
      EXPECT_EQ(g_Palette[5].peFlags, PC_EXPLICIT);
      EXPECT_EQ(g_lpDDPalette->Entries()[100], c.entry100);
    }
  }
}

TEST_F(PaletteTest, AShortColourTableGivesBlackAndASmallImageIsRefused) {
  {
    ScopedDisplay display({0, 8, 0});
    ASSERT_TRUE(DDLoadPaletteFromFile(g_Palette.data(), Palette8(10).c_str()));
    EXPECT_EQ(g_Palette[9], (PALETTEENTRY{79, 31, 5, PC_EXPLICIT}));
    EXPECT_EQ(g_Palette[10], (PALETTEENTRY{0, 0, 0, PC_RESERVED}));
  }
  for (const cDisplayMode& mode : {cDisplayMode{1, 32, 1}, cDisplayMode{0, 32, 1}, cDisplayMode{0, 16, 0}}) {
    SCOPED_TRACE(mode.Name());
    ScopedDisplay display(mode);
    EXPECT_FALSE(DDLoadPaletteFromFile(g_Palette.data(), Palette8(0, 20).c_str()));
  }
}

TEST_F(PaletteTest, TransparentColourForms) {
  {
    ScopedDisplay display({1, 32, 1});
    DDSetTransmit(255, 0, 255);
    EXPECT_EQ(lpDTCon->dwTransmitBack_32, 0xFFFF00FFu);
    EXPECT_EQ(lpDTCon->dwTransmit_32, 0u);
    EXPECT_EQ(lpDTCon->rgbTransmit, (RGBTRIPLE{255, 0, 255}));
  }
  {
    ScopedDisplay display({0, 32, 1});
    DDSetTransmit(1, 2, 3);
    EXPECT_EQ(g_dwColorKey, 0x00010203u);
  }
  {
    ScopedDisplay display({0, 16, 0});
    DDSetTransmit(255, 255, 255);
    EXPECT_EQ(g_dwColorKey, 0xFFFFu);
  }
  {
    // A 16-bit Direct3D palette image with the opaque pixel (31, 0, 31) at the top left.
    ScopedDisplay display({1, 16, 1});
    cRgbImage image(16, 24, {255, 0, 255});
    ASSERT_EQ(SetTrans(Write("t16.bmp", EncodeBmp24(image)).c_str()), 1);
    EXPECT_EQ(lpDTCon->rgbTransmit, (RGBTRIPLE{31, 0, 31}));
    EXPECT_EQ(lpDTCon->wTransmitBack_16, 0xFC1Fu);
  }
}

TEST_F(PaletteTest, SixteenBitDirectDrawSetTransAlsoKeysTrueColourPictures) {
  ScopedDisplay display({0, 16, 0});
  cIndexedImage indices = PaletteIndices();
  indices.Set(0, 0, 200);
  cPalette256 table = Table();
  table[200] = {255, 0, 255};
  const std::string palette = Write("plt.bmp", EncodeBmpIndexed(indices, table, 8, 0, false));
  ASSERT_EQ(SetTrans(palette.c_str()), 1);
  EXPECT_EQ(lpDDCon->rgbTransmitKey, (RGBTRIPLE{255, 0, 255}));
  cRgbImage picture(2, 1);
  picture.Set(0, 0, {255, 0, 255});
  picture.Set(1, 0, {0, 0, 0});
  const std::string file = Write("pic.bmp", EncodeBmp24(picture));
  DDSURFACEDATA sd;
  ASSERT_EQ(DDCreateSurfaceFromFile(&sd, file.c_str(), 1, 16, 0, 0, nullptr, 0, 0, 0, 0), kCreateOk);
  EXPECT_EQ(PixelAt(sd, 0, 0), g_dwColorKey);
  EXPECT_NE(PixelAt(sd, 1, 0), g_dwColorKey);  // black stays black
}

TEST_F(PaletteTest, PaletteMapsFindTheFirstEntryAndZeroForUnmatchedPixels) {
  const struct {
    cDisplayMode mode;
  } cases[] = {{{1, 32, 1}}, {{0, 32, 1}}, {{0, 16, 0}}, {{1, 16, 1}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode.Name());
    ScopedDisplay display(c.mode);
    ASSERT_TRUE(DDLoadPaletteFromFile(g_Palette.data(), Palette24().c_str()));
    g_Palette[7] = g_Palette[42];  // two entries of one colour: the lower wins
    cRgbImage picture(3, 1);
    picture.Set(0, 0, TableColour(42));
    picture.Set(1, 0, TableColour(200));
    picture.Set(2, 0, {1, 2, 250});  // in no entry
    const std::string file = Write("mapped.bmp", EncodeBmp24(picture));
    DDSURFACEDATA sd;
    ASSERT_EQ(DDCreateSurfaceFromFile(&sd, file.c_str(), 0, c.mode.nBpp, 0, 0, nullptr, 1, 0, 0, 0), kCreateOk);
    const uint8_t* map = lpDTCon != nullptr ? sd.lpDT->lpPalMap.get() : sd.lpDDS->lpPalMap.get();
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map[0], 7);
    EXPECT_EQ(map[1], 200);
    EXPECT_EQ(map[2], 0);
  }
}

TEST_F(PaletteTest, KeyedSixteenBitTexelsMapToEntryZero) {
  ScopedDisplay display({1, 16, 1});
  g_Palette[0] = {10, 20, 30, 0};
  g_Palette[1] = {0, 0, 0, 0};
  DDSURFACEDATA sd;
  ASSERT_TRUE(DDCreateSurface(&sd, 2, 1, 1, 0, DTMEMORYTYPE_SYSTEM, nullptr, 0));
  ASSERT_EQ(DDMakePalMap(&sd), 1);
  EXPECT_EQ(sd.lpDT->lpPalMap[0], 0);
}

}  // namespace
