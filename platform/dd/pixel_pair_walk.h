#pragma once
// The walk of the mixing blits' CPU paths: destination pixel (x + i, y + j)
// takes source pixel (sx + i, sy + j) for i < w and j < h, and a pair is visited
// only when both pixels lie inside their surfaces, so the blit clips itself.
// The visited pairs are found per row and column range instead of per pixel;
// the result is the same.
//
// A Direct3D mirror view's source rectangle comes adjusted (DDAdjustMirrorRect)
// with a negative size: the walk then reads leftwards (upwards) from sx - 1
// (sy - 1), as the CPU blit does, so the mirrored cell is shown.
//
//   WalkPixelPairs<uint32_t, uint32_t>(dst, src, walk, [](uint32_t s, uint32_t& d) { d = s; });

#include <algorithm>
#include <cstdint>

#include "platform/dd/pixel_store.h"

struct cPixelPairWalk {
  int32_t x = 0, y = 0, w = 0, h = 0;  // the destination rectangle
  int32_t sx = 0, sy = 0;
  bool bMirrorX = false, bMirrorY = false;
  int32_t nDstWidth = 0, nDstHeight = 0;  // the usable sizes (effect_surfaces.h)
  int32_t nSrcWidth = 0, nSrcHeight = 0;
};

namespace pixel_pair_walk {

// The offsets k in [0, n) for which at + k lies in [0, size) and the source
// coordinate (from + k, or from - 1 - k mirrored) lies in [0, srcSize).
struct cRange {
  int64_t first = 0, end = 0;
};

inline cRange PairRange(int32_t n, int32_t at, int32_t size, int32_t from, bool mirror, int32_t srcSize) {
  int64_t first = std::max<int64_t>(0, -static_cast<int64_t>(at));
  int64_t end = std::min<int64_t>(n, static_cast<int64_t>(size) - at);
  if (mirror) {
    // 0 <= from - 1 - k < srcSize
    first = std::max<int64_t>(first, static_cast<int64_t>(from) - srcSize);
    end = std::min<int64_t>(end, from);
  } else {
    first = std::max<int64_t>(first, -static_cast<int64_t>(from));
    end = std::min<int64_t>(end, static_cast<int64_t>(srcSize) - from);
  }
  return {first, std::max(first, end)};
}

}  // namespace pixel_pair_walk

// fn(const TS& source, TD& destination) for every visited pair; nothing when
// the stores do not hold TS and TD pixels.
template <class TD, class TS, class Fn>
void WalkPixelPairs(cPixelStore& dst, const cPixelStore& src, const cPixelPairWalk& walk, Fn&& fn) {
  using pixel_pair_walk::PairRange;
  if (dst.BytesPerPixel() != static_cast<int32_t>(sizeof(TD)) || src.BytesPerPixel() != static_cast<int32_t>(sizeof(TS))) {
    return;
  }
  const auto cols = PairRange(walk.w, walk.x, walk.nDstWidth, walk.sx, walk.bMirrorX, walk.nSrcWidth);
  const auto rows = PairRange(walk.h, walk.y, walk.nDstHeight, walk.sy, walk.bMirrorY, walk.nSrcHeight);
  if (cols.first >= cols.end) return;
  const auto count = static_cast<int32_t>(cols.end - cols.first);
  for (int64_t j = rows.first; j < rows.end; ++j) {
    const auto dy = static_cast<int32_t>(walk.y + j);
    const auto srcY = static_cast<int32_t>(walk.bMirrorY ? walk.sy - 1 - j : walk.sy + j);
    TD* out = reinterpret_cast<TD*>(dst.Row8(dy)) + (walk.x + cols.first);
    const TS* in = reinterpret_cast<const TS*>(src.Row8(srcY));
    if (walk.bMirrorX) {
      const TS* from = in + (walk.sx - 1 - cols.first);
      for (int32_t k = 0; k < count; ++k) fn(from[-k], out[k]);
    } else {
      const TS* from = in + (walk.sx + cols.first);
      for (int32_t k = 0; k < count; ++k) fn(from[k], out[k]);
    }
  }
}
