#include "platform/dd/rotated_quad.h"

#include <algorithm>
#include <cmath>

#include "platform/dd/quad_pixels.h"

namespace rotated_quad {

using quad_pixels::Px;

// (u, v) of a point as linear functions of x along a row: u = du x + u0.
struct cRowMap {
  double du, u0, dv, v0;
};

struct cQuadMap {
  double ox, oy;    // the top-left corner
  double iux, iuy;  // u = iux (px - ox) + iuy (py - oy)
  double ivx, ivy;  // v likewise

  cRowMap Row(double py) const {
    return {iux, iux * -ox + iuy * (py - oy), ivx, ivx * -ox + ivy * (py - oy)};
  }
};

// The inverse of the parallelogram's edge matrix; false without area.
bool MapOf(const cQuadCorners& c, cQuadMap* map) {
  const double e1x = c.x[2] - c.x[0], e1y = c.y[2] - c.y[0];  // along u
  const double e2x = c.x[1] - c.x[0], e2y = c.y[1] - c.y[0];  // along v
  const double det = e1x * e2y - e1y * e2x;
  if (det == 0.0 || !std::isfinite(det)) return false;
  *map = {c.x[0], c.y[0], e2y / det, -e2x / det, -e1y / det, e1x / det};
  return true;
}

// The columns [first, end) of a row where a*x + b may lie in [0, 1), one
// column wider each way than exact: every pixel is tested again.
void NarrowToUnit(double a, double b, double* first, double* end) {
  if (a == 0.0) {
    if (b < 0.0 || b >= 1.0) *end = *first;
    return;
  }
  double lo = -b / a, hi = (1.0 - b) / a;
  if (lo > hi) std::swap(lo, hi);
  *first = std::max(*first, std::floor(lo) - 1.0);
  *end = std::min(*end, std::ceil(hi) + 2.0);
}

// A texel index wrapped into [0, size).
inline int32_t Wrap(double t, int32_t size) {
  const auto i = static_cast<int64_t>(std::floor(t));
  if (i >= 0 && i < size) return static_cast<int32_t>(i);
  const int64_t m = i % size;
  return static_cast<int32_t>(m < 0 ? m + size : m);
}

template <ePixelFormat S, ePixelFormat D>
void DrawRows(cPixelStore& target, const cQuadMap& map, int32_t rowFirst, int32_t rowEnd, const cPixelStore* texture,
              const cQuadRect& src, const cQuadStage& stage) {
  using DT = typename Px<D>::T;
  using ST = typename Px<S>::T;
  const bool white = texture == nullptr;
  const int32_t texW = white ? 1 : texture->Width(), texH = white ? 1 : texture->Height();
  const ST* texBits = white ? nullptr : reinterpret_cast<const ST*>(texture->Bits());
  const uint32_t whiteColour = StageColour(0xFFFFFFFFu, stage);
  // White diffuse with modulate or select-first leaves the texel as it is.
  const auto unchanged = [](int32_t op) { return op == 4 || op == 2; };
  const bool plain = stage.dwDiffuse == 0xFFFFFFFFu && unchanged(stage.nColorOp) && unchanged(stage.nAlphaOp);
  for (int32_t py = rowFirst; py < rowEnd; ++py) {
    const cRowMap row = map.Row(py);
    double first = 0.0, end = target.Width();
    NarrowToUnit(row.du, row.u0, &first, &end);
    NarrowToUnit(row.dv, row.v0, &first, &end);
    DT* out = reinterpret_cast<DT*>(target.Row8(py));
    for (auto px = static_cast<int32_t>(first); px < static_cast<int32_t>(end); ++px) {
      const double u = row.du * px + row.u0, v = row.dv * px + row.v0;
      if (u < 0.0 || u >= 1.0 || v < 0.0 || v >= 1.0) continue;
      uint32_t colour = whiteColour;
      if (!white) {
        const int32_t tx = Wrap(src.x + u * src.w, texW), ty = Wrap(src.y + v * src.h, texH);
        const uint32_t texel = Px<S>::Read(texBits[static_cast<std::size_t>(ty) * texW + tx]);
        colour = plain ? texel : StageColour(texel, stage);
      }
      const uint32_t a = colour >> 24;
      if (a == 0) continue;
      out[px] = Px<D>::Write(a == 255 ? colour : BlendOver(colour, Px<D>::Read(out[px])));
    }
  }
}

}  // namespace rotated_quad

void DrawRotatedQuad(cPixelStore& target, const cQuadCorners& corners, const cPixelStore* texture,
                     const cQuadRect& src, const cQuadStage& stage) {
  using namespace rotated_quad;
  if (target.Empty() || src.w == 0 || src.h == 0) return;
  if (texture != nullptr && texture->Empty()) texture = nullptr;
  cQuadMap map{};
  if (!MapOf(corners, &map)) return;
  const double bottomRightY = corners.y[1] + corners.y[2] - corners.y[0];
  const double top = std::min({corners.y[0], corners.y[1], corners.y[2], bottomRightY});
  const double bottom = std::max({corners.y[0], corners.y[1], corners.y[2], bottomRightY});
  const auto rowFirst = static_cast<int32_t>(std::clamp(std::floor(top), 0.0, static_cast<double>(target.Height())));
  const auto rowEnd = static_cast<int32_t>(std::clamp(std::ceil(bottom) + 1.0, 0.0, static_cast<double>(target.Height())));
  const ePixelFormat texFormat = texture != nullptr ? texture->Format() : target.Format();
  quad_pixels::WithDeviceFormat(target.Format(), [&]<ePixelFormat D>() {
    quad_pixels::WithDeviceFormat(texFormat, [&]<ePixelFormat S>() {
      DrawRows<S, D>(target, map, rowFirst, rowEnd, texture, src, stage);
    });
  });
}
