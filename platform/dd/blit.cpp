#include "platform/dd/blit.h"

#include "platform/dd/cpu_blit.h"
#include "platform/dd/ddraw_blit.h"
#include "platform/dd/device_config.h"
#include "platform/dd/device_records.h"
#include "platform/dd/draw_batches.h"
#include "platform/dd/draw_state.h"
#include "platform/dd/quad_draw.h"
#include "platform/dd/screen_surfaces.h"
#include "platform/dd/surface_data.h"
#include "platform/dd/surface_list.h"
#include "platform/dd/virtual_back_buffer.h"

namespace {

// The colour key a keyed DirectDraw blit skips: the source's, when it has one.
const uint32_t* SourceKey(const DDSURFACEDATA* lpSrcSD, int32_t flags) {
  if (flags != 1) return nullptr;
  const cDirectDrawSurface* surface = lpSrcSD->lpDDS->lpDDSurface.get();
  return surface->HasColorKey() ? &surface->ColorKeyRef() : nullptr;
}

bool HasDDSurface(const DDSURFACEDATA* lpSD) { return lpSD != nullptr && lpSD->lpDDS && lpSD->lpDDS->lpDDSurface; }

int32_t DirectDrawBlt(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, DDSURFACEDATA* lpSrcSD,
                      int32_t sx, int32_t sy, int32_t sw, int32_t sh, int32_t flags, bool fast) {
  if (!HasDDSurface(lpDstSD) || !HasDDSurface(lpSrcSD)) return DDERR_INVALIDRECT;
  if (DDClipBlt(lpDstSD, &x, &y, &w, &h, lpSrcSD, &sx, &sy, &sw, &sh) == 0) return DD_OK;
  cPixelStore* dst = lpDstSD->lpDDS->lpDDSurface->Lock();
  const cPixelStore* src = lpSrcSD->lpDDS->lpDDSurface->Lock();
  if (dst == nullptr || src == nullptr) return DDERR_SURFACELOST;
  const uint32_t* key = SourceKey(lpSrcSD, flags);
  if (fast || (sw == w && sh == h)) return DDrawBltFast(*dst, x, y, *src, {sx, sy, sw, sh}, key);
  return DDrawBltStretch(*dst, {x, y, w, h}, *src, {sx, sy, sw, sh}, key);
}

void QueueSprite(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, DDSURFACEDATA* lpSrcSD,
                 int32_t sx, int32_t sy, int32_t sw, int32_t sh, int32_t flags) {
  const cQuadKnobs knobs = CurrentKnobs();
  g_SpriteBatch.records.push_back({SpriteBatchKeyOf(lpSrcSD), lpDstSD, lpSrcSD, x, y, w, h, sx, sy, sw, sh, flags,
                                   knobs.dwDrawColor, knobs.nColorOp, knobs.nAlphaOp, g_SpriteBatch.nCount});
  ++g_SpriteBatch.nCount;
}

int32_t Direct3DStretchBlt(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h,
                           DDSURFACEDATA* lpSrcSD, int32_t sx, int32_t sy, int32_t sw, int32_t sh, int32_t flags) {
  DDResolveShareSD(&lpDstSD);
  DDResolveShareSD(&lpSrcSD);
  if (lpDstSD == nullptr || lpSrcSD == nullptr) return 0;
  if (lpDTCon->bCopyVirBackBuffer == 0) {
    DDRedirectBackBuffer(&lpDstSD);
    DDRedirectBackBuffer(&lpSrcSD);
  }
  if (!lpDstSD->lpDT || !lpSrcSD->lpDT || lpDstSD->Pixels() == nullptr || lpSrcSD->Pixels() == nullptr) return 0;
  if (IsQuadPath(lpDstSD, lpSrcSD)) {
    if (DDClipBlt(lpDstSD, &x, &y, &w, &h, lpSrcSD, &sx, &sy, &sw, &sh) == 0) return 0;
    if (g_SpriteBatch.bOn != 0) {
      QueueSprite(lpDstSD, x, y, w, h, lpSrcSD, sx, sy, sw, sh, flags);
      return 0;
    }
    return DrawSurfaceQuad(lpDstSD, x, y, w, h, lpSrcSD, sx, sy, sw, sh, flags, CurrentKnobs());
  }
  const cCpuBlt b{x, y, w, h, sx, sy, sw, sh, flags == 1, DDIsFullScreenBackBuffer(lpDstSD) && g_nBytesPerPixel == 2};
  CpuBlt(*lpDstSD->Pixels(), *lpSrcSD->Pixels(), b, g_PixelChannels, g_BackBufferChannels);
  return 0;
}

}  // namespace

bool IsQuadPath(const DDSURFACEDATA* lpDstSD, const DDSURFACEDATA* lpSrcSD) {
  return lpDstSD->lpDT->bRenderTarget != 0 && lpSrcSD->lpDT->nMemoryType != DTMEMORYTYPE_SYSTEM;
}

void DDResolveShareSD(DDSURFACEDATA** lppSD) {
  if (lpDTCon == nullptr || lppSD == nullptr || *lppSD == nullptr) return;
  DDSURFACEDATA* lpSD = *lppSD;
  if (lpSD->lpShareSD == nullptr || !lpSD->lpDT || lpSD->lpDT->lpTexture) return;
  *lppSD = g_DTSurfaceList.Find(lpSD->lpDT->nShareId);
}

void DDAdjustMirrorRect(const DDSURFACEDATA* lpSrcSD, int32_t* sx, int32_t* sy, int32_t* sw, int32_t* sh) {
  if (lpDTCon == nullptr || lpSrcSD == nullptr || lpSrcSD->lpShareSD == nullptr) return;
  // Cells below one dot mean the picture is not mirrored.
  const auto adjust = [](int32_t cell, int32_t* start, int32_t* size) {
    if (cell < 1) return;
    if (*size == cell) {
      *start += cell;
      *size = -*size;
    } else if (*size < cell) {
      *start = *start + cell - 2 * (*start % cell);
      *size = -*size;
    }
  };
  adjust(lpSrcSD->nMirrorCellW, sx, sw);
  adjust(lpSrcSD->nMirrorCellH, sy, sh);
}

int32_t DDBlt(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, DDSURFACEDATA* lpSrcSD,
              int32_t sx, int32_t sy, int32_t flags) {
  if (lpDTCon != nullptr) return DDStretchBlt(lpDstSD, x, y, w, h, lpSrcSD, sx, sy, w, h, flags);
  if (lpDDCon == nullptr) return DDERR_INVALIDRECT;
  return DirectDrawBlt(lpDstSD, x, y, w, h, lpSrcSD, sx, sy, w, h, flags, true);
}

int32_t DDStretchBlt(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, DDSURFACEDATA* lpSrcSD,
                     int32_t sx, int32_t sy, int32_t sw, int32_t sh, int32_t flags) {
  if (lpDstSD == nullptr || lpSrcSD == nullptr) return 0;
  DDAdjustMirrorRect(lpSrcSD, &sx, &sy, &sw, &sh);
  if (lpDTCon != nullptr) return Direct3DStretchBlt(lpDstSD, x, y, w, h, lpSrcSD, sx, sy, sw, sh, flags);
  if (lpDDCon == nullptr) return DDERR_INVALIDRECT;
  return DirectDrawBlt(lpDstSD, x, y, w, h, lpSrcSD, sx, sy, sw, sh, flags, false);
}

int32_t DDBltBlend(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, DDSURFACEDATA* lpSrcSD,
                   int32_t sx, int32_t sy, int32_t flags, const BLENDPAIR* lpBlend) {
  if (lpDTCon != nullptr) return DDStretchBltBlend(lpDstSD, x, y, w, h, lpSrcSD, sx, sy, w, h, flags, lpBlend);
  return DDBlt(lpDstSD, x, y, w, h, lpSrcSD, sx, sy, flags);
}

int32_t DDStretchBltBlend(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h,
                          DDSURFACEDATA* lpSrcSD, int32_t sx, int32_t sy, int32_t sw, int32_t sh, int32_t flags,
                          const BLENDPAIR* lpBlend) {
  if (lpDTCon == nullptr || lpBlend == nullptr) {
    return DDStretchBlt(lpDstSD, x, y, w, h, lpSrcSD, sx, sy, sw, sh, flags);
  }
  DDSetDrawColor(lpBlend->dwColor);
  DDSetColorOp(lpBlend->nColorOp);
  const int32_t result = DDStretchBlt(lpDstSD, x, y, w, h, lpSrcSD, sx, sy, sw, sh, flags);
  DDResetDrawColor();
  DDResetColorOp();
  return result;
}
