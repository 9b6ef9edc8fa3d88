#include "platform/dd/fill.h"
#include "platform/dd/palette.h"

#include <algorithm>

#include "core/log/ec_log.h"
#include "platform/dd/device_config.h"
#include "platform/dd/device_records.h"
#include "platform/dd/display_state.h"
#include "platform/dd/draw_batches.h"
#include "platform/dd/draw_state.h"
#include "platform/dd/quad_draw.h"
#include "platform/dd/quad_render.h"
#include "platform/dd/screen_surfaces.h"
#include "platform/dd/surface_data.h"
#include "platform/dd/virtual_back_buffer.h"
#include "platform/dd/blit.h"

namespace {

struct cFillArea {
  int32_t x, y, w, h;
};

// The rectangle cut to the surface's logical size; w or h 0 when nothing is left.
cFillArea CutToSurface(const DDSURFACEDATA* lpSD, int32_t x, int32_t y, int32_t w, int32_t h) {
  const int64_t left = std::max<int64_t>(x, 0);
  const int64_t top = std::max<int64_t>(y, 0);
  const int64_t right = std::min<int64_t>(static_cast<int64_t>(x) + w, lpSD->nWidth);
  const int64_t bottom = std::min<int64_t>(static_cast<int64_t>(y) + h, lpSD->nHeight);
  if (left >= right || top >= bottom) return {0, 0, 0, 0};
  return {static_cast<int32_t>(left), static_cast<int32_t>(top), static_cast<int32_t>(right - left),
          static_cast<int32_t>(bottom - top)};
}

void FillDirectDraw(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t value) {
  cPixelStore* store = lpDstSD->Pixels();
  if (store == nullptr || !lpDstSD->lpDDS) return;
  const cFillArea r = CutToSurface(lpDstSD, x, y, w, h);
  store->FillRect(r.x, r.y, r.w, r.h, value);
}

// A fill that does not go through the device: the colour narrowed to the
// texture's (or the full-screen back buffer's) layout, written unblended.
void FillLocked(DDSURFACEDATA* lpSD, cPixelStore& store, const cFillArea& r, uint32_t color) {
  uint32_t value = color;
  if (store.BytesPerPixel() == 2) {
    const bool back = DDIsFullScreenBackBuffer(lpSD);
    const PIXELCHANNELS& c = back ? g_BackBufferChannels : g_PixelChannels;
    const auto narrow = [&c, color](int32_t ch, int shift) {
      return NarrowChannelTruncated((color >> shift) & 0xFF, static_cast<uint32_t>(c.nMax[ch]));
    };
    value = ComposePixel(c, narrow(kChRed, 16), narrow(kChGreen, 8), narrow(kChBlue, 0), narrow(kChAlpha, 24));
  }
  store.FillRect(r.x, r.y, r.w, r.h, value);
}

void FillDirect3D(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t color) {
  DDResolveShareSD(&lpDstSD);
  DDRedirectBackBuffer(&lpDstSD);
  if (lpDstSD == nullptr || !lpDstSD->lpDT) return;
  cPixelStore* store = lpDstSD->Pixels();
  if (store == nullptr) return;
  const cFillArea r = CutToSurface(lpDstSD, x, y, w, h);
  if (r.w == 0) return;
  if (lpDstSD->lpDT->bRenderTarget == 0) {
    FillLocked(lpDstSD, *store, r, color);
    return;
  }
  const uint32_t transparent = lpDstSD == &g_SDBackBuffer ? lpDTCon->dwTransmitBack_32 : lpDTCon->dwTransmit_32;
  if (lpDstSD->lpDT->bColorKey != 0 && color == transparent) {
    if (DDBeginScene() == 0 || DDSetRenderTarget(lpDstSD) == 0) return;
    ClearRect(*store, {r.x, r.y, r.w, r.h}, color);
    DDSetRenderTarget(lpDTCon->lpTargetSD);
    return;
  }
  if (g_FillBatch.bOn != 0) {
    g_FillBatch.records.push_back({lpDstSD, r.x, r.y, r.w, r.h, color});
    return;
  }
  if (DDBeginScene() == 0 || DDSetRenderTarget(lpDstSD) == 0) return;
  DrawFillQuad(lpDstSD, r.x, r.y, r.w, r.h, color);
  DDSetRenderTarget(lpDTCon->lpTargetSD);
}

}  // namespace

uint32_t PalNumToRGB(uint32_t dwPalNum) {
  if (dwPalNum > 255) {
    EcLog("PalNumToRGB(DWORD dwPalNum) Err dwPalNum = %d", static_cast<int>(dwPalNum));
    return 0;
  }
  const PALETTEENTRY& e = g_Palette[dwPalNum];
  const int32_t bpp = g_nBpp.load();
  if (lpDTCon != nullptr) {
    if (bpp != 16 && bpp != 32) return 0;
    if (dwPalNum == 0) return lpDTCon->dwTransmit_32;
    return 0xFF000000u | static_cast<uint32_t>(e.peRed) << 16 | static_cast<uint32_t>(e.peGreen) << 8 | e.peBlue;
  }
  if (lpDDCon == nullptr) return 0;
  switch (bpp) {
    case 8: return dwPalNum;
    case 16: {
      const PIXELCHANNELS c = g_PixelChannels;  // a copy: the lambdas capture it
      const auto part = [&c](uint32_t v, int32_t ch) {
        return ((v & static_cast<uint32_t>(c.nMax[ch])) << c.nShift[ch]) & 0xFFFFu;
      };
      return part(e.peBlue, kChBlue) | part(e.peGreen, kChGreen) | part(e.peRed, kChRed);
    }
    case 24:
    case 32: return static_cast<uint32_t>(e.peRed) << 16 | static_cast<uint32_t>(e.peGreen) << 8 | e.peBlue;
    default: return 0;
  }
}

void DDFillRect(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t dwPalNum) {
  if (lpDstSD == nullptr) return;
  if (lpDTCon != nullptr) {
    FillDirect3D(lpDstSD, x, y, w, h, PalNumToRGB(dwPalNum));
  } else if (lpDDCon != nullptr) {
    FillDirectDraw(lpDstSD, x, y, w, h, PalNumToRGB(dwPalNum));
  }
}

void DDFillSurface(DDSURFACEDATA* lpDstSD, uint32_t dwPalNum) {
  if (lpDstSD != nullptr) DDFillRect(lpDstSD, 0, 0, lpDstSD->nWidth, lpDstSD->nHeight, dwPalNum);
}

void DDFillRectRGB(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t color) {
  if (lpDstSD == nullptr) return;
  if (lpDTCon != nullptr) {
    FillDirect3D(lpDstSD, x, y, w, h, color);
  } else if (lpDDCon != nullptr) {
    FillDirectDraw(lpDstSD, x, y, w, h, color);
  }
}

void DDFillSurfaceRGB(DDSURFACEDATA* lpDstSD, uint32_t color) {
  if (lpDstSD != nullptr) DDFillRectRGB(lpDstSD, 0, 0, lpDstSD->nWidth, lpDstSD->nHeight, color);
}
