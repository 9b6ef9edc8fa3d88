#include "platform/dd/transition_blits.h"

#include <algorithm>

#include "platform/dd/blit.h"
#include "platform/dd/draw_batches.h"

void DDBltStripe(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, int32_t e, int32_t f,
                 DDSURFACEDATA* lpSrcSD, int32_t sx, int32_t sy, int32_t flags, int32_t bVertical) {
  if (e == 0) {
    DDBlt(lpDstSD, x, y, w, h, lpSrcSD, sx, sy, flags);
    return;
  }
  if (e < 0) return;
  DDBeginSpriteBatch(0);
  const int32_t count = (bVertical != 0 ? w : h) / e;
  for (int32_t i = 0; i < count; ++i) {
    const int32_t at = i * e;
    const int32_t shift = i % 2 == 1 ? -f : f;
    if (bVertical != 0) {
      DDBlt(lpDstSD, x + at, y + shift, e, h, lpSrcSD, sx + at, sy, flags);
    } else {
      DDBlt(lpDstSD, x + shift, y + at, w, e, lpSrcSD, sx, sy + at, flags);
    }
  }
  DDEndSpriteBatch();
}

void DDBltSplit(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, DDSURFACEDATA* lpSrcSD,
                int32_t sx, int32_t sy, int32_t g, int32_t flags) {
  const int32_t c = w / 2;
  const int32_t d = h / 2;
  DDBeginSpriteBatch(0);
  DDBlt(lpDstSD, x - g, y - g, c, d, lpSrcSD, sx, sy, flags);
  DDBlt(lpDstSD, x + c + g, y - g, c, d, lpSrcSD, sx + c, sy, flags);
  DDBlt(lpDstSD, x - g, y + d + g, c, d, lpSrcSD, sx, sy + d, flags);
  DDBlt(lpDstSD, x + c + g, y + d + g, c, d, lpSrcSD, sx + c, sy + d, flags);
  DDEndSpriteBatch();
}

namespace {

struct FlipStep {
  int32_t inset = 0;  // v: dots taken off each side along the axis
  bool back = false;
};

// r >= 0, size >= 2. 64 bits: r + u must not overflow near INT32_MAX.
FlipStep FlipStepAt(int32_t r, int32_t size) {
  const int64_t u = size / 2;
  const int64_t m = r % u;
  FlipStep step;
  step.inset = static_cast<int32_t>((r / u) % 2 == 0 ? m : u - 1 - m);
  step.back = ((static_cast<int64_t>(r) + u) / size) % 2 == 1;
  return step;
}

}  // namespace

void DDBltFlip(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, DDSURFACEDATA* lpFrontSD,
               int32_t frontSx, int32_t frontSy, DDSURFACEDATA* lpBackSD, int32_t backSx, int32_t backSy, int32_t sw,
               int32_t sh, int32_t flags, int32_t r, int32_t mode) {
  if (mode != 0 && mode != 1) return;
  const int32_t size = mode == 0 ? w : h;
  // Below 2 the half size is 0 and the wave would divide by it.
  if (size < 2) return;
  const FlipStep step = FlipStepAt(std::max(r, 0), size);
  DDSURFACEDATA* src = step.back ? lpBackSD : lpFrontSD;
  const int32_t ssx = step.back ? backSx : frontSx;
  const int32_t ssy = step.back ? backSy : frontSy;
  const int32_t v = step.inset;
  if (mode == 0) {
    DDStretchBlt(lpDstSD, x + v, y, w - 2 * v, h, src, ssx, ssy, sw, sh, flags);
  } else {
    DDStretchBlt(lpDstSD, x, y + v, w, h - 2 * v, src, ssx, ssy, sw, sh, flags);
  }
}
