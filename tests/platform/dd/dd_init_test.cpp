#include "platform/dd/dd_init.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/log/ec_log.h"
#include "core/mesbox/mesbox.h"
#include "core/timing/frame_pacer.h"
#include "platform/dd/device_config.h"
#include "platform/dd/device_records.h"
#include "platform/dd/surface_format.h"
#include "platform/dd/display_state.h"
#include "platform/dd/screen_surfaces.h"
#include "platform/dd/surface_create.h"
#include "support/temp_dir.h"
#include "tests/platform/dd/display_fixture.h"

namespace {

struct InitCase {
  cDisplayMode mode;
  int32_t fmtBackBuffer;  // Direct3D only
  int32_t fmtTexture;
  PIXELCHANNELS pixel;
  PIXELCHANNELS back;     // zero where not set
  ePixelFormat backBufferStore;
};

const PIXELCHANNELS k8888{{16, 8, 0, 24}, {255, 255, 255, 255}};
const PIXELCHANNELS k1555{{10, 5, 0, 15}, {31, 31, 31, 1}};
const PIXELCHANNELS k565BackBuffer{{11, 5, 0, 16}, {31, 63, 31, 0}};
const PIXELCHANNELS k565Display{{11, 5, 0, 0}, {31, 63, 31, 0}};
const PIXELCHANNELS k888Display{{16, 8, 0, 0}, {255, 255, 255, 0}};

TEST(DDInitTest, EveryModeSetsRecordsChannelsAndScreenSurfaces) {
  const InitCase cases[] = {
      {{1, 32, 1}, D3DFMT_X8R8G8B8, D3DFMT_A8R8G8B8, k8888, {}, ePixelFormat::kX8R8G8B8},
      {{1, 32, 0}, D3DFMT_X8R8G8B8, D3DFMT_A8R8G8B8, k8888, {}, ePixelFormat::kX8R8G8B8},
      {{1, 16, 1}, D3DFMT_A1R5G5B5, D3DFMT_A1R5G5B5, k1555, k1555, ePixelFormat::kA1R5G5B5},
      {{1, 16, 0}, D3DFMT_R5G6B5, D3DFMT_A1R5G5B5, k1555, k565BackBuffer, ePixelFormat::kR5G6B5},
      {{0, 32, 1}, 0, 0, k888Display, {}, ePixelFormat::kX8R8G8B8},
      {{0, 32, 0}, 0, 0, k888Display, {}, ePixelFormat::kX8R8G8B8},
      {{0, 16, 0}, 0, 0, k565Display, {}, ePixelFormat::kR5G6B5},
      {{0, 8, 0}, 0, 0, {}, {}, ePixelFormat::kP8},
  };
  for (const InitCase& c : cases) {
    SCOPED_TRACE(c.mode.Name());
    g_PixelChannels = {};
    g_BackBufferChannels = {};
    ScopedDisplay display(c.mode);
    ASSERT_TRUE(display.ok());
    EXPECT_EQ(g_bDDInit.load(), 1);
    EXPECT_EQ(g_nBpp.load(), c.mode.nBpp);
    EXPECT_EQ(g_nBytesPerPixel, c.mode.nBpp / 8);
    EXPECT_EQ(g_bWindowMode.load(), c.mode.nWindowMode);
    EXPECT_EQ(lpDTCon != nullptr, c.mode.bDirect3D == 1);
    EXPECT_EQ(lpDDCon != nullptr, c.mode.bDirect3D == 0);
    EXPECT_EQ(IsDirect3DPacing(), c.mode.bDirect3D == 1);
    EXPECT_EQ(g_PixelChannels, c.pixel);
    EXPECT_EQ(g_BackBufferChannels, c.back);
    ASSERT_NE(g_SDBackBuffer.Pixels(), nullptr);
    EXPECT_EQ(g_SDBackBuffer.Pixels()->Format(), c.backBufferStore);
    EXPECT_EQ(g_SDBackBuffer.nWidth, 640);
    EXPECT_EQ(g_SDBackBuffer.nHeight, 480);
    if (c.mode.bDirect3D == 1) {
      EXPECT_EQ(lpDTCon->fmtBackBuffer, c.fmtBackBuffer);
      EXPECT_EQ(lpDTCon->fmtTexture, c.fmtTexture);
      EXPECT_EQ(lpDTCon->dwDrawColor, 0xFFFFFFFFu);
      EXPECT_EQ(lpDTCon->nColorOp, D3DTOP_MODULATE);
      EXPECT_EQ(lpDTCon->nAlphaOp, D3DTOP_SELECTARG1);
      EXPECT_STREQ(g_SDBackBuffer.szName, "BackBuffer");
      EXPECT_EQ(g_SDBackBuffer.lpDT->bRenderTarget, 1);
      EXPECT_EQ(g_SDBackBuffer.lpDT->lpTexture, nullptr);
      EXPECT_STREQ(g_SDVirBackBuffer.szName, "VirBackBuffer");
      EXPECT_STREQ(g_SDWork.szName, "WorkSD");
      EXPECT_EQ(g_SDVirBackBuffer.lpDT->nSurfaceId, 1);
      EXPECT_EQ(g_SDWork.lpDT->nSurfaceId, 2);
      EXPECT_EQ(lpDTCon->lpTargetSD, &g_SDVirBackBuffer);
      EXPECT_EQ(g_SDPrimary.Pixels(), nullptr);
    } else {
      EXPECT_NE(g_SDPrimary.Pixels(), nullptr);
      ASSERT_NE(g_SDScreenCopy.Pixels(), nullptr);
      EXPECT_EQ(g_SDScreenCopy.bSystemMemory, 1);
      ASSERT_NE(g_lpDDPalette, nullptr);
      const auto& entries = g_lpDDPalette->Entries();
      // Full screen starts with ramps and a blue entry 0; a window keeps the
      // system colours at both ends.
      if (c.mode.nWindowMode == 0) {
        EXPECT_EQ(entries[0], (PALETTEENTRY{0, 0, 255, PC_RESERVED}));
        EXPECT_EQ(entries[250], (PALETTEENTRY{250, 250, 0, PC_RESERVED}));
      } else {
        EXPECT_EQ(entries[250], (PALETTEENTRY{250, 0, 0, PC_EXPLICIT}));
        EXPECT_EQ(entries[100], (PALETTEENTRY{100, 100, 0, PC_RESERVED}));
      }
    }
  }
  EXPECT_EQ(lpDTCon, nullptr);
  EXPECT_EQ(lpDDCon, nullptr);
}

TEST(DDInitTest, Direct3DAt8BitsFailsAndTheDirectDrawRetrySucceeds) {
  ASSERT_FALSE(DDInit(1, g_hWnd, 640, 480, 8, 0, 0, 1, 60, 0, nullptr, nullptr, 0));
  DDReleaseAll();
  EXPECT_EQ(lpDTCon, nullptr);
  EXPECT_EQ(lpDevice, nullptr);
  ASSERT_TRUE(DDInit(0, g_hWnd, 640, 480, 8, 0, 0, 1, 60, 0, nullptr, nullptr, 0));
  EXPECT_NE(lpDDCon, nullptr);
  EXPECT_EQ(lpDTCon, nullptr);
  EXPECT_EQ(g_SDBackBuffer.lpDT, nullptr);
  ASSERT_TRUE(g_SDBackBuffer.lpDDS);
  EXPECT_EQ(g_SDBackBuffer.Pixels()->Format(), ePixelFormat::kP8);
  DDReleaseAll();
}

TEST(DDInitTest, DirectDrawAt24BitsFailsWithTheDisplayModeCode) {
  TempDir dir;
  SetEcLog(1, dir.file("EC_Game.txt").c_str());
  EXPECT_FALSE(DDInit(0, g_hWnd, 640, 480, 24, 0, 0, 1, 60, 0, nullptr, nullptr, 0));
  DDReleaseAll();
  SetEcLog(0, "");
  EXPECT_NE(ReadFileBytes(dir.file("EC_Game.txt")).find("SETDISPLAYMODE_ERR"), std::string::npos);
}

TEST(DDInitTest, CheckInitResultNamesEveryCodeOfTheSetUp) {
  TempDir dir;
  SetEcLog(1, dir.file("EC_Game.txt").c_str());
  const struct {
    int32_t code;
    const char* name;
  } failing[] = {{1, "CREATEEX_ERR"},        {2, "SETCOOPLEVEL_ERR"}, {3, "SETDISPLAYMODE_ERR"},
                 {4, "CREATESURFACE_ERR"},   {5, "GETATTACHEDSURFACE_ERR"}, {6, "CREATEPALETTE_ERR"},
                 {7, "SETPALETTE_ERR"},      {10, "CLIPPER_ERR"},     {11, "SETHWND_ERR"},
                 {12, "SETCLIPPER_ERR"}};
  for (const auto& c : failing) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(DDCheckInitResult(c.code));
    const std::string log = ReadFileBytes(dir.file("EC_Game.txt"));
    EXPECT_EQ(log.substr(log.rfind(c.name)), std::string(c.name) + "\r\n");
  }
  for (int32_t code : {0, 8, 9, 13, -1}) EXPECT_TRUE(DDCheckInitResult(code)) << code;
  SetEcLog(0, "");
}

TEST(DDInitTest, ASurfaceLeftAliveIsReportedWhenDirectDrawIsReleased) {
  std::vector<std::string> boxes;
  SetMesBoxAnswerer([&boxes](const std::string& text, const std::string& caption, unsigned) {
    boxes.push_back(caption + ": " + text);
    return 1;
  });
  ASSERT_TRUE(DDInit(0, g_hWnd, 640, 480, 32, 0, 1, 1, 60, 0, nullptr, nullptr, 0));
  {
    DDSURFACEDATA released;
    ASSERT_TRUE(DDCreateSurface(&released, 8, 8, 1, 0, 0, nullptr, 0));
    DDReleaseSurface(&released);
  }
  DDSURFACEDATA leaked;
  ASSERT_TRUE(DDCreateSurface(&leaked, 8, 8, 1, 0, 0, nullptr, 0));
  DDReleaseAll();
  EXPECT_EQ(boxes, std::vector<std::string>{"DirectDraw: 解放漏れがあります"});
  DDReleaseSurface(&leaked);
  boxes.clear();
  ASSERT_TRUE(DDInit(0, g_hWnd, 640, 480, 32, 0, 1, 1, 60, 0, nullptr, nullptr, 0));
  DDReleaseAll();
  EXPECT_TRUE(boxes.empty());
  SetMesBoxAnswerer(nullptr);
}

TEST(DDInitTest, AnalyzePixelFormatReadsTheDisplayLayout) {
  const struct {
    ePixelFormat format;
    PIXELCHANNELS expected;
  } cases[] = {{ePixelFormat::kR5G6B5, k565Display},
               {ePixelFormat::kX1R5G5B5, {{10, 5, 0, 0}, {31, 31, 31, 0}}}};
  for (const auto& c : cases) {
    SetDisplayFormat16(c.format);
    ScopedDisplay display({0, 16, 0});
    EXPECT_EQ(g_PixelChannels, c.expected);
  }
  SetDisplayFormat16(ePixelFormat::kR5G6B5);
}

TEST(DDInitTest, AfterReleaseNoRendererPathIsTaken) {
  {
    ScopedDisplay display({1, 32, 1});
  }
  DDSURFACEDATA sd;
  EXPECT_FALSE(DDCreateSurface(&sd, 4, 4, 0, 0, 0, nullptr, 0));
  EXPECT_EQ(sd.lpDT, nullptr);
  EXPECT_EQ(sd.lpDDS, nullptr);
}

}  // namespace
