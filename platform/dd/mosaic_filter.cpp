#include "platform/dd/mosaic_filter.h"

#include <algorithm>

#include "platform/dd/channel_scale.h"
#include "platform/dd/device_config.h"
#include "platform/dd/device_records.h"
#include "platform/dd/display_state.h"
#include "platform/dd/effect_locks.h"
#include "platform/dd/effect_surfaces.h"
#include "platform/dd/palette.h"
#include "platform/dd/pixel_store.h"

namespace mosaic_filter {

struct cMosaic {
  int64_t x, y, w, h, n, sx, sy;
  int32_t dstW, dstH, srcW, srcH;
  bool trans;
};

// One block in box coordinates, cut to the box.
struct cBlock {
  int64_t bx, by, bw, bh;
};

template <class T>
const T* SourcePixel(const cMosaic& m, const cPixelStore& src, int64_t bx, int64_t by) {
  const int64_t x = m.sx + bx, y = m.sy + by;
  if (x < 0 || y < 0 || x >= m.srcW || y >= m.srcH) return nullptr;
  return reinterpret_cast<const T*>(src.Row8(static_cast<int32_t>(y))) + x;
}

template <class T>
void FillBlock(const cMosaic& m, cPixelStore& dst, const cBlock& b, T value) {
  const int64_t x0 = std::max<int64_t>(m.x + b.bx, 0), x1 = std::min<int64_t>(m.x + b.bx + b.bw, m.dstW);
  const int64_t y0 = std::max<int64_t>(m.y + b.by, 0), y1 = std::min<int64_t>(m.y + b.by + b.bh, m.dstH);
  for (int64_t y = y0; y < y1; ++y) {
    T* row = reinterpret_cast<T*>(dst.Row8(static_cast<int32_t>(y)));
    std::fill(row + x0, row + std::max(x0, x1), value);
  }
}

// Every block of the box whose pixels can reach the destination; colour(b, &v)
// gives its colour or false to leave it undrawn.
template <class T, class Colour>
void EachBlock(const cMosaic& m, cPixelStore& dst, Colour&& colour) {
  const int64_t first = std::max<int64_t>(0, -m.y) / m.n * m.n;
  const int64_t lastY = std::min<int64_t>(m.h, m.dstH - m.y);
  const int64_t firstX = std::max<int64_t>(0, -m.x) / m.n * m.n;
  const int64_t lastX = std::min<int64_t>(m.w, m.dstW - m.x);
  for (int64_t by = first; by < lastY; by += m.n) {
    for (int64_t bx = firstX; bx < lastX; bx += m.n) {
      const cBlock b{bx, by, std::min(m.n, m.w - bx), std::min(m.n, m.h - by)};
      T value{};
      if (colour(b, &value)) FillBlock<T>(m, dst, b, value);
    }
  }
}

// The top-left pixel's colour; opaque(p) false leaves the block undrawn with
// the flag, put(p) is what is written.
template <class T, class Opaque, class Put>
void CornerBlocks(const cMosaic& m, cPixelStore& dst, const cPixelStore& src, Opaque&& opaque, Put&& put) {
  EachBlock<T>(m, dst, [&](const cBlock& b, T* value) {
    const T* p = SourcePixel<T>(m, src, b.bx, b.by);
    if (p == nullptr || (m.trans && !opaque(*p))) return false;
    *value = put(*p);
    return true;
  });
}

// The average of the block's counted pixels, from take(p) -> channels 0..255;
// only the part of the block inside the source is read.
template <class T, class Take, class Put>
void AverageBlocks(const cMosaic& m, cPixelStore& dst, const cPixelStore& src, uint32_t key, Take&& take, Put&& put) {
  EachBlock<T>(m, dst, [&](const cBlock& b, T* value) {
    const int64_t x0 = std::max(b.bx, -m.sx), x1 = std::min(b.bx + b.bw, m.srcW - m.sx);
    const int64_t y0 = std::max(b.by, -m.sy), y1 = std::min(b.by + b.bh, m.srcH - m.sy);
    uint64_t sum[3] = {}, count = 0;
    for (int64_t yy = y0; yy < y1; ++yy) {
      const T* row = reinterpret_cast<const T*>(src.Row8(static_cast<int32_t>(m.sy + yy)));
      for (int64_t xx = x0; xx < x1; ++xx) {
        const T p = row[m.sx + xx];
        if (m.trans && p == static_cast<T>(key)) continue;
        uint32_t ch[3];
        take(p, ch);
        for (int k = 0; k < 3; ++k) sum[k] += ch[k];
        ++count;
      }
    }
    if (count == 0) return false;
    *value = put(static_cast<uint32_t>(sum[0] / count), static_cast<uint32_t>(sum[1] / count),
                 static_cast<uint32_t>(sum[2] / count));
    return !(m.trans && *value == static_cast<T>(key));
  });
}

void MosaicDirectDraw(const cMosaic& m, cPixelStore& dst, const cPixelStore& src) {
  const uint32_t key = g_dwColorKey;
  switch (g_nBpp.load()) {
    case 8:
      CornerBlocks<uint8_t>(m, dst, src, [key](uint8_t p) { return p != static_cast<uint8_t>(key); },
                            [](uint8_t p) { return p; });
      break;
    case 16: {
      const cChannelScale scale(g_PixelChannels);
      AverageBlocks<uint16_t>(
          m, dst, src, key,
          [&scale](uint16_t p, uint32_t* ch) {
            ch[0] = scale.Widen(p, kChRed), ch[1] = scale.Widen(p, kChGreen), ch[2] = scale.Widen(p, kChBlue);
          },
          [&scale](uint32_t r, uint32_t g, uint32_t b) { return static_cast<uint16_t>(scale.Narrow(r, g, b)); });
      break;
    }
    case 32:
      AverageBlocks<uint32_t>(
          m, dst, src, key,
          [](uint32_t p, uint32_t* ch) { ch[0] = (p >> 16) & 0xFF, ch[1] = (p >> 8) & 0xFF, ch[2] = p & 0xFF; },
          [](uint32_t r, uint32_t g, uint32_t b) { return r << 16 | g << 8 | b; });
      break;
    default: break;
  }
}

void MosaicDirect3D(const cMosaic& m, const DDSURFACEDATA* lpDstSD, cPixelStore& dst, const cPixelStore& src) {
  if (g_nBpp.load() == 32) {
    CornerBlocks<uint32_t>(m, dst, src, [](uint32_t p) { return !IsKeyedTexel32(p); },
                           [](uint32_t p) { return p | 0xFF000000u; });
    return;
  }
  const cD3D16Out out = cD3D16Out::For(lpDstSD);
  const PIXELCHANNELS in = g_PixelChannels;
  CornerBlocks<uint16_t>(m, dst, src, [](uint16_t p) { return !IsKeyedTexel16(p); }, [&out, &in](uint16_t p) {
    if (!out.bBackBuffer) return p;
    return out.Compose(ChannelOf(in, p, kChRed), ChannelOf(in, p, kChGreen) << 1, ChannelOf(in, p, kChBlue));
  });
}

}  // namespace mosaic_filter

bool DDMosaic(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, int32_t n, DDSURFACEDATA* lpSrcSD,
              int32_t sx, int32_t sy, int32_t bTransparent) {
  using namespace mosaic_filter;
  // A negative block size would walk the box backwards without end.
  if (n <= 0) return true;
  cEffectLocks locks;
  if (!locks.Lock(lpDstSD, lpSrcSD)) return false;
  const int32_t bpp = g_nBpp.load();
  if (w <= 0 || h <= 0 || (bpp != 8 && bpp != 16 && bpp != 32)) return true;
  if (locks.Dst().BytesPerPixel() * 8 != bpp || locks.Src().BytesPerPixel() * 8 != bpp) return true;
  const cMosaic m{x, y, w, h, n, sx, sy, locks.DstWidth(), locks.DstHeight(), locks.SrcWidth(), locks.SrcHeight(),
                  bTransparent == 1};
  if (lpDTCon != nullptr) {
    MosaicDirect3D(m, locks.DstSD(), locks.Dst(), locks.Src());
  } else {
    MosaicDirectDraw(m, locks.Dst(), locks.Src());
  }
  return true;
}
