#include "platform/dd/rotate_blit.h"

#include <algorithm>
#include <cmath>

#include "platform/dd/blit.h"
#include "platform/dd/device_records.h"
#include "platform/dd/display_state.h"
#include "platform/dd/draw_state.h"
#include "platform/dd/effect_locks.h"
#include "platform/dd/effect_surfaces.h"
#include "platform/dd/palette.h"
#include "platform/dd/quad_draw.h"
#include "platform/dd/rotated_quad.h"
#include "platform/dd/surface_data.h"

namespace rotate_blit {

constexpr double kRadiansPerDegree = 0.017453292519943278;

struct cRotation {
  int64_t dcx, dcy, w, h, pcx, pcy, sx, sy;
  int64_t s, c;    // the turn, 10-bit fixed point
  int64_t s2, c2;  // the turn back
  bool bMirrorX, bMirrorY;  // a Direct3D mirror view: the cell read leftwards (upwards)
};

int64_t Fixed10(double v) { return static_cast<int64_t>(std::trunc(v * 1024.0)); }

struct cBox {
  int64_t x0, x1, y0, y1;  // x0 <= x < x1
};

// The turned rectangle's box relative to the source, widened by 2.
cBox TurnedBox(const cRotation& r) {
  const int64_t xs[2] = {-r.pcx, r.w - 1 - r.pcx};
  const int64_t ys[2] = {-r.pcy, r.h - 1 - r.pcy};
  cBox box{INT64_MAX, INT64_MIN, INT64_MAX, INT64_MIN};
  for (const int64_t x : xs) {
    for (const int64_t y : ys) {
      const int64_t tx = ((x * r.c - y * r.s) >> 10) + r.pcx;
      const int64_t ty = ((x * r.s + y * r.c) >> 10) + r.pcy;
      box = {std::min(box.x0, tx), std::max(box.x1, tx), std::min(box.y0, ty), std::max(box.y1, ty)};
    }
  }
  return {box.x0 - 2, box.x1 + 2, box.y0 - 2, box.y1 + 2};
}

template <class T>
void TurnPixels(const cRotation& r, cPixelStore& dst, int32_t dstW, int32_t dstH, const cPixelStore& src,
                int32_t srcW, int32_t srcH, bool keyed, uint32_t key) {
  cBox box = TurnedBox(r);
  // Destination (dcx + x - pcx, dcy + y - pcy) inside the destination only.
  box.x0 = std::max(box.x0, r.pcx - r.dcx);
  box.x1 = std::min(box.x1, r.pcx - r.dcx + dstW);
  box.y0 = std::max(box.y0, r.pcy - r.dcy);
  box.y1 = std::min(box.y1, r.pcy - r.dcy + dstH);
  for (int64_t y = box.y0; y < box.y1; ++y) {
    const int64_t dy = y - r.pcy;
    T* out = reinterpret_cast<T*>(dst.Row8(static_cast<int32_t>(r.dcy + dy)));
    for (int64_t x = box.x0; x < box.x1; ++x) {
      const int64_t dx = x - r.pcx;
      const int64_t u = ((dx * r.c2 - dy * r.s2) >> 10) + r.pcx;
      const int64_t v = ((dx * r.s2 + dy * r.c2) >> 10) + r.pcy;
      if (u < 0 || u >= r.w || v < 0 || v >= r.h) continue;
      const int64_t su = r.bMirrorX ? r.sx - 1 - u : r.sx + u;
      const int64_t sv = r.bMirrorY ? r.sy - 1 - v : r.sy + v;
      if (su < 0 || sv < 0 || su >= srcW || sv >= srcH) continue;
      const T p = reinterpret_cast<const T*>(src.Row8(static_cast<int32_t>(sv)))[su];
      if (keyed && p == static_cast<T>(key)) continue;
      out[r.dcx + dx] = p;
    }
  }
}

bool DrawSoftware(const cRotation& r, DDSURFACEDATA* lpDstSD, DDSURFACEDATA* lpSrcSD, bool keyed) {
  cEffectLocks locks;
  if (!locks.Lock(lpDstSD, lpSrcSD)) return false;
  cPixelStore& dst = locks.Dst();
  const cPixelStore& src = locks.Src();
  if (dst.BytesPerPixel() != src.BytesPerPixel()) return true;
  const int32_t dstW = locks.DstWidth(), dstH = locks.DstHeight();
  const int32_t srcW = locks.SrcWidth(), srcH = locks.SrcHeight();
  switch (dst.BytesPerPixel()) {
    case 1: TurnPixels<uint8_t>(r, dst, dstW, dstH, src, srcW, srcH, keyed, g_dwColorKey); break;
    case 2: TurnPixels<uint16_t>(r, dst, dstW, dstH, src, srcW, srcH, keyed, g_dwColorKey); break;
    default: TurnPixels<uint32_t>(r, dst, dstW, dstH, src, srcW, srcH, keyed, g_dwColorKey); break;
  }
  return true;
}

// The quad path: the corners turned in double precision and drawn with the knobs.
void DrawQuad(DDSURFACEDATA* lpDstSD, int32_t dcx, int32_t dcy, int32_t w, int32_t h, int32_t pcx, int32_t pcy,
              double radians, DDSURFACEDATA* lpSrcSD, const cQuadRect& src) {
  if (DDBeginScene() == 0 || DDSetRenderTarget(lpDstSD) == 0) return;
  const double cs = std::cos(radians), sn = std::sin(radians);
  const double mx = dcx + pcx - (w >> 1) - 0.5, my = dcy + pcy - (h >> 1) - 0.5;
  const double xs[4] = {-static_cast<double>(pcx), -static_cast<double>(pcx), static_cast<double>(w) - pcx,
                        static_cast<double>(w) - pcx};
  const double ys[4] = {-static_cast<double>(pcy), static_cast<double>(h) - pcy, -static_cast<double>(pcy),
                        static_cast<double>(h) - pcy};
  cQuadCorners corners;
  for (int k = 0; k < 4; ++k) {
    corners.x[k] = xs[k] * cs - ys[k] * sn + mx;
    corners.y[k] = xs[k] * sn + ys[k] * cs + my;
  }
  const cQuadKnobs knobs = CurrentKnobs();
  const cQuadStage stage{.dwDiffuse = knobs.dwDrawColor,
                         .nColorOp = knobs.nColorOp,
                         .nAlphaOp = knobs.nAlphaOp,
                         .dwFactor = lpDevice->TextureFactor()};
  const cPixelStore* texture = lpSrcSD->lpDT->lpTexture ? &lpSrcSD->lpDT->lpTexture->Store() : nullptr;
  DrawRotatedQuad(*lpDstSD->Pixels(), corners, texture, src, stage);
  DDSetRenderTarget(lpDTCon->lpTargetSD);
}

}  // namespace rotate_blit

bool DDBltRotate(DDSURFACEDATA* lpDstSD, int32_t dcx, int32_t dcy, int32_t w, int32_t h, int32_t pcx, int32_t pcy,
                 int32_t angle, DDSURFACEDATA* lpSrcSD, int32_t sx, int32_t sy, int32_t flags) {
  using namespace rotate_blit;
  if (lpDstSD == nullptr || lpSrcSD == nullptr) return true;
  const double radians = angle * kRadiansPerDegree;
  cRotation r{dcx, dcy, w, h, pcx, pcy, sx, sy,
              Fixed10(std::sin(radians)), Fixed10(std::cos(radians)),
              Fixed10(std::sin(-radians)), Fixed10(std::cos(-radians)), false, false};
  if (lpDTCon == nullptr) {
    if (lpDDCon == nullptr || g_nBpp.load() == 24) return true;
    return DrawSoftware(r, lpDstSD, lpSrcSD, flags == 1);
  }
  int32_t sw = w, sh = h;
  int32_t asx = sx, asy = sy;
  DDAdjustMirrorRect(lpSrcSD, &asx, &asy, &sw, &sh);
  lpDstSD = ResolveEffectSurface(lpDstSD);
  lpSrcSD = ResolveEffectSurface(lpSrcSD);
  if (lpDstSD == nullptr || lpSrcSD == nullptr || !lpDstSD->lpDT || !lpSrcSD->lpDT || lpDstSD->Pixels() == nullptr ||
      lpSrcSD->Pixels() == nullptr) {
    return true;
  }
  if (IsQuadPath(lpDstSD, lpSrcSD)) {
    DrawQuad(lpDstSD, dcx, dcy, w, h, pcx, pcy, radians, lpSrcSD, {asx, asy, sw, sh});
    return true;
  }
  r.sx = asx;
  r.sy = asy;
  r.bMirrorX = sw < 0;
  r.bMirrorY = sh < 0;
  return DrawSoftware(r, lpDstSD, lpSrcSD, flags == 1);
}
