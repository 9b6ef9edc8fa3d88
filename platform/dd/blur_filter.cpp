#include "platform/dd/blur_filter.h"

#include <algorithm>
#include <vector>

#include "core/log/ec_log.h"
#include "platform/dd/device_config.h"
#include "platform/dd/device_records.h"
#include "platform/dd/display_state.h"
#include "platform/dd/effect_locks.h"
#include "platform/dd/effect_surfaces.h"
#include "platform/dd/palette.h"
#include "platform/dd/pixel_store.h"

namespace blur_filter {

// A source pixel as the sums take it: red, green, blue and whether it counts.
struct cTaken {
  uint16_t r = 0, g = 0, b = 0, n = 0;
};

// Exact v / n for a divisor that stays the same over many pixels: one
// multiplication instead of a division (v < 2^32 is exact with the 64-bit
// reciprocal; larger sums divide).
class cDivider {
 public:
  uint32_t Div(uint64_t v, uint32_t n) {
    if (n != m_n) {
      m_n = n;
      m_m = n == 1 ? 0 : ~uint64_t{0} / n + 1;
    }
    if (n == 1) return static_cast<uint32_t>(v);
    if ((v >> 32) != 0) return static_cast<uint32_t>(v / n);
    return static_cast<uint32_t>((static_cast<unsigned __int128>(v) * m_m) >> 64);
  }

 private:
  uint32_t m_n = 0;
  uint64_t m_m = 0;
};

// How each mode reads and writes its pixels.
struct cCodecDD16 {
  PIXELCHANNELS c;
  uint16_t key;
  bool trans;
  cTaken Take(uint16_t p) const {
    const bool counts = !trans || p != key;
    return {static_cast<uint16_t>(ChannelOf(c, p, kChRed)), static_cast<uint16_t>(ChannelOf(c, p, kChGreen)),
            static_cast<uint16_t>(ChannelOf(c, p, kChBlue)), static_cast<uint16_t>(counts)};
  }
  uint16_t Put(uint32_t r, uint32_t g, uint32_t b, uint16_t) const {
    return static_cast<uint16_t>(ComposePixel(c, r, g, b, 0));
  }
};

struct cCodecD3D16 {
  PIXELCHANNELS c;
  cD3D16Out out;
  bool trans;
  cTaken Take(uint16_t p) const {
    const bool counts = !trans || !IsKeyedTexel16(p);
    return {static_cast<uint16_t>(ChannelOf(c, p, kChRed)), static_cast<uint16_t>(ChannelOf(c, p, kChGreen)),
            static_cast<uint16_t>(ChannelOf(c, p, kChBlue)), static_cast<uint16_t>(counts)};
  }
  uint16_t Put(uint32_t r, uint32_t g, uint32_t b, uint16_t) const {
    return out.Compose(r, out.bBackBuffer ? g << 1 : g, b);
  }
};

inline cTaken TakeBytes(uint32_t p, bool counts) {
  return {static_cast<uint16_t>((p >> 16) & 0xFF), static_cast<uint16_t>((p >> 8) & 0xFF),
          static_cast<uint16_t>(p & 0xFF), static_cast<uint16_t>(counts)};
}

struct cCodecDD32 {
  uint32_t key;
  bool trans;
  cTaken Take(uint32_t p) const { return TakeBytes(p, !trans || p != key); }
  uint32_t Put(uint32_t r, uint32_t g, uint32_t b, uint32_t old) const {
    return (old & 0xFF000000u) | r << 16 | g << 8 | b;
  }
};

struct cCodecD3D32 {
  bool trans;
  cTaken Take(uint32_t p) const { return TakeBytes(p, !trans || !IsKeyedTexel32(p)); }
  uint32_t Put(uint32_t r, uint32_t g, uint32_t b, uint32_t) const { return 0xFF000000u | r << 16 | g << 8 | b; }
};

struct cBlurBox {
  int64_t x, y, w, h, rx, ry, sx, sy;
  int32_t dstW, dstH, srcW, srcH;
};

// The window sums of one blur: column sums over the window's rows, slid down
// a row at a time, over a ring of taken source rows (each row is read from the
// source once, before any destination row it could share is written).
template <class T, class Codec>
class cBlurSums {
 public:
  cBlurSums(const cBlurBox& box, const cPixelStore& src, const Codec& codec, int64_t colLo, int64_t colHi)
      : m_box(box), m_src(src), m_codec(codec), m_lo(colLo), m_width(colHi - colLo),
        m_ringRows(std::min(2 * box.ry, box.h) + 1),
        m_ring(static_cast<std::size_t>(m_ringRows * m_width)), m_sums(static_cast<std::size_t>(m_width)) {}

  void AddRow(int64_t r) { Apply(r, Take(r), +1); }
  void RemoveRow(int64_t r) { Apply(r, Row(r), -1); }
  const cTaken* Row(int64_t r) const { return &m_ring[static_cast<std::size_t>((r % m_ringRows) * m_width)]; }
  // Column sums of column c (box coordinates): red, green, blue, count.
  const uint32_t* Sum(int64_t c) const { return m_sums[static_cast<std::size_t>(c - m_lo)].v; }
  int64_t Lo() const { return m_lo; }

 private:
  struct cSum {
    uint32_t v[4] = {};
  };

  cTaken* Take(int64_t r) {
    cTaken* row = &m_ring[static_cast<std::size_t>((r % m_ringRows) * m_width)];
    const int64_t srcY = m_box.sy + r;
    for (int64_t k = 0; k < m_width; ++k) {
      const int64_t srcX = m_box.sx + m_lo + k;
      const bool inside = srcX >= 0 && srcY >= 0 && srcX < m_box.srcW && srcY < m_box.srcH;
      row[k] = inside ? m_codec.Take(reinterpret_cast<const T*>(m_src.Row8(static_cast<int32_t>(srcY)))[srcX]) : cTaken{};
    }
    return row;
  }

  void Apply(int64_t, const cTaken* row, int sign) {
    for (int64_t k = 0; k < m_width; ++k) {
      cSum& s = m_sums[static_cast<std::size_t>(k)];
      const cTaken& t = row[k];
      const uint32_t n = t.n;  // a pixel that does not count adds nothing
      s.v[0] += static_cast<uint32_t>(sign) * (t.r * n);
      s.v[1] += static_cast<uint32_t>(sign) * (t.g * n);
      s.v[2] += static_cast<uint32_t>(sign) * (t.b * n);
      s.v[3] += static_cast<uint32_t>(sign) * n;
    }
  }

  const cBlurBox& m_box;
  const cPixelStore& m_src;
  const Codec& m_codec;
  int64_t m_lo, m_width, m_ringRows;
  std::vector<cTaken> m_ring;
  std::vector<cSum> m_sums;
};

template <class T, class Codec>
void BlurRows(const cBlurBox& box, cPixelStore& dst, const cPixelStore& src, const Codec& codec, bool trans) {
  // Pixels that can be written, and the columns their windows reach.
  const int64_t i0 = std::max<int64_t>(0, -box.x), i1 = std::min<int64_t>(box.w, box.dstW - box.x);
  const int64_t j0 = std::max<int64_t>(0, -box.y), j1 = std::min<int64_t>(box.h, box.dstH - box.y);
  if (i0 >= i1 || j0 >= j1) return;
  const int64_t colLo = std::max<int64_t>(0, i0 - box.rx), colHi = std::min<int64_t>(box.w, i1 - 1 + box.rx);
  cBlurSums<T, Codec> sums(box, src, codec, colLo, colHi);
  for (int64_t r = std::max<int64_t>(0, j0 - box.ry); r < std::min<int64_t>(box.h, j0 + box.ry); ++r) sums.AddRow(r);
  cDivider divider;
  for (int64_t j = j0; j < j1; ++j) {
    T* out = reinterpret_cast<T*>(dst.Row8(static_cast<int32_t>(box.y + j))) + box.x;
    const cTaken* own = sums.Row(j);  // from column Lo()
    uint64_t acc[4] = {};
    const auto slide = [&](int64_t c, int sign) {
      const uint32_t* s = sums.Sum(c);
      for (int k = 0; k < 4; ++k) acc[k] += static_cast<uint64_t>(static_cast<int64_t>(sign) * s[k]);
    };
    for (int64_t c = std::max<int64_t>(0, i0 - box.rx); c < std::min<int64_t>(box.w, i0 + box.rx); ++c) slide(c, +1);
    for (int64_t i = i0; i < i1; ++i) {
      const uint32_t n = static_cast<uint32_t>(acc[3]);
      if (n != 0 && (!trans || own[i - sums.Lo()].n != 0)) {
        out[i] = codec.Put(divider.Div(acc[0], n), divider.Div(acc[1], n), divider.Div(acc[2], n), out[i]);
      }
      if (i - box.rx >= 0) slide(i - box.rx, -1);
      if (i + box.rx < colHi) slide(i + box.rx, +1);
    }
    if (j - box.ry >= 0) sums.RemoveRow(j - box.ry);
    if (j + box.ry < box.h) sums.AddRow(j + box.ry);
  }
}

}  // namespace blur_filter

bool DDBlur(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, int32_t rx, int32_t ry,
            DDSURFACEDATA* lpSrcSD, int32_t sx, int32_t sy, int32_t bTransparent) {
  using namespace blur_filter;
  // A radius below 1 makes every window empty: nothing would change.
  if (rx <= 0 || ry <= 0) return true;
  cEffectLocks locks;
  if (!locks.Lock(lpDstSD, lpSrcSD)) return false;
  const int32_t bpp = g_nBpp.load();
  if (bpp == 8) {
    EcLog("8ビットぼかしは不可能！");
    return true;
  }
  if (w <= 0 || h <= 0) return true;
  const cBlurBox box{x, y, w, h, rx, ry, sx, sy, locks.DstWidth(), locks.DstHeight(), locks.SrcWidth(), locks.SrcHeight()};
  const bool trans = bTransparent == 1;
  const bool d3d = lpDTCon != nullptr;
  if (bpp == 16) {
    if (d3d) {
      BlurRows<uint16_t>(box, locks.Dst(), locks.Src(), cCodecD3D16{g_PixelChannels, cD3D16Out::For(locks.DstSD()), trans}, trans);
    } else {
      BlurRows<uint16_t>(box, locks.Dst(), locks.Src(), cCodecDD16{g_PixelChannels, static_cast<uint16_t>(g_dwColorKey), trans}, trans);
    }
  } else if (bpp == 32) {
    if (d3d) {
      BlurRows<uint32_t>(box, locks.Dst(), locks.Src(), cCodecD3D32{trans}, trans);
    } else {
      BlurRows<uint32_t>(box, locks.Dst(), locks.Src(), cCodecDD32{g_dwColorKey, trans}, trans);
    }
  }
  return true;
}
