#include "platform/dd/surface_recovery.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/containers/checked_vector.h"
#include "core/log/ec_log.h"
#include "platform/dd/bitmap_data.h"
#include "platform/dd/dd_init.h"
#include "platform/dd/device_records.h"
#include "platform/dd/fill.h"
#include "platform/dd/palette.h"
#include "platform/dd/screen_surfaces.h"
#include "core/mesbox/mesbox.h"
#include "platform/dd/surface_create.h"
#include "platform/dd/surface_from_file.h"
#include "support/temp_dir.h"
#include "tests/platform/dd/display_fixture.h"
#include "tools/sample/media/bmp_writer.h"

namespace {

int g_fontsLost = 0;
int g_fontsRestored = 0;

class SurfaceRecoveryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_fontsLost = g_fontsRestored = 0;
    SetFontRestoreHooks([] { ++g_fontsLost; }, [] { ++g_fontsRestored; });
    cRgbImage image(3, 2, {10, 20, 30});
    image.Set(2, 1, {200, 100, 50});
    const std::vector<uint8_t> bytes = EncodeBmp24(image);
    WriteFileBytes(dir_.path() / "pic.bmp", std::string(bytes.begin(), bytes.end()));
    picture_ = dir_.file("pic.bmp");
  }
  void TearDown() override { SetFontRestoreHooks(nullptr, nullptr); }

  TempDir dir_;
  std::string picture_;
};

// Records kept by value in a vector grown one by one, then a device loss: the
// restore reaches each record where it lives now.
TEST_F(SurfaceRecoveryTest, Direct3DRecreatesEveryTextureAfterAReset) {
  ScopedDisplay display({1, 32, 1});
  cVector<DDSURFACEDATA> surfaces;
  for (int i = 0; i < 200; ++i) {
    surfaces.emplace_back();
    DDSURFACEDATA& sd = surfaces.back();
    switch (i % 3) {
      case 0: ASSERT_EQ(DDCreateSurfaceFromFile(&sd, picture_.c_str(), 1, 32, 0, i % 2, nullptr, 0, 0, 0, 0), 0); break;
      case 1: ASSERT_TRUE(DDCreateSurface(&sd, 4, 4, 1, 0, DTMEMORYTYPE_VIDEO_RT, nullptr, 0)); break;
      default: ASSERT_TRUE(DDCreateSurface(&sd, 4, 4, 1, 0, DTMEMORYTYPE_SYSTEM, nullptr, 0)); break;
    }
    if (i % 3 != 0) DDFillSurfaceRGB(&sd, 0xFF123456);
  }
  SimulateDeviceLoss();
  TempDir logDir;
  SetEcLog(1, logDir.file("EC_Game.txt").c_str());
  EXPECT_EQ(DDRestoreSurface(), 0);  // still lost
  SetEcLog(0, "");
  EXPECT_NE(ReadFileBytes(logDir.file("EC_Game.txt")).find("リセット可能な状態ではありません"), std::string::npos);
  SimulateDeviceResettable();
  EXPECT_EQ(DDRestoreSurface(), 1);
  EXPECT_EQ(g_fontsLost, 2);
  EXPECT_EQ(g_fontsRestored, 1);
  for (int i = 0; i < 200; ++i) {
    SCOPED_TRACE(i);
    DDSURFACEDATA& sd = surfaces.CheckedVectorAt(i);
    ASSERT_NE(sd.Pixels(), nullptr);
    switch (i % 3) {
      case 0:
        EXPECT_EQ(PixelAt(sd, 2, 1), 0xFFC86432u);  // the picture again
        EXPECT_EQ(sd.bLost, 0);
        break;
      case 1:
        EXPECT_EQ(PixelAt(sd, 0, 0), 0u);  // empty: its owner redraws it
        EXPECT_EQ(sd.bLost, 1);
        break;
      default:
        EXPECT_EQ(PixelAt(sd, 0, 0), 0xFF123456u);  // system memory keeps its pixels
        break;
    }
  }
  ASSERT_NE(g_SDBackBuffer.Pixels(), nullptr);
}

TEST_F(SurfaceRecoveryTest, DirectDrawReloadsPicturesFlagsEmptySurfacesAndSetsThePaletteAgain) {
  BITMAPDATA table[3] = {};
  std::snprintf(table[0].szFileName, sizeof table[0].szFileName, "%s", picture_.c_str());
  std::snprintf(table[1].szFileName, sizeof table[1].szFileName, "E");
  table[1].nWidth = table[1].nHeight = 2;
  std::snprintf(table[2].szFileName, sizeof table[2].szFileName, "%s", picture_.c_str());
  table[2].bSystemMemory = 1;
  for (int32_t bpp : {8, 32}) {
    SCOPED_TRACE(bpp);
    DDSURFACEDATA surfaces[3];
    SetMesBoxAnswerer([](const std::string&, const std::string&, unsigned) { return 1; });
    ASSERT_TRUE(DDInit(0, g_hWnd, 640, 480, bpp, 0, 0, 1, 60, 0, surfaces, table, 3));
    for (int i = 0; i < 256; ++i) g_PaletteWork[static_cast<std::size_t>(i)] = {static_cast<uint8_t>(i), 1, 2, 0};
    const int32_t all[] = {0, 1, 2};
    ASSERT_TRUE(DDLoadBitmapList(surfaces, all, 3));
    DDFillSurfaceRGB(&surfaces[2], 7);  // drawn over: kept, not reloaded
    const uint32_t picturePixel = PixelAt(surfaces[0], 2, 1);
    EXPECT_TRUE(DDRestore());  // nothing lost: nothing happens
    SimulateDirectDrawLoss();
    EXPECT_EQ(surfaces[0].Pixels(), nullptr);
    EXPECT_TRUE(DDRestore());
    EXPECT_EQ(PixelAt(surfaces[0], 2, 1), picturePixel);
    EXPECT_EQ(surfaces[0].bLost, 0);
    EXPECT_EQ(surfaces[1].bLost, 1);
    EXPECT_EQ(surfaces[2].bLost, 0);
    EXPECT_EQ(PixelAt(surfaces[2], 0, 0), 7u);
    if (bpp == 8) EXPECT_EQ(g_lpDDPalette->Entries()[200], (PALETTEENTRY{200, 1, 2, 0}));
    EXPECT_EQ(g_fontsRestored, bpp == 8 ? 1 : 2);
    DDReleaseAll();
    SetMesBoxAnswerer(nullptr);
  }
}

TEST_F(SurfaceRecoveryTest, EachRestoreIsANoOpInTheOtherMode) {
  {
    ScopedDisplay display({0, 32, 1});
    EXPECT_EQ(DDRestoreSurface(), 1);
  }
  ScopedDisplay display({1, 32, 1});
  EXPECT_TRUE(DDRestore());
  EXPECT_EQ(g_fontsRestored, 0);
}

}  // namespace
