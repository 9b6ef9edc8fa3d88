#include <algorithm>
#include <cstdlib>

#include "platform/dd/blit.h"
#include "platform/dd/device_records.h"
#include "platform/dd/surface_data.h"

namespace {

// One axis of a blit: destination start and size, source start and size.
struct BltAxis {
  int64_t pos, size, src, srcSize;
};

// Unscaled: cut the source to its surface, then the destination to its own; a
// cut start moves the destination with it, so the kept part stays in place.
bool ClipUnscaled(BltAxis& a, int64_t srcLimit, int64_t dstLimit) {
  if (a.src < 0) {
    a.pos -= a.src;
    a.size += a.src;
    a.src = 0;
  }
  a.size = std::min(a.size, srcLimit - a.src);
  if (a.pos < 0) {
    a.src -= a.pos;
    a.size += a.pos;
    a.pos = 0;
  }
  a.size = std::min(a.size, dstLimit - a.pos);
  a.srcSize = a.size;
  return a.size > 0;
}

// Scaled or mirrored: cut the source rectangle to the surface and scale the
// destination by the kept fraction, moving it by the scaled cut. Direct3D reads
// a mirrored rectangle from its right edge; DirectDraw cuts the destination to
// its surface as well.
bool ClipScaled(BltAxis& a, int64_t srcLimit, int64_t dstLimit, bool direct3D) {
  const int64_t inSize = a.srcSize;
  const bool mirrored = direct3D && inSize < 0;
  int64_t lo = a.src, hi = a.src + inSize;
  if (mirrored) std::swap(lo, hi);
  const int64_t keptLo = std::max<int64_t>(lo, 0);
  const int64_t keptHi = std::min(hi, srcLimit);
  const int64_t kept = keptHi - keptLo;
  const int64_t absIn = std::llabs(inSize);
  const int64_t cut = mirrored ? hi - keptHi : keptLo - lo;
  if (cut > 0) a.pos += cut * a.size / absIn;
  if (mirrored) {
    a.src = keptHi;
    a.srcSize = -kept;
  } else {
    a.src = keptLo;
    a.srcSize = kept;
  }
  if (kept <= 0) return false;
  a.size = a.size * kept / absIn;
  if (direct3D) return a.size > 0;
  if (a.pos < 0) {
    if (a.pos + a.size <= 0) return false;
    const int64_t move = -a.pos * a.srcSize / a.size;
    a.src += move;
    a.srcSize -= move;
    a.size += a.pos;
    a.pos = 0;
  }
  if (a.pos >= dstLimit) return false;
  if (a.pos + a.size > dstLimit) {
    a.srcSize = (dstLimit - a.pos) * a.srcSize / a.size;
    a.size = dstLimit - a.pos;
  }
  return a.size > 0;
}

bool SameSign(int64_t now, int32_t before) { return now != 0 && ((now < 0) == (before < 0)); }

}  // namespace

int32_t DDClipBlt(const DDSURFACEDATA* lpDstSD, int32_t* x, int32_t* y, int32_t* w, int32_t* h,
                  const DDSURFACEDATA* lpSrcSD, int32_t* sx, int32_t* sy, int32_t* sw, int32_t* sh) {
  if (lpDstSD == nullptr || lpSrcSD == nullptr) return 0;
  if (*w <= 0 || *h <= 0 || *sw == 0 || *sh == 0) return 0;
  const int32_t inSw = *sw, inSh = *sh;
  BltAxis ax{*x, *w, *sx, *sw};
  BltAxis ay{*y, *h, *sy, *sh};
  bool left;
  if (*sw == *w && *sh == *h) {
    left = ClipUnscaled(ax, lpSrcSD->nWidth, lpDstSD->nWidth) && ClipUnscaled(ay, lpSrcSD->nHeight, lpDstSD->nHeight);
  } else {
    const bool direct3D = lpDTCon != nullptr;
    left = ClipScaled(ax, lpSrcSD->nWidth, lpDstSD->nWidth, direct3D) &&
           ClipScaled(ay, lpSrcSD->nHeight, lpDstSD->nHeight, direct3D);
  }
  *x = static_cast<int32_t>(ax.pos);
  *y = static_cast<int32_t>(ay.pos);
  *w = static_cast<int32_t>(ax.size);
  *h = static_cast<int32_t>(ay.size);
  *sx = static_cast<int32_t>(ax.src);
  *sy = static_cast<int32_t>(ay.src);
  *sw = static_cast<int32_t>(ax.srcSize);
  *sh = static_cast<int32_t>(ay.srcSize);
  return left && SameSign(ax.srcSize, inSw) && SameSign(ay.srcSize, inSh) && *w > 0 && *h > 0 ? 1 : 0;
}
