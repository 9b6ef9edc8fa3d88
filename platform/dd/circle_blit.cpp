#include "platform/dd/circle_blit.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/dd/blit.h"
#include "platform/dd/draw_batches.h"
#include "platform/dd/surface_data.h"

int64_t FloorSqrt(int64_t n) {
  if (n <= 0) return 0;
  auto k = static_cast<int64_t>(std::sqrt(static_cast<double>(n)));
  // A double holds 53 bits: near 2^62 the estimate can be a step off either way.
  while (k > 0 && k > n / k) --k;
  while ((k + 1) <= n / (k + 1)) ++k;
  return k;
}

namespace circle_blit {

struct cCircle {
  DDSURFACEDATA* lpDstSD;
  DDSURFACEDATA* lpSrcSD;
  int64_t cx, cy, scx, scy, r, b, ey;
  int64_t left, right;  // usable source columns [left, right)
  int32_t flags;
};

int32_t Narrow32(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// The span of the band starting at row offset h.
void DrawBand(const cCircle& c, int64_t h) {
  const int64_t m = h + (c.b >> 1);
  int64_t k = FloorSqrt(c.r * c.r - m * m);
  if (k >= c.r) k = c.r - 1;
  int64_t xs = c.scx - k;
  int64_t xd = c.cx - k;
  int64_t width = 2 * k;
  if (xs < c.left) {
    xd += c.left - xs;
    width -= c.left - xs;
    xs = c.left;
  }
  if (xs + width >= c.right) width = c.right - xs;
  if (width <= 0) return;
  DDBlt(c.lpDstSD, Narrow32(xd), Narrow32(c.cy + h), Narrow32(width), Narrow32(c.b), c.lpSrcSD, Narrow32(xs),
        Narrow32(c.scy + h), c.flags);
}

// The largest band start below `limit` on the grid start - n b (n >= 0).
int64_t GridStartBelow(int64_t start, int64_t b, int64_t limit) {
  if (start < limit) return start;
  return start - ((start - limit) / b + 1) * b;
}

void Walk(const cCircle& c, int64_t visibleTop, int64_t visibleBottom) {
  int64_t h = GridStartBelow(c.r - c.b, c.b, c.ey);
  bool first = true;
  while (h >= -c.r) {
    if (h + c.b <= -c.ey) return;
    if (!first && h >= visibleBottom) {
      // Bands below both surfaces draw nothing: on to the first that may show.
      h = GridStartBelow(h, c.b, visibleBottom);
      continue;
    }
    if (!first && h + c.b <= visibleTop && h >= -c.ey) {
      // Every further band lies above the surfaces, but for the last, which is
      // moved down to -extent y: go straight to it.
      h = GridStartBelow(h, c.b, -c.ey);
      continue;
    }
    if (h + c.b > c.ey) h = c.ey - c.b;
    if (h < -c.ey) h = -c.ey;
    DrawBand(c, h);
    first = false;
    h -= c.b;
  }
}

}  // namespace circle_blit

void DDBltCircle(DDSURFACEDATA* lpDstSD, int32_t cx, int32_t cy, int32_t extentX, int32_t extentY, int32_t r,
                 int32_t b, DDSURFACEDATA* lpSrcSD, int32_t scx, int32_t scy, int32_t flags) {
  using namespace circle_blit;
  if (r <= 0 || b <= 0) return;
  DDResolveShareSD(&lpDstSD);
  DDResolveShareSD(&lpSrcSD);
  if (lpDstSD == nullptr || lpSrcSD == nullptr) return;
  cCircle c{lpDstSD, lpSrcSD, cx, cy, scx, scy, r, b, extentY, 0, 0, flags};
  c.left = std::max<int64_t>(static_cast<int64_t>(scx) - extentX, 0);
  c.right = std::min<int64_t>(static_cast<int64_t>(scx) + extentX, lpSrcSD->nWidth);
  // Row offsets whose rows lie inside both surfaces.
  const int64_t top = std::max<int64_t>(-c.cy, -c.scy);
  const int64_t bottom = std::min<int64_t>(lpDstSD->nHeight - c.cy, lpSrcSD->nHeight - c.scy);
  DDBeginSpriteBatch(0);
  Walk(c, top, bottom);
  DDEndSpriteBatch();
}
