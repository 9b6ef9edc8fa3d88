#include "platform/dd/present.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/mesbox/mesbox.h"
#include "core/timing/frame_pacer.h"
#include "platform/dd/blit.h"
#include "platform/dd/dd_init.h"
#include "platform/dd/dd_mesbox.h"
#include "platform/dd/device_records.h"
#include "platform/dd/fill.h"
#include "platform/dd/frame_handoff.h"
#include "platform/dd/frame_presenter.h"
#include "platform/dd/palette.h"
#include "platform/dd/screen_surfaces.h"
#include "platform/dd/surface_create.h"
#include "platform/dd/surface_format.h"
#include "platform/dd/surface_recovery.h"
#include "platform/dd/virtual_back_buffer.h"
#include "platform/ui/main_window.h"
#include "platform/ui/sdl_message_box.h"
#include "tests/platform/dd/display_fixture.h"

namespace {

cHandoffFrame TakeFrame() {
  cHandoffFrame frame;
  EXPECT_TRUE(g_FrameHandoff.TakeNewest(&frame));
  return frame;
}

uint32_t FrameAt(const cHandoffFrame& frame, int32_t x, int32_t y) {
  return frame.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(frame.nWidth) + static_cast<std::size_t>(x)];
}

// Presents the mode's way: DDPresent in Direct3D mode, a flip in DirectDraw.
void PresentFrame() {
  if (lpDTCon != nullptr) {
    EXPECT_EQ(DDPresent(0, 0, nullptr), 1);
  } else {
    EXPECT_EQ(DDFlipPrimary(), DD_OK);
  }
}

TEST(PresentTest, HandOffFramesAreXrgbInEveryDepth) {
  const struct {
    cDisplayMode mode;
    ePixelFormat display16;
    uint32_t pixel;     // written into the back buffer
    uint32_t expected;  // 0x00RRGGBB handed off
  } cases[] = {
      {{1, 32, 1}, ePixelFormat::kR5G6B5, 0xFF123456, 0x123456},
      {{1, 16, 1}, ePixelFormat::kR5G6B5, 0xFC00, 0xFF0000},           // 1-5-5-5
      {{1, 16, 0}, ePixelFormat::kR5G6B5, 0x07E0, 0x00FF00},           // 5-6-5
      {{0, 16, 0}, ePixelFormat::kX1R5G5B5, 0x001F, 0x0000FF},         // 5-5-5 display
      {{0, 32, 0}, ePixelFormat::kR5G6B5, 0x00ABCDEF, 0xABCDEF},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode.Name());
    SetDisplayFormat16(c.display16);
    ScopedDisplay display(c.mode);
    SetPixel(g_SDBackBuffer, 5, 7, c.pixel);
    PresentFrame();
    const cHandoffFrame frame = TakeFrame();
    ASSERT_EQ(frame.nWidth, 640);
    ASSERT_EQ(frame.nHeight, 480);
    EXPECT_EQ(FrameAt(frame, 5, 7), c.expected);
  }
  SetDisplayFormat16(ePixelFormat::kR5G6B5);
}

TEST(PresentTest, EightBitFramesTakeThePaletteOfTheirPresent) {
  ScopedDisplay display({0, 8, 0});
  SetPixel(g_SDBackBuffer, 0, 0, 9);
  std::array<PALETTEENTRY, 256> entries{};
  entries[9] = {10, 20, 30, 0};
  g_lpDDPalette->SetEntries(0, 256, entries.data());
  ASSERT_EQ(DDBltToPrimary(), DD_OK);
  EXPECT_EQ(FrameAt(TakeFrame(), 0, 0), 0x0A141Eu);
  entries[9] = {200, 0, 0, 0};
  g_lpDDPalette->SetEntries(0, 256, entries.data());
  ASSERT_EQ(DDBltToPrimary(), DD_OK);
  EXPECT_EQ(FrameAt(TakeFrame(), 0, 0), 0xC80000u);
}

TEST(PresentTest, FlipSwapsOrRotatesTheChain) {
  for (int32_t count : {1, 2}) {
    SCOPED_TRACE(count);
    SetMesBoxAnswerer([](const std::string&, const std::string&, unsigned) { return 1; });
    ASSERT_TRUE(DDInit(0, g_hWnd, 640, 480, 32, 0, 0, count, 60, 0, nullptr, nullptr, 0));
    std::vector<uint32_t> shown;
    for (uint32_t frame = 1; frame <= 4; ++frame) {
      SetPixel(g_SDBackBuffer, 0, 0, frame);  // each frame marks the buffer it drew into
      ASSERT_EQ(g_SDPrimary.lpDDS->lpDDSurface->Flip(), DD_OK);
      shown.push_back(FrameAt(TakeFrame(), 0, 0));
      // What the next frame finds in its back buffer: two frames ago with one
      // back buffer, three with two.
      const uint32_t expectedBack = frame + 1 > static_cast<uint32_t>(count + 1) ? frame + 1 - (count + 1) : 0;
      EXPECT_EQ(PixelAt(g_SDBackBuffer, 0, 0), expectedBack) << frame;
    }
    EXPECT_EQ(shown, (std::vector<uint32_t>{1, 2, 3, 4}));
    DDReleaseAll();
    SetMesBoxAnswerer(nullptr);
  }
}

TEST(PresentTest, ALostDeviceGivesZeroAndDirectDrawAlwaysOne) {
  {
    ScopedDisplay display({0, 32, 1});
    EXPECT_EQ(DDPresent(60, 0, nullptr), 1);
  }
  ScopedDisplay display({1, 32, 1});
  SimulateDeviceLoss();
  EXPECT_EQ(DDPresent(0, 0, nullptr), 0);
}

TEST(PresentTest, TheVirtualBackBufferKeepsWhatWasDrawnAcrossSwitches) {
  ScopedDisplay display({1, 32, 1});
  DDSetVirBackBuffer(1);
  DDFillRectRGB(&g_SDBackBuffer, 1, 0, 1, 1, 0xFF00FF00);  // lands in the virtual one
  EXPECT_EQ(PixelAt(g_SDVirBackBuffer, 1, 0), 0xFF00FF00u);
  DDSetVirBackBuffer(0);
  EXPECT_EQ(ArgbAt(g_SDBackBuffer, 1, 0), 0xFF00FF00u);
  DDSetVirBackBuffer(1);
  DDFillRectRGB(&g_SDBackBuffer, 2, 0, 1, 1, 0xFF0000FF);
  ASSERT_EQ(DDPresent(0, 0, nullptr), 1);
  const cHandoffFrame frame = TakeFrame();
  EXPECT_EQ(FrameAt(frame, 1, 0), 0x00FF00u);
  EXPECT_EQ(FrameAt(frame, 2, 0), 0x0000FFu);
}

// The back buffer has no texture: as a source it samples opaque white, unless
// the virtual back buffer stands in for it.
TEST(PresentTest, TheBackBufferAsASourceIsWhiteOrTheVirtualBackBuffer) {
  ScopedDisplay display({1, 32, 1});
  DDSURFACEDATA target;
  ASSERT_TRUE(DDCreateSurface(&target, 1, 1, 0, 0, 0, nullptr, 0));
  DDFillRectRGB(&g_SDBackBuffer, 0, 0, 1, 1, 0xFF102030);
  DDBlt(&target, 0, 0, 1, 1, &g_SDBackBuffer, 0, 0, 0);
  EXPECT_EQ(PixelAt(target, 0, 0), 0xFFFFFFFFu);
  DDSetVirBackBuffer(1);
  DDFillRectRGB(&g_SDBackBuffer, 0, 0, 1, 1, 0xFF405060);
  DDBlt(&target, 0, 0, 1, 1, &g_SDBackBuffer, 0, 0, 0);
  EXPECT_EQ(PixelAt(target, 0, 0), 0xFF405060u);
}

TEST(PresentTest, ThePacerOverlayIsDrawnOnlyWhenAsked) {
  ScopedDisplay display({1, 32, 1});
  DDSURFACEDATA glyphs;
  ASSERT_TRUE(DDCreateSurface(&glyphs, 128, 128, 1, 0, 0, nullptr, 0));
  DDFillSurfaceRGB(&glyphs, 0xFFFFFFFF);
  for (int32_t showFps : {0, 1}) {
    SCOPED_TRACE(showFps);
    ResetFramePacer();
    DDFillRectRGB(&g_SDBackBuffer, 0, 0, 640, 480, 0xFF000000);
    ASSERT_EQ(DDPresent(60, showFps, &glyphs), 1);
    const cHandoffFrame frame = TakeFrame();
    EXPECT_EQ(FrameAt(frame, 3, 20), showFps != 0 ? 0xFFFFFFu : 0u);  // inside the first cell
    EXPECT_EQ(FrameAt(frame, 3, 8), 0u);                              // above the text
  }
}

TEST(PresentTest, FrameRectKeepsFourToThreeWithBars) {
  const struct {
    int32_t w, h;
    SDL_Rect expected;
  } cases[] = {{640, 480, {0, 0, 640, 480}},
               {1280, 960, {0, 0, 1280, 960}},
               {1920, 1080, {240, 0, 1440, 1080}},
               {800, 1000, {0, 200, 800, 600}}};
  for (const auto& c : cases) {
    const SDL_Rect r = cFramePresenter::FrameRect(c.w, c.h, 640, 480);
    EXPECT_EQ((std::vector<int>{r.x, r.y, r.w, r.h}),
              (std::vector<int>{c.expected.x, c.expected.y, c.expected.w, c.expected.h}))
        << c.w << "x" << c.h;
  }
}

class WindowPresentTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(g_MainWindow.Create({2, 1, 1, true})) << SDL_GetError(); }
  void TearDown() override { g_MainWindow.Destroy(); }
};

uint32_t RendererPixel(int32_t x, int32_t y) {
  uint32_t pixel = 0;
  const SDL_Rect r{x, y, 1, 1};
  SDL_RenderReadPixels(DisplayRenderer(), &r, SDL_PIXELFORMAT_RGB888, &pixel, 4);
  return pixel & 0xFFFFFFu;
}

TEST_F(WindowPresentTest, TheRendererShowsTheFrameAtOneToOneAndTwice) {
  for (int32_t scale : {1, 2}) {
    SCOPED_TRACE(scale);
    SDL_SetWindowSize(DisplayWindow(), 640 * scale, 480 * scale);
    ScopedDisplay display({1, 32, 2});
    ASSERT_TRUE(g_FramePresenter.IsOpen());
    DDFillRectRGB(&g_SDBackBuffer, 0, 0, 640, 480, 0xFF000080);
    DDFillRectRGB(&g_SDBackBuffer, 10, 20, 1, 1, 0xFFFF8000);
    ASSERT_EQ(DDPresent(0, 0, nullptr), 1);
    ASSERT_TRUE(g_FramePresenter.PresentNewest());
    EXPECT_FALSE(g_FramePresenter.PresentNewest());  // nothing new
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(DisplayRenderer(), &w, &h);
    ASSERT_EQ(w, 640 * scale);
    EXPECT_EQ(RendererPixel(10 * scale, 20 * scale), 0xFF8000u);
    EXPECT_EQ(RendererPixel(10 * scale + scale - 1, 20 * scale + scale - 1), 0xFF8000u);
    EXPECT_EQ(RendererPixel(10 * scale + scale, 20 * scale), 0x000080u);
    // The last frame again, under a dialog layer.
    std::vector<uint32_t> layer(640 * 480, 0);
    layer[0] = 0xFF00FF00;
    ASSERT_TRUE(g_FramePresenter.PresentLast(layer.data()));
    EXPECT_EQ(RendererPixel(0, 0), 0x00FF00u);
    EXPECT_EQ(RendererPixel(10 * scale, 20 * scale), 0xFF8000u);
  }
}

int g_boxes = 0;
int g_cursorDuringBox = -1;
int FakeBox(const SDL_MessageBoxData*, int* buttonId) {
  ++g_boxes;
  g_cursorDuringBox = SDL_ShowCursor(SDL_QUERY);
  *buttonId = 7;
  return 0;
}

TEST_F(WindowPresentTest, MessageBoxesShowTheCursorOverAFullScreenDisplay) {
  SetSdlShowMessageBoxFunction(&FakeBox);
  for (int32_t windowMode : {1, 0}) {
    SCOPED_TRACE(windowMode);
    g_boxes = 0;
    ScopedDisplay display({1, 32, windowMode});
    const int cursorBefore = SDL_ShowCursor(SDL_QUERY);
    EXPECT_EQ(cursorBefore, windowMode == 0 ? SDL_DISABLE : SDL_ENABLE);
    EXPECT_EQ(DDMesBox("text", "caption", 0), 7);
    EXPECT_EQ(g_boxes, 1);
    EXPECT_EQ(g_cursorDuringBox, SDL_ENABLE);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), cursorBefore);
  }
  SetSdlShowMessageBoxFunction(nullptr);
}

}  // namespace
