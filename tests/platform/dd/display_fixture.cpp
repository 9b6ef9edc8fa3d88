#include "tests/platform/dd/display_fixture.h"

#include "core/log/ec_log.h"
#include "core/mesbox/mesbox.h"
#include "platform/dd/dd_init.h"
#include "platform/dd/fill.h"
#include "platform/dd/palette.h"
#include "platform/dd/pixel_format.h"
#include "platform/dd/surface_create.h"

std::string cDisplayMode::Name() const {
  return std::string(bDirect3D != 0 ? "Direct3D " : "DirectDraw ") + std::to_string(nBpp) +
         (nWindowMode != 0 ? " window" : " full screen");
}

ScopedDisplay::ScopedDisplay(const cDisplayMode& mode) {
  SetMesBoxAnswerer([](const std::string&, const std::string&, unsigned) { return 1; });
  ok_ = DDInit(mode.bDirect3D, g_hWnd, 640, 480, mode.nBpp, 0, mode.nWindowMode, 1, 60, 0, nullptr, nullptr, 0);
  EXPECT_TRUE(ok_) << mode.Name();
}

ScopedDisplay::~ScopedDisplay() {
  DDReleaseAll();
  SetMesBoxAnswerer(nullptr);
}

void SetTestPalette() {
  for (int i = 0; i < 256; ++i) {
    g_Palette[static_cast<std::size_t>(i)] = {static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i),
                                              static_cast<uint8_t>(i * 7), 0};
  }
  g_Palette[0] = {255, 0, 255, 0};
}

uint32_t PixelAt(DDSURFACEDATA& sd, int32_t x, int32_t y) { return sd.Pixels()->Get(x, y); }

void SetPixel(DDSURFACEDATA& sd, int32_t x, int32_t y, uint32_t pixel) { sd.Pixels()->Set(x, y, pixel); }

uint32_t ArgbAt(DDSURFACEDATA& sd, int32_t x, int32_t y) {
  const cPixelStore* store = sd.Pixels();
  return PixelToArgb(store->Get(x, y), store->Format());
}

std::string IndexPicture(DDSURFACEDATA& sd, int32_t w, int32_t h) {
  std::string out;
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) {
      const uint32_t p = PixelAt(sd, x, y);
      out += p == kGround ? '.' : static_cast<char>('a' + (p - kFirstColour));
    }
    out += '\n';
  }
  return out;
}

void GroundedDisplayTest::Make(DDSURFACEDATA& sd, int32_t w, int32_t h) {
  ASSERT_TRUE(DDCreateSurface(&sd, w, h, 0, 0, 0, nullptr, 0));
  DDFillSurface(&sd, kGround);
}
