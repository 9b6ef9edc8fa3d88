#include "platform/dd/surface_from_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/log/ec_log.h"
#include "core/log/report_log.h"
#include "core/mesbox/mesbox.h"
#include "platform/dd/bitmap_data.h"
#include "platform/dd/blit.h"
#include "platform/dd/fill.h"
#include "platform/dd/dd_init.h"
#include "platform/dd/device_config.h"
#include "platform/dd/device_records.h"
#include "platform/dd/palette.h"
#include "platform/dd/palette_load.h"
#include "platform/dd/palette_map.h"
#include "platform/dd/surface_create.h"
#include "support/temp_dir.h"
#include "tests/platform/dd/display_fixture.h"
#include "tools/sample/media/bmp_writer.h"

namespace {

constexpr cRgb kMagenta{255, 0, 255};
constexpr cRgb kRedRgb{255, 0, 0};
constexpr cRgb kBlueRgb{0, 0, 255};

class SurfaceFromFileTest : public ::testing::Test {
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
  std::string WriteRow(const std::string& name, const std::vector<cRgb>& row) {
    cRgbImage image(static_cast<int32_t>(row.size()), 1);
    for (std::size_t x = 0; x < row.size(); ++x) image.Set(static_cast<int32_t>(x), 0, row[x]);
    return Write(name, EncodeBmp24(image));
  }
  std::string Log() const { return ReadFileBytes(dir_.file("Report_Game.txt")); }

  TempDir dir_;
};

// The transparent colour as the start-up sets it from (255, 0, 255).
void SetMagentaKey(const cDisplayMode& mode) {
  if (mode.nBpp == 8) {
    g_dwColorKey = 3;
    return;
  }
  DDSetTransmit(255, 0, 255);
  if (lpDTCon != nullptr) lpDTCon->rgbTransmitKey = {255, 0, 255};
  if (lpDDCon != nullptr) lpDDCon->rgbTransmitKey = {255, 0, 255};
}

TEST_F(SurfaceFromFileTest, TheTransparentColourLoadsAsEachModesKey) {
  const std::string trueColour = WriteRow("key24.bmp", {kMagenta, kRedRgb, kBlueRgb});
  cIndexedImage indexed(3, 1);
  indexed.Set(0, 0, 3), indexed.Set(1, 0, 7), indexed.Set(2, 0, 9);
  const std::string eightBit = Write("key8.bmp", EncodeBmp8(indexed, cPalette256{}));
  for (const cDisplayMode& mode : kAllModes) {
    SCOPED_TRACE(mode.Name());
    ScopedDisplay display(mode);
    SetMagentaKey(mode);
    DDSURFACEDATA sd;
    const std::string& file = mode.nBpp == 8 ? eightBit : trueColour;
    ASSERT_EQ(DDCreateSurfaceFromFile(&sd, file.c_str(), 1, mode.nBpp, 0, 0, nullptr, 0, 0, 0, 0), kCreateOk);
    EXPECT_EQ(sd.nWidth, 3);
    EXPECT_STREQ(sd.szFileName, file.c_str());
    if (lpDTCon != nullptr) {
      EXPECT_EQ(PixelAt(sd, 0, 0), 0u);
      EXPECT_EQ(ArgbAt(sd, 1, 0), 0xFFFF0000u);
      EXPECT_EQ(ArgbAt(sd, 2, 0), 0xFF0000FFu);
    } else {
      EXPECT_EQ(PixelAt(sd, 0, 0), g_dwColorKey);
      EXPECT_NE(PixelAt(sd, 1, 0), g_dwColorKey);
    }
  }
}

TEST_F(SurfaceFromFileTest, SixteenBitColoursThatWouldBecomeTheKeyAreMovedOneStep) {
  const struct {
    cRgb key, colour;
    uint32_t expected;
  } cases[] = {
      {kMagenta, {255, 3, 255}, 0xF81E},  // blue at its maximum: one down
      {{0, 0, 0}, {1, 1, 1}, 0x0001},     // otherwise one up
      {kMagenta, {255, 0, 255}, 0xF81F},  // the key colour itself stays the key
  };
  for (const auto& c : cases) {
    ScopedDisplay display({0, 16, 0});
    DDSetTransmit(c.key.r, c.key.g, c.key.b);
    lpDDCon->rgbTransmitKey = {c.key.b, c.key.g, c.key.r};
    const std::string file = WriteRow("nudge.bmp", {c.colour});
    DDSURFACEDATA sd;
    ASSERT_EQ(DDCreateSurfaceFromFile(&sd, file.c_str(), 1, 16, 0, 0, nullptr, 0, 0, 0, 0), kCreateOk);
    EXPECT_EQ(PixelAt(sd, 0, 0), c.expected);
  }
}

TEST_F(SurfaceFromFileTest, MirrorCellsFlipEachWholeCellInBothModes) {
  cRgbImage sheet(5, 1);
  for (int32_t x = 0; x < 5; ++x) sheet.Set(x, 0, {static_cast<uint8_t>(10 * (x + 1)), 0, 0});
  const std::string file = Write("sheet.bmp", EncodeBmp24(sheet));
  const struct {
    int32_t direct3D, cellW;
    std::vector<uint32_t> reds;
  } cases[] = {
      {0, 2, {20, 10, 40, 30, 0}},  // the partial last cell is not copied
      {1, 2, {20, 10, 40, 30, 50}},
      {0, 0, {10, 20, 30, 40, 50}},
      {1, -2, {10, 20, 30, 40, 50}},  // cells below one dot do not mirror
      {0, -2, {10, 20, 30, 40, 50}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.cellW) + (c.direct3D != 0 ? " Direct3D" : " DirectDraw"));
    ScopedDisplay display({c.direct3D, 32, 1});
    DDSURFACEDATA sd;
    ASSERT_EQ(DDCreateSurfaceFromFile(&sd, file.c_str(), 1, 32, 0, 0, nullptr, 0, c.cellW, 0, 0), kCreateOk);
    for (int32_t x = 0; x < 5; ++x) EXPECT_EQ((PixelAt(sd, x, 0) >> 16) & 0xFF, c.reds[static_cast<std::size_t>(x)]) << x;
  }
}

// A loaded texture is copied without a look at its alpha until something draws
// into it; then its half-transparent texels blend again.
TEST_F(SurfaceFromFileTest, DrawingIntoALoadedTextureMakesItsAlphaCountAgain) {
  ScopedDisplay display({1, 32, 1});
  const std::string file = WriteRow("opaque.bmp", {kRedRgb, kRedRgb});
  DDSURFACEDATA picture, target;
  ASSERT_EQ(DDCreateSurfaceFromFile(&picture, file.c_str(), 1, 32, 0, 0, nullptr, 0, 0, 0, 0), kCreateOk);
  ASSERT_TRUE(DDCreateSurface(&target, 2, 1, 0, 0, 0, nullptr, 0));
  DDFillSurfaceRGB(&target, 0xFF0000FF);
  DDBlt(&target, 0, 0, 2, 1, &picture, 0, 0, 1);
  EXPECT_EQ(PixelAt(target, 0, 0), 0xFFFF0000u);
  DDFillRectRGB(&picture, 1, 0, 1, 1, 0x80FF0000);  // not a render target: written as it is
  DDFillSurfaceRGB(&target, 0xFF0000FF);
  DDBlt(&target, 0, 0, 2, 1, &picture, 0, 0, 1);
  EXPECT_EQ(PixelAt(target, 0, 0), 0xFFFF0000u);
  EXPECT_EQ(PixelAt(target, 1, 0), 0xBF80007Fu);
}

TEST_F(SurfaceFromFileTest, MemoryTypeTwoFromAFileLoadsAManagedTextureWithAMessage) {
  ScopedDisplay display({1, 32, 1});
  const std::string file = WriteRow("two.bmp", {kRedRgb});
  SetEcLog(1, dir_.file("EC_Game.txt").c_str());
  DDSURFACEDATA sd;
  EXPECT_EQ(DDCreateSurfaceFromFile(&sd, file.c_str(), 1, 32, 0, DTMEMORYTYPE_VIDEO_NORT, nullptr, 0, 0, 0, 0),
            kCreateOk);
  SetEcLog(0, "");
  EXPECT_EQ(sd.lpDT->nMemoryType, DTMEMORYTYPE_VIDEO_RT);
  EXPECT_EQ(sd.lpDT->bRenderTarget, 0);
  EXPECT_NE(ReadFileBytes(dir_.file("EC_Game.txt")).find("DTMEMORYTYPE_VIDEO_NORTの指定は未対応です"), std::string::npos);
}

TEST_F(SurfaceFromFileTest, CheckBitmapSizeMeasuresOnlyInDirectDraw) {
  const std::string file = WriteRow("size.bmp", {kRedRgb, kRedRgb, kRedRgb});
  {
    ScopedDisplay display({1, 32, 1});
    int32_t tooLarge = 7;
    EXPECT_EQ(DDCheckBitmapSize(&tooLarge, file.c_str(), 1, 1), 1);
    EXPECT_EQ(tooLarge, 7);
  }
  ScopedDisplay display({0, 32, 1});
  const struct {
    int32_t maxW, maxH, tooLarge;
  } cases[] = {{3, 1, 0}, {2, 1, 1}, {3, 0, 1}};
  for (const auto& c : cases) {
    int32_t tooLarge = -1;
    EXPECT_EQ(DDCheckBitmapSize(&tooLarge, file.c_str(), c.maxW, c.maxH), 1);
    EXPECT_EQ(tooLarge, c.tooLarge) << c.maxW << "x" << c.maxH;
  }
  int32_t tooLarge = 5;
  EXPECT_EQ(DDCheckBitmapSize(&tooLarge, dir_.file("none.bmp").c_str(), 3, 1), 0);
  EXPECT_EQ(tooLarge, 0);
}

TEST_F(SurfaceFromFileTest, BadFilesAndPathsFailWithCodeEight) {
  std::vector<uint8_t> damaged = EncodeBmp24(cRgbImage(4, 4));
  damaged.resize(damaged.size() - 5);
  const std::string damagedFile = Write("damaged.bmp", damaged);
  const std::string longPath = dir_.file(std::string(300, 'a') + ".bmp");
  for (const cDisplayMode& mode : {cDisplayMode{1, 32, 1}, cDisplayMode{0, 32, 1}}) {
    SCOPED_TRACE(mode.Name());
    ScopedDisplay display(mode);
    for (const std::string& file : {damagedFile, longPath, dir_.file("missing.bmp")}) {
      DDSURFACEDATA sd;
      EXPECT_EQ(DDCreateSurfaceFromFile(&sd, file.c_str(), 1, 32, 0, 0, nullptr, 0, 0, 0, 0), kLoadImageErr);
      EXPECT_EQ(sd.Pixels(), nullptr);
    }
  }
  EXPECT_NE(Log().find("damaged.bmp (pixel data past the end)"), std::string::npos) << Log();
}

TEST_F(SurfaceFromFileTest, CopyBitmapRefusesAPictureOfAnotherSizeInEveryDepth) {
  const std::string file = WriteRow("wide.bmp", {kRedRgb, kRedRgb, kRedRgb, kRedRgb, kRedRgb});
  for (int32_t bpp : {8, 16, 32}) {
    ScopedDisplay display({0, bpp, 0});
    DDSURFACEDATA sd;
    ASSERT_TRUE(DDCreateSurface(&sd, 4, 1, 0, 0, 0, nullptr, 0));
    const uint32_t before = PixelAt(sd, 3, 0);
    EXPECT_FALSE(CopyBitmap(&sd, file.c_str(), bpp, 0, 0, 0)) << bpp;
    EXPECT_EQ(sd.nWidth, 4);
    EXPECT_EQ(PixelAt(sd, 3, 0), before);
  }
}

TEST_F(SurfaceFromFileTest, TheBitmapListToleratesOnlyEntriesMarkedSo) {
  const std::string good = WriteRow("good.bmp", {kRedRgb, kBlueRgb});
  BITMAPDATA table[4] = {};
  std::snprintf(table[0].szFileName, sizeof table[0].szFileName, "%s", good.c_str());
  std::snprintf(table[1].szFileName, sizeof table[1].szFileName, "%s", dir_.file("gone.bmp").c_str());
  table[1].bNoError = 1;
  std::snprintf(table[2].szFileName, sizeof table[2].szFileName, "E");
  table[2].nWidth = 8, table[2].nHeight = 2;
  std::snprintf(table[3].szFileName, sizeof table[3].szFileName, "%s", dir_.file("needed.bmp").c_str());
  std::vector<std::string> boxes;
  for (const cDisplayMode& mode : {cDisplayMode{1, 32, 1}, cDisplayMode{0, 32, 1}}) {
    SCOPED_TRACE(mode.Name());
    DDSURFACEDATA surfaces[4];
    ASSERT_TRUE(DDInit(mode.bDirect3D, g_hWnd, 640, 480, 32, 0, 1, 1, 60, 0, surfaces, table, 4));
    boxes.clear();
    SetMesBoxAnswerer([&boxes](const std::string& text, const std::string&, unsigned) {
      boxes.push_back(text);
      return 1;
    });
    const int32_t first3[] = {0, 1, 2};
    EXPECT_TRUE(DDLoadBitmapList(surfaces, first3, 3));
    EXPECT_NE(surfaces[0].Pixels(), nullptr);
    EXPECT_EQ(surfaces[1].Pixels(), nullptr);
    EXPECT_EQ(surfaces[2].nWidth, 8);
    EXPECT_TRUE(boxes.empty());
    const int32_t required[] = {3};
    EXPECT_FALSE(DDLoadBitmapList(surfaces, required, 1));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], dir_.file("needed.bmp") + " の読み込みに失敗！");
    DDReleaseAll();
    SetMesBoxAnswerer(nullptr);
  }
}

}  // namespace
