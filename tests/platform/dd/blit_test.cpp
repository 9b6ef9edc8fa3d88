#include "platform/dd/blit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dd/device_records.h"
#include "platform/dd/display_state.h"
#include "platform/dd/draw_batches.h"
#include "platform/dd/draw_state.h"
#include "platform/dd/fill.h"
#include "platform/dd/palette.h"
#include "platform/dd/pixel_format.h"
#include "platform/dd/screen_surfaces.h"
#include "platform/dd/surface_create.h"
#include "tests/platform/dd/display_fixture.h"

namespace {

constexpr uint32_t kRed = 0xFFFF0000u;
constexpr uint32_t kBlue = 0xFF0000FFu;
constexpr uint32_t kGreen = 0xFF00FF00u;

// A pixel of the mode's source surfaces: an index at 8 bits, else the colour.
uint32_t SourcePixel(const DDSURFACEDATA& sd, uint32_t argb, uint8_t index) {
  const ePixelFormat format = sd.Pixels()->Format();
  return format == ePixelFormat::kP8 ? index : ArgbToPixel(argb, format);
}

// The source's transparent pixel: alpha 0 in Direct3D, the colour key in DirectDraw.
uint32_t TransparentPixel() { return lpDTCon != nullptr ? 0u : g_dwColorKey; }

// A keyed 4 x 1 sheet: transparent, red, blue, transparent.
void MakeSheet(DDSURFACEDATA& sheet) {
  ASSERT_TRUE(DDCreateSurface(&sheet, 4, 1, 1, 0, DTMEMORYTYPE_VIDEO_RT, nullptr, 0));
  SetPixel(sheet, 0, 0, TransparentPixel());
  SetPixel(sheet, 1, 0, SourcePixel(sheet, kRed, 7));
  SetPixel(sheet, 2, 0, SourcePixel(sheet, kBlue, 9));
  SetPixel(sheet, 3, 0, TransparentPixel());
}

TEST(BlitTest, KeyedBltKeepsTheBackgroundWhereTheSourceIsTransparent) {
  SetTestPalette();
  for (const cDisplayMode& mode : kAllModes) {
    SCOPED_TRACE(mode.Name());
    ScopedDisplay display(mode);
    g_dwColorKey = mode.nBpp == 8 ? 3 : SourcePixel(g_SDBackBuffer, 0xFF00FF00u, 0) & 0xFFFFFFu;
    DDSURFACEDATA sheet;
    MakeSheet(sheet);
    DDFillRect(&g_SDBackBuffer, 0, 0, 640, 480, 5);
    const uint32_t background = PixelAt(g_SDBackBuffer, 10, 10);
    DDBlt(&g_SDBackBuffer, 10, 10, 4, 1, &sheet, 0, 0, 1);
    EXPECT_EQ(PixelAt(g_SDBackBuffer, 10, 10), background);
    EXPECT_EQ(PixelAt(g_SDBackBuffer, 13, 10), background);
    if (mode.nBpp == 8) {
      EXPECT_EQ(PixelAt(g_SDBackBuffer, 11, 10), 7u);
      EXPECT_EQ(PixelAt(g_SDBackBuffer, 12, 10), 9u);
    } else {
      EXPECT_EQ(ArgbAt(g_SDBackBuffer, 11, 10), kRed);
      EXPECT_EQ(ArgbAt(g_SDBackBuffer, 12, 10), kBlue);
    }
    EXPECT_EQ(PixelAt(g_SDBackBuffer, 9, 10), background);
    EXPECT_EQ(PixelAt(g_SDBackBuffer, 14, 10), background);
    EXPECT_EQ(PixelAt(g_SDBackBuffer, 11, 11), background);
  }
  g_dwColorKey = 0;
}

TEST(BlitTest, UnkeyedBltOfAKeyedSourceShowsEachModesTransparentForm) {
  for (const cDisplayMode& mode : kAllModes) {
    SCOPED_TRACE(mode.Name());
    ScopedDisplay display(mode);
    if (lpDTCon != nullptr) {
      lpDTCon->dwTransmitBack_32 = kGreen;
      lpDTCon->wTransmitBack_16 = 0x83E0;  // opaque green, A1R5G5B5
    }
    g_dwColorKey = mode.nBpp == 8 ? 3 : SourcePixel(g_SDBackBuffer, 0xFF00FF00u, 0) & 0xFFFFFFu;
    DDSURFACEDATA sheet;
    MakeSheet(sheet);
    DDBlt(&g_SDBackBuffer, 10, 10, 4, 1, &sheet, 0, 0, 0);
    if (lpDTCon != nullptr) {
      // The back buffer shows the opaque transparent colour ...
      EXPECT_EQ(ArgbAt(g_SDBackBuffer, 10, 10), kGreen);
      // ... another surface keeps the texels transparent.
      DDSURFACEDATA target;
      ASSERT_TRUE(DDCreateSurface(&target, 4, 1, 0, 0, 0, nullptr, 0));
      DDFillSurfaceRGB(&target, kBlue);
      DDBlt(&target, 0, 0, 4, 1, &sheet, 0, 0, 0);
      EXPECT_EQ(PixelAt(target, 0, 0), 0u);
      EXPECT_EQ(ArgbAt(target, 1, 0), kRed);
    } else {
      EXPECT_EQ(PixelAt(g_SDBackBuffer, 10, 10), g_dwColorKey);
    }
  }
  g_dwColorKey = 0;
}

std::vector<uint32_t> Row(DDSURFACEDATA& sd, int32_t width) {
  std::vector<uint32_t> row;
  for (int32_t x = 0; x < width; ++x) row.push_back(PixelAt(sd, x, 0) & 0xFFFFFFu);
  return row;
}

// The CPU path truncates, the quad and DirectDraw's stretch sample pixel centres.
TEST(BlitTest, ScaledAndMirroredPatternsPerPath) {
  const struct {
    const char* what;
    int32_t direct3D;
    int32_t targetType;  // memory type of the destination: 1 takes the CPU path
    int32_t w, sx, sw;
    std::vector<uint32_t> expected;
  } cases[] = {
      {"CPU 2x", 1, DTMEMORYTYPE_SYSTEM, 8, 0, 4, {1, 1, 2, 2, 3, 3, 4, 4}},
      {"CPU half", 1, DTMEMORYTYPE_SYSTEM, 2, 0, 4, {1, 3}},
      {"CPU mirrored", 1, DTMEMORYTYPE_SYSTEM, 4, 4, -4, {4, 3, 2, 1}},
      {"CPU mirrored 2x", 1, DTMEMORYTYPE_SYSTEM, 8, 4, -4, {4, 4, 3, 3, 2, 2, 1, 1}},
      {"quad 2x", 1, DTMEMORYTYPE_VIDEO_RT, 8, 0, 4, {1, 1, 2, 2, 3, 3, 4, 4}},
      {"quad half", 1, DTMEMORYTYPE_VIDEO_RT, 2, 0, 4, {2, 4}},
      {"quad mirrored", 1, DTMEMORYTYPE_VIDEO_RT, 4, 4, -4, {4, 3, 2, 1}},
      {"quad mirrored half", 1, DTMEMORYTYPE_VIDEO_RT, 2, 4, -4, {4, 2}},
      {"DirectDraw 2x", 0, 0, 8, 0, 4, {1, 1, 2, 2, 3, 3, 4, 4}},
      {"DirectDraw half", 0, 0, 2, 0, 4, {2, 4}},
      {"DirectDraw mirrored draws nothing", 0, 0, 4, 4, -4, {0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ScopedDisplay display({c.direct3D, 32, 1});
    SetTestPalette();
    g_Palette[0] = {};
    DDSURFACEDATA src, dst;
    ASSERT_TRUE(DDCreateSurface(&src, 4, 1, 0, 0, DTMEMORYTYPE_VIDEO_RT, nullptr, 0));
    ASSERT_TRUE(DDCreateSurface(&dst, 8, 1, 0, 0, c.targetType, nullptr, 0));
    for (uint32_t x = 0; x < 4; ++x) SetPixel(src, static_cast<int32_t>(x), 0, 0xFF000000u | (x + 1));
    DDStretchBlt(&dst, 0, 0, c.w, 1, &src, c.sx, 0, c.sw, 1, 0);
    EXPECT_EQ(Row(dst, static_cast<int32_t>(c.expected.size())), c.expected);
  }
}

// A system-memory texture onto the full-screen 16-bit back buffer goes through
// the CPU: texels move to the 5-6-5 layout with green doubled, and the keyed
// test looks at bits 15 and 13 only.
TEST(BlitTest, CpuPathToTheSixteenBitFullScreenBackBuffer) {
  ScopedDisplay display({1, 16, 0});
  DDSURFACEDATA src;
  ASSERT_TRUE(DDCreateSurface(&src, 3, 1, 1, 0, DTMEMORYTYPE_SYSTEM, nullptr, 0));
  SetPixel(src, 0, 0, 0xFE01);  // opaque (31, 16, 1)
  SetPixel(src, 1, 0, 0x1234);  // neither bit 15 nor 13: transparent
  SetPixel(src, 2, 0, 0x2001);  // bit 13 set: drawn
  for (int32_t x = 0; x < 3; ++x) SetPixel(g_SDBackBuffer, x, 0, 0x5555);
  DDBlt(&g_SDBackBuffer, 0, 0, 3, 1, &src, 0, 0, 1);
  EXPECT_EQ(PixelAt(g_SDBackBuffer, 0, 0), 0xFC01u);
  EXPECT_EQ(PixelAt(g_SDBackBuffer, 1, 0), 0x5555u);
  EXPECT_EQ(PixelAt(g_SDBackBuffer, 2, 0), 0x4001u);  // red 8, blue 1
}

// One texel over one destination pixel through stage 0 and the blend.
TEST(BlitTest, KnobsCombineTexelAndDrawColourAsTheDeviceDoes) {
  const struct {
    const char* what;
    uint32_t texel, target, color;
    int32_t colorOp, alphaOp;
    uint32_t factor;
    uint32_t expected;
  } cases[] = {
      {"plain", 0xFF806040, 0xFF102030, 0xFFFFFFFF, D3DTOP_MODULATE, D3DTOP_SELECTARG1, 0, 0xFF806040},
      {"modulate", 0xFF806040, 0xFF102030, 0xFF808080, D3DTOP_MODULATE, D3DTOP_SELECTARG1, 0, 0xFF403020},
      {"add saturates", 0xFF806040, 0xFF102030, 0xFF909090, D3DTOP_ADD, D3DTOP_SELECTARG1, 0, 0xFFFFF0D0},
      {"subtract clamps", 0xFF806040, 0xFF102030, 0xFF70A010, D3DTOP_SUBTRACT, D3DTOP_SELECTARG1, 0, 0xFF100030},
      {"factor alpha", 0xFF806040, 0xFF102030, 0xFFFFFFFF, D3DTOP_BLENDFACTORALPHA, D3DTOP_SELECTARG1, 0x80000000,
       0xFFBFAF9F},
      {"select the colour", 0xFF806040, 0xFF102030, 0xFF0A0B0C, D3DTOP_SELECTARG2, D3DTOP_SELECTARG1, 0, 0xFF0A0B0C},
      {"alpha disabled takes the colour's", 0xFF806040, 0xFF102030, 0x80FFFFFF, D3DTOP_MODULATE, D3DTOP_DISABLE, 0,
       0xBF484038},
      {"half-alpha texel", 0x80806040, 0xFF102030, 0xFFFFFFFF, D3DTOP_MODULATE, D3DTOP_SELECTARG1, 0, 0xBF484038},
      {"half alpha over a transparent pixel", 0x80806040, 0x00102030, 0xFFFFFFFF, D3DTOP_MODULATE,
       D3DTOP_SELECTARG1, 0, 0x40484038},
      {"alpha modulated to 0 draws nothing", 0xFF806040, 0xFF102030, 0x00FFFFFF, D3DTOP_MODULATE, D3DTOP_MODULATE,
       0, 0xFF102030},
  };
  ScopedDisplay display({1, 32, 1});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DDSURFACEDATA src, dst;
    ASSERT_TRUE(DDCreateSurface(&src, 1, 1, 0, 0, 0, nullptr, 0));
    ASSERT_TRUE(DDCreateSurface(&dst, 1, 1, 0, 0, 0, nullptr, 0));
    SetPixel(src, 0, 0, c.texel);
    SetPixel(dst, 0, 0, c.target);
    lpDevice->SetTextureFactor(c.factor);
    DDSetDrawColor(c.color);
    DDSetColorOp(c.colorOp);
    DDSetAlphaOp(c.alphaOp);
    DDBlt(&dst, 0, 0, 1, 1, &src, 0, 0, 1);
    DDResetDrawColor();
    DDResetColorOp();
    DDResetAlphaOp();
    EXPECT_EQ(PixelAt(dst, 0, 0), c.expected) << std::hex << PixelAt(dst, 0, 0);
  }
}

TEST(BlitTest, BlendPairSetsAndResetsTheKnobs) {
  ScopedDisplay display({1, 32, 1});
  DDSURFACEDATA src, dst;
  ASSERT_TRUE(DDCreateSurface(&src, 1, 1, 0, 0, 0, nullptr, 0));
  ASSERT_TRUE(DDCreateSurface(&dst, 1, 1, 0, 0, 0, nullptr, 0));
  SetPixel(src, 0, 0, 0xFF806040);
  const BLENDPAIR pair{0xFF808080, D3DTOP_MODULATE};
  DDBltBlend(&dst, 0, 0, 1, 1, &src, 0, 0, 1, &pair);
  EXPECT_EQ(PixelAt(dst, 0, 0), 0xFF403020u);
  EXPECT_EQ(lpDTCon->dwDrawColor, 0xFFFFFFFFu);
  EXPECT_EQ(lpDTCon->nColorOp, D3DTOP_MODULATE);
}

TEST(BlitTest, SortedSpriteBatchDrawsUnregisteredThenEachTextureInSubmissionOrder) {
  for (int32_t sort : {1, 0}) {
    SCOPED_TRACE(sort != 0 ? "sorted" : "unsorted");
    ScopedDisplay display({1, 32, 1});
    DDSURFACEDATA red, blue, green;
    for (auto [sd, colour] : {std::pair{&red, kRed}, {&blue, kBlue}, {&green, kGreen}}) {
      ASSERT_TRUE(DDCreateSurface(sd, 4, 1, 0, 0, 0, nullptr, 0));
      DDFillSurfaceRGB(sd, colour);
    }
    DDBeginSpriteBatch(sort);
    DDGetBatchKey(&blue);
    DDGetBatchKey(&red);
    DDGetBatchKey(&blue);  // a second registration changes nothing
    DDBlt(&g_SDBackBuffer, 0, 0, 4, 1, &red, 0, 0, 1);
    DDBlt(&g_SDBackBuffer, 2, 0, 4, 1, &blue, 0, 0, 1);
    DDBlt(&g_SDBackBuffer, 1, 0, 4, 1, &red, 0, 0, 1);
    DDBlt(&g_SDBackBuffer, 4, 0, 4, 1, &green, 0, 0, 1);
    EXPECT_EQ(PixelAt(g_SDBackBuffer, 0, 0) & 0xFFFFFFu, 0u);  // nothing drawn before the end
    DDEndSpriteBatch();
    EXPECT_EQ(g_SpriteBatch.bOn, 0);
    EXPECT_TRUE(g_SpriteBatch.records.empty());
    const std::vector<uint32_t> expected =
        sort != 0 ? std::vector<uint32_t>{kRed, kRed, kRed, kRed, kRed, kBlue, kGreen, kGreen}
                  : std::vector<uint32_t>{kRed, kRed, kRed, kRed, kGreen, kGreen, kGreen, kGreen};
    for (int32_t x = 0; x < 8; ++x) EXPECT_EQ(ArgbAt(g_SDBackBuffer, x, 0), expected[static_cast<std::size_t>(x)]) << x;
  }
}

// Overlapping rectangles of one surface copy what the source held before.
TEST(BlitTest, DirectDrawBltOfASurfaceOntoItselfCopiesTheOldPixels) {
  ScopedDisplay display({0, 32, 1});
  g_dwColorKey = 9;
  DDSURFACEDATA sd;
  ASSERT_TRUE(DDCreateSurface(&sd, 5, 1, 1, 0, 0, nullptr, 0));
  for (int32_t flags : {0, 1}) {
    SCOPED_TRACE(flags);
    for (uint32_t x = 0; x < 5; ++x) SetPixel(sd, static_cast<int32_t>(x), 0, x == 2 ? 9u : x + 1);
    DDBlt(&sd, 1, 0, 4, 1, &sd, 0, 0, flags);
    const std::vector<uint32_t> expected =
        flags == 0 ? std::vector<uint32_t>{1, 1, 2, 9, 4} : std::vector<uint32_t>{1, 1, 2, 4, 4};
    EXPECT_EQ(Row(sd, 5), expected);
  }
  g_dwColorKey = 0;
}

TEST(BlitTest, SurfacesWithoutBackingDrawNothing) {
  for (const cDisplayMode& mode : kAllModes) {
    SCOPED_TRACE(mode.Name());
    ScopedDisplay display(mode);
    DDSURFACEDATA released, never;
    ASSERT_TRUE(DDCreateSurface(&released, 4, 4, 0, 0, 0, nullptr, 0));
    DDReleaseSurface(&released);
    const uint32_t before = PixelAt(g_SDBackBuffer, 1, 1);
    DDBlt(&g_SDBackBuffer, 0, 0, 4, 4, &released, 0, 0, 1);
    DDStretchBlt(&g_SDBackBuffer, 0, 0, 8, 8, &never, 0, 0, 4, 4, 0);
    DDBlt(&released, 0, 0, 4, 4, &g_SDBackBuffer, 0, 0, 0);
    DDFillRect(&never, 0, 0, 4, 4, 3);
    DDFillSurfaceRGB(&released, 5);
    EXPECT_EQ(PixelAt(g_SDBackBuffer, 1, 1), before);
    EXPECT_EQ(released.Pixels(), nullptr);
  }
}

}  // namespace
