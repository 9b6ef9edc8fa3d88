#include "platform/dd/lens_blit.h"

#include <algorithm>
#include <cmath>

#include "platform/dd/device_config.h"
#include "platform/dd/device_records.h"
#include "platform/dd/display_state.h"
#include "platform/dd/effect_locks.h"
#include "platform/dd/effect_surfaces.h"
#include "platform/dd/palette.h"
#include "platform/dd/surface_data.h"

namespace lens_blit {

struct cLens {
  int64_t cx, cy, r, v, d;
  int64_t scx, scy;
  int32_t srcWidth, srcHeight;
};

// What becomes of a destination pixel: the source offset it shows, or none.
bool SourceOffset(const cLens& lens, int64_t i, int64_t j, int64_t* ox, int64_t* oy) {
  const int64_t n = i * i + j * j;
  if (n > lens.r * lens.r) return false;
  const double z = std::sqrt(static_cast<double>(lens.d * lens.d - n));
  if (z == 0.0) {
    *ox = i;
    *oy = j;
  } else {
    const double scale = static_cast<double>(lens.v) / z;
    *ox = static_cast<int64_t>(std::trunc(static_cast<double>(i) * scale + 0.5));
    *oy = static_cast<int64_t>(std::trunc(static_cast<double>(j) * scale + 0.5));
  }
  return true;
}

// put(source pixel or nullptr, destination pixel) over the square of offsets
// -r..r cut to the destination.
template <class T, class Put>
void WalkLens(const cLens& lens, cPixelStore& dst, int32_t dstWidth, int32_t dstHeight, const cPixelStore& src,
              Put&& put) {
  const int64_t j0 = std::max(-lens.r, -lens.cy), j1 = std::min(lens.r, dstHeight - 1 - lens.cy);
  const int64_t i0 = std::max(-lens.r, -lens.cx), i1 = std::min(lens.r, dstWidth - 1 - lens.cx);
  for (int64_t j = j0; j <= j1; ++j) {
    T* out = reinterpret_cast<T*>(dst.Row8(static_cast<int32_t>(lens.cy + j)));
    for (int64_t i = i0; i <= i1; ++i) {
      T& d = out[lens.cx + i];
      int64_t ox = 0, oy = 0;
      if (!SourceOffset(lens, i, j, &ox, &oy)) {
        put(static_cast<const T*>(nullptr), d);
        continue;
      }
      const int64_t x = lens.scx + ox, y = lens.scy + oy;
      if (x < 0 || y < 0 || x >= lens.srcWidth || y >= lens.srcHeight) {
        put(static_cast<const T*>(nullptr), d);
        continue;
      }
      put(reinterpret_cast<const T*>(src.Row8(static_cast<int32_t>(y))) + x, d);
    }
  }
}

bool Draw(const cLens& lens, const DDSURFACEDATA* lpDstSD, cPixelStore& dst, int32_t dstWidth, int32_t dstHeight,
          const cPixelStore& src, bool keyed, bool clear) {
  const int32_t bpp = g_nBpp.load();
  if (dst.BytesPerPixel() != src.BytesPerPixel() || dst.BytesPerPixel() * 8 != bpp) return false;
  if (lpDTCon == nullptr) {
    const uint32_t key = g_dwColorKey;
    const auto copy = [key](const auto* s, auto& d) {
      if (s != nullptr && *s != key) d = *s;
    };
    if (bpp == 8) WalkLens<uint8_t>(lens, dst, dstWidth, dstHeight, src, copy);
    if (bpp == 16) WalkLens<uint16_t>(lens, dst, dstWidth, dstHeight, src, copy);
    if (bpp == 32) WalkLens<uint32_t>(lens, dst, dstWidth, dstHeight, src, copy);
    return bpp != 24;
  }
  if (bpp == 32) {
    WalkLens<uint32_t>(lens, dst, dstWidth, dstHeight, src, [clear](const uint32_t* s, uint32_t& d) {
      if (s != nullptr && !IsKeyedTexel32(*s)) {
        d = *s;
      } else if (clear) {
        d = 0;
      }
    });
    return true;
  }
  const cD3D16Out out = cD3D16Out::For(lpDstSD);
  const PIXELCHANNELS in = g_PixelChannels;
  WalkLens<uint16_t>(lens, dst, dstWidth, dstHeight, src, [&out, &in, keyed](const uint16_t* s, uint16_t& d) {
    if (s == nullptr || (keyed && IsKeyedTexel16(*s))) return;
    d = out.bBackBuffer ? out.Compose(ChannelOf(in, *s, kChRed), ChannelOf(in, *s, kChGreen) << 1,
                                      ChannelOf(in, *s, kChBlue))
                        : *s;
  });
  return true;
}

}  // namespace lens_blit

bool DDBltLens(DDSURFACEDATA* lpDstSD, int32_t cx, int32_t cy, int32_t r, int32_t v, DDSURFACEDATA* lpSrcSD,
               int32_t scx, int32_t scy, int32_t flags, int32_t bClear) {
  using namespace lens_blit;
  if (r < 0 || v < 0) return false;
  const int64_t r64 = r, v64 = v;
  const auto d = static_cast<int64_t>(std::trunc(std::sqrt(static_cast<double>(r64 * r64 + v64 * v64))));
  if (d <= v64) return false;
  if (lpDTCon == nullptr && lpDDCon == nullptr) return false;
  cEffectLocks locks;
  if (!locks.Lock(lpDstSD, lpSrcSD)) return false;
  const cLens lens{cx, cy, r64, v64, d, scx, scy, locks.SrcWidth(), locks.SrcHeight()};
  return Draw(lens, locks.DstSD(), locks.Dst(), locks.DstWidth(), locks.DstHeight(), locks.Src(), flags == 1,
              bClear != 0 && lpDTCon != nullptr);
}
