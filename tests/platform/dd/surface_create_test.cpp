#include "platform/dd/surface_create.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/containers/checked_vector.h"
#include "core/log/report_log.h"
#include "core/mesbox/mesbox.h"
#include "core/thread/messages.h"
#include "platform/dd/blit.h"
#include "platform/dd/device_records.h"
#include "platform/dd/fill.h"
#include "platform/dd/palette.h"
#include "platform/dd/screen_surfaces.h"
#include "platform/dd/surface_list.h"
#include "support/temp_dir.h"
#include "tests/platform/dd/display_fixture.h"

namespace {

TEST(SurfaceCreateTest, TexturesAreFittedToTheCardAndKeepTheirLogicalSize) {
  const struct {
    bool pow2, square;
    int32_t w, h, texW, texH;
  } cases[] = {
      {false, false, 100, 60, 100, 60}, {true, false, 100, 60, 128, 64}, {true, true, 100, 60, 128, 128},
      {false, true, 100, 60, 100, 100}, {true, false, 64, 1, 64, 1},     {true, false, 65, 3, 128, 4},
  };
  ScopedDisplay display({1, 32, 1});
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h) + (c.pow2 ? " pow2" : "") + (c.square ? " square" : ""));
    lpDTCon->bPow2Only = c.pow2;
    lpDTCon->bSquareOnly = c.square;
    DDSURFACEDATA sd;
    ASSERT_TRUE(DDCreateSurface(&sd, c.w, c.h, 1, 0, DTMEMORYTYPE_VIDEO_RT, nullptr, 0));
    EXPECT_EQ(sd.nWidth, c.w);
    EXPECT_EQ(sd.nHeight, c.h);
    EXPECT_EQ(sd.nTexWidth, c.texW);
    EXPECT_EQ(sd.nTexHeight, c.texH);
    EXPECT_EQ(sd.lpDT->d3dsd.Width, c.texW);
    EXPECT_STREQ(sd.szName, "OffScreen");
    EXPECT_STREQ(sd.szFileName, "E");
  }
}

TEST(SurfaceCreateTest, ATextureAboveTheCardsMaximumIsStillMadeAfterBothMessages) {
  TempDir dir;
  ASSERT_EQ(OpenReportLog(dir.file("Report_Game.txt").c_str()), 1);
  ScopedDisplay display({1, 32, 1});
  lpDTCon->d3dCaps.MaxTextureWidth = 64;
  lpDTCon->d3dCaps.MaxTextureHeight = 32;
  DDSURFACEDATA sd;
  EXPECT_TRUE(DDCreateSurface(&sd, 100, 60, 0, 0, 0, nullptr, 0));
  const std::string log = ReadFileBytes(dir.file("Report_Game.txt"));
  EXPECT_NE(log.find("横幅64を超える"), std::string::npos);
  EXPECT_NE(log.find("縦幅32を超える"), std::string::npos);
  EXPECT_NE(log.find("上記の理由でテクスチャの描画が失敗する可能性があります。(空)"), std::string::npos);
}

TEST(SurfaceCreateTest, MemoryTypesChooseRenderTargetOrSystemTexture) {
  ScopedDisplay display({1, 32, 1});
  const struct {
    int32_t asked, kept, renderTarget;
  } cases[] = {{DTMEMORYTYPE_VIDEO_RT, 0, 1}, {DTMEMORYTYPE_SYSTEM, 1, 0}, {DTMEMORYTYPE_VIDEO_NORT, 0, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.asked);
    DDSURFACEDATA sd;
    ASSERT_TRUE(DDCreateSurface(&sd, 8, 8, 1, 0, c.asked, nullptr, 0));
    EXPECT_EQ(sd.lpDT->nMemoryType, c.kept);
    EXPECT_EQ(sd.lpDT->bRenderTarget, c.renderTarget);
    EXPECT_EQ(g_DTSurfaceList.Find(sd.lpDT->nSurfaceId), &sd);
  }
}

// A texture that cannot be made at run time tells the user with the start-up's
// text and asks the main window to close.
TEST(SurfaceCreateTest, ATextureThatCannotBeMadeShowsTheTextureErrorAndCloses) {
  ResetWindowQueue();
  std::vector<std::string> boxes;
  ScopedDisplay display({1, 32, 1});
  SetMesBoxAnswerer([&boxes](const std::string& text, const std::string&, unsigned) {
    boxes.push_back(text);
    return 1;
  });
  lpDTCon->strTextureError = "texture failed";
  lpDTCon->bPow2Only = 1;  // 20000 becomes 32768, more than a store may hold
  DDSURFACEDATA sd;
  EXPECT_FALSE(DDCreateSurface(&sd, 20000, 1, 0, 0, DTMEMORYTYPE_SYSTEM, nullptr, 0));
  EXPECT_EQ(boxes, std::vector<std::string>{"texture failed"});
  MSG msg;
  ASSERT_TRUE(PeekMessage(&msg, g_hWnd, true));
  EXPECT_EQ(msg.message, WM_CLOSE);
  ResetWindowQueue();
}

TEST(SurfaceCreateTest, EmptySurfacesBelowOneDotFailInBothModes) {
  for (const cDisplayMode& mode : {cDisplayMode{1, 32, 1}, cDisplayMode{0, 32, 1}}) {
    SCOPED_TRACE(mode.Name());
    ScopedDisplay display(mode);
    for (const auto [w, h] : {std::pair{0, 5}, {5, 0}, {-3, 5}, {40000, 1}}) {
      DDSURFACEDATA sd;
      EXPECT_FALSE(DDCreateSurface(&sd, w, h, 0, 0, 0, nullptr, 0)) << w << "x" << h;
      EXPECT_EQ(sd.Pixels(), nullptr);
    }
  }
}

TEST(SurfaceCreateTest, DirectDrawSurfacesStartAsPaletteZeroAndTakeTheColourKey) {
  SetTestPalette();
  ScopedDisplay display({0, 32, 1});
  g_dwColorKey = 0x00FF00FF;
  DDSURFACEDATA keyed, plain;
  ASSERT_TRUE(DDCreateSurface(&keyed, 4, 3, 1, 0, 0, nullptr, 0));
  ASSERT_TRUE(DDCreateSurface(&plain, 4, 3, 0, 1, 0, nullptr, 0));
  EXPECT_EQ(PixelAt(keyed, 3, 2), 0x00FF00FFu);  // palette 0 is magenta here
  EXPECT_TRUE(keyed.lpDDS->lpDDSurface->HasColorKey());
  EXPECT_EQ(keyed.lpDDS->lpDDSurface->ColorKey(), 0x00FF00FFu);
  EXPECT_FALSE(plain.lpDDS->lpDDSurface->HasColorKey());
  EXPECT_EQ(plain.bSystemMemory, 1);
  g_dwColorKey = 0;
}

// Records kept by value in a growing vector: every reallocation moves them, and
// the list must follow, or the restore walks freed memory.
TEST(SurfaceCreateTest, TheSurfaceListFollowsRecordsMovedByAGrowingVector) {
  ScopedDisplay display({1, 32, 1});
  const int32_t before = g_DTSurfaceList.Count();
  {
    cVector<DDSURFACEDATA> surfaces;
    for (int i = 0; i < 200; ++i) {
      surfaces.emplace_back();
      ASSERT_TRUE(DDCreateSurface(&surfaces.back(), 4 + i % 7, 4, 1, 0, i % 2, nullptr, 0));
    }
    EXPECT_EQ(g_DTSurfaceList.Count(), before + 200);
    for (DDSURFACEDATA& sd : surfaces) EXPECT_EQ(g_DTSurfaceList.Find(sd.lpDT->nSurfaceId), &sd);
    int32_t walked = 0;
    g_DTSurfaceList.ForEach([&walked](DDSURFACEDATA& sd) {
      EXPECT_NE(sd.Pixels(), nullptr);
      ++walked;
    });
    EXPECT_EQ(walked, before + 200);
  }
  EXPECT_EQ(g_DTSurfaceList.Count(), before);
}

TEST(SurfaceCreateTest, CreatingARecordAgainKeepsOneListEntry) {
  ScopedDisplay display({1, 32, 1});
  const int32_t before = g_DTSurfaceList.Count();
  DDSURFACEDATA sd;
  ASSERT_TRUE(DDCreateSurface(&sd, 4, 4, 0, 0, 0, nullptr, 0));
  ASSERT_TRUE(DDCreateSurface(&sd, 8, 8, 0, 0, 0, nullptr, 0));
  EXPECT_EQ(g_DTSurfaceList.Count(), before + 1);
  EXPECT_EQ(g_DTSurfaceList.Find(sd.lpDT->nSurfaceId), &sd);
  DDReleaseSurface(&sd);
  EXPECT_EQ(g_DTSurfaceList.Count(), before);
}

TEST(SurfaceCreateTest, MoveAssignmentReleasesTheTargetsOldTexture) {
  ScopedDisplay display({1, 32, 1});
  DDSURFACEDATA a, b;
  ASSERT_TRUE(DDCreateSurface(&a, 4, 4, 0, 0, 0, nullptr, 0));
  ASSERT_TRUE(DDCreateSurface(&b, 4, 4, 0, 0, 0, nullptr, 0));
  const int32_t idA = a.lpDT->nSurfaceId, idB = b.lpDT->nSurfaceId;
  b = std::move(a);
  EXPECT_EQ(g_DTSurfaceList.Find(idA), &b);
  EXPECT_EQ(g_DTSurfaceList.Find(idB), nullptr);
  EXPECT_EQ(a.lpDT, nullptr);
}

TEST(SurfaceCreateTest, MirrorViewsDrawFromTheirSourceAndReleaseOnlyTheirOwnPart) {
  ScopedDisplay display({1, 32, 1});
  DDSURFACEDATA source;
  ASSERT_TRUE(DDCreateSurface(&source, 4, 1, 1, 0, 0, nullptr, 0));
  for (int x = 0; x < 4; ++x) SetPixel(source, x, 0, 0xFF000000u | static_cast<uint32_t>(x + 1));
  DDSURFACEDATA view;
  view.lpShareSD = &source;
  view.nMirrorCellW = 2;
  ASSERT_TRUE(DDCreateSurface(&view, 4, 1, 1, 0, 0, &source, 0));
  view.nMirrorCellW = 2;
  EXPECT_EQ(view.lpDT->lpTexture, nullptr);
  DDSURFACEDATA target;
  ASSERT_TRUE(DDCreateSurface(&target, 4, 1, 0, 0, 0, nullptr, 0));
  DDBlt(&target, 0, 0, 2, 1, &view, 0, 0, 1);  // cell 0 mirrored
  DDBlt(&target, 2, 0, 2, 1, &view, 2, 0, 1);  // cell 1 mirrored
  EXPECT_EQ(PixelAt(target, 0, 0), 0xFF000002u);
  EXPECT_EQ(PixelAt(target, 1, 0), 0xFF000001u);
  EXPECT_EQ(PixelAt(target, 2, 0), 0xFF000004u);
  EXPECT_EQ(PixelAt(target, 3, 0), 0xFF000003u);

  // The source moves: the view still finds it through its id.
  DDSURFACEDATA moved = std::move(source);
  DDFillSurfaceRGB(&target, 0xFF00FF00u);
  DDBlt(&target, 0, 0, 2, 1, &view, 0, 0, 1);
  EXPECT_EQ(PixelAt(target, 0, 0), 0xFF000002u);

  DDReleaseSurface(&view);
  EXPECT_NE(moved.Pixels(), nullptr);
  EXPECT_EQ(g_DTSurfaceList.Find(moved.lpDT->nSurfaceId), &moved);

  // A view of a released source draws nothing.
  ASSERT_TRUE(DDCreateSurface(&view, 4, 1, 1, 0, 0, &moved, 0));
  DDReleaseSurface(&moved);
  DDFillSurfaceRGB(&target, 0xFF00FF00u);
  DDBlt(&target, 0, 0, 4, 1, &view, 0, 0, 1);
  for (int x = 0; x < 4; ++x) EXPECT_EQ(PixelAt(target, x, 0), 0xFF00FF00u) << x;
}

// Cells below one dot (the chara-exclusive pictures take theirs from the
// database) leave the rectangle as it is instead of dividing by zero.
TEST(SurfaceCreateTest, MirrorCellsBelowOneDotDoNotMirror) {
  ScopedDisplay display({1, 32, 1});
  DDSURFACEDATA source, view;
  ASSERT_TRUE(DDCreateSurface(&source, 4, 4, 1, 0, 0, nullptr, 0));
  view.lpShareSD = &source;
  ASSERT_TRUE(DDCreateSurface(&view, 4, 4, 1, 0, 0, &source, 0));
  for (int32_t cell : {0, -3}) {
    view.nMirrorCellW = view.nMirrorCellH = cell;
    int32_t sx = 1, sy = 2, sw = -2, sh = 2;
    DDAdjustMirrorRect(&view, &sx, &sy, &sw, &sh);
    EXPECT_EQ((std::vector<int32_t>{sx, sy, sw, sh}), (std::vector<int32_t>{1, 2, -2, 2})) << cell;
  }
  view.nMirrorCellW = 4;
  int32_t sx = 1, sy = 0, sw = 2, sh = 4;
  DDAdjustMirrorRect(&view, &sx, &sy, &sw, &sh);
  EXPECT_EQ((std::vector<int32_t>{sx, sw}), (std::vector<int32_t>{3, -2}));
}

TEST(SurfaceCreateTest, CheckCreateResultIsFalseForEveryFailure) {
  EXPECT_TRUE(DDCheckCreateResult(0));
  for (int32_t code : {1, 4, 8, 9, -2005530516}) EXPECT_FALSE(DDCheckCreateResult(code)) << code;
}

}  // namespace
