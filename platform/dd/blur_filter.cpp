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

// Exact v / n for the channel sums (v <= 255 n), by a multiplier kept while n
// stays the same (it changes only near the box's edges and at transparent
// pixels). Below 2^16 counts, ceil(2^40 / n) makes (v m) >> 40 the quotient:
// its error v (m - 2^40 / n) / 2^40 < 255 n / 2^40 stays under 1 / n. Larger
// windows divide.
class cDivider {
 public:
  uint32_t Div(uint64_t v, uint32_t n) {
    if (n != m_n) {
      m_n = n;
      m_m = n < kSmall ? ((uint64_t{1} << 40) + n - 1) / n : 0;
    }
    return static_cast<uint32_t>(m_m != 0 ? (v * m_m) >> 40 : v / n);
  }

 private:
  static constexpr uint32_t kSmall = 1u << 16;
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

constexpr int kSumCount = 4;  // red, green, blue (0 where a pixel does not count), count

// The window sums of one blur: column sums over the window's rows, slid down a
// row at a time over a ring of taken source rows (each row is read from the
// source once, before any destination row it could share is written), and per
// row their running totals along the columns, so any window's sum is one
// difference. Channels are kept apart so the loops vectorise.
template <class T, class Codec>
class cBlurSums {
 public:
  cBlurSums(const cBlurBox& box, const cPixelStore& src, const Codec& codec, int64_t colLo, int64_t colHi)
      : m_box(box), m_src(src), m_codec(codec), m_lo(colLo), m_width(colHi - colLo),
        m_ringRows(std::min(2 * box.ry, box.h) + 1) {
    for (int ch = 0; ch < kSumCount; ++ch) {
      m_ring[ch].assign(static_cast<std::size_t>(m_ringRows * m_width), 0);
      m_columns[ch].assign(static_cast<std::size_t>(m_width), 0);
      m_totals[ch].assign(static_cast<std::size_t>(m_width + 1), 0);
    }
  }

  void AddRow(int64_t r) {
    Take(r);
    Apply(r, true);
  }
  void RemoveRow(int64_t r) { Apply(r, false); }
  // Whether pixel (c, r) of the box counts (r must be in the window).
  bool Counts(int64_t r, int64_t c) const { return m_ring[3][Slot(r) + static_cast<std::size_t>(c - m_lo)] != 0; }
  // Running totals of the column sums for the current rows.
  void Total() {
    for (int ch = 0; ch < kSumCount; ++ch) {
      const uint32_t* col = m_columns[ch].data();
      uint64_t* total = m_totals[ch].data();
      for (int64_t k = 0; k < m_width; ++k) total[k + 1] = total[k] + col[k];
    }
  }
  // The sum of channel ch over box columns [lo, hi).
  uint64_t Window(int ch, int64_t lo, int64_t hi) const {
    return m_totals[ch][static_cast<std::size_t>(hi - m_lo)] - m_totals[ch][static_cast<std::size_t>(lo - m_lo)];
  }

 private:
  std::size_t Slot(int64_t r) const { return static_cast<std::size_t>((r % m_ringRows) * m_width); }

  void Take(int64_t r) {
    const std::size_t slot = Slot(r);
    const int64_t srcY = m_box.sy + r;
    const T* in = srcY >= 0 && srcY < m_box.srcH ? reinterpret_cast<const T*>(m_src.Row8(static_cast<int32_t>(srcY)))
                                                 : nullptr;
    for (int64_t k = 0; k < m_width; ++k) {
      const int64_t srcX = m_box.sx + m_lo + k;
      const cTaken t = in != nullptr && srcX >= 0 && srcX < m_box.srcW ? m_codec.Take(in[srcX]) : cTaken{};
      const auto at = slot + static_cast<std::size_t>(k);
      m_ring[0][at] = static_cast<uint16_t>(t.r * t.n);
      m_ring[1][at] = static_cast<uint16_t>(t.g * t.n);
      m_ring[2][at] = static_cast<uint16_t>(t.b * t.n);
      m_ring[3][at] = t.n;
    }
  }

  void Apply(int64_t r, bool add) {
    const std::size_t slot = Slot(r);
    for (int ch = 0; ch < kSumCount; ++ch) {
      const uint16_t* row = m_ring[ch].data() + slot;
      uint32_t* col = m_columns[ch].data();
      if (add) {
        for (int64_t k = 0; k < m_width; ++k) col[k] += row[k];
      } else {
        for (int64_t k = 0; k < m_width; ++k) col[k] -= row[k];
      }
    }
  }

  const cBlurBox& m_box;
  const cPixelStore& m_src;
  const Codec& m_codec;
  int64_t m_lo, m_width, m_ringRows;
  std::vector<uint16_t> m_ring[kSumCount];
  std::vector<uint32_t> m_columns[kSumCount];
  std::vector<uint64_t> m_totals[kSumCount];
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
    sums.Total();
    for (int64_t i = i0; i < i1; ++i) {
      // The window's columns i - rx .. i + rx - 1, cut to the box.
      const int64_t lo = std::max<int64_t>(0, i - box.rx), hi = std::min(colHi, i + box.rx);
      const auto n = static_cast<uint32_t>(sums.Window(3, lo, hi));
      if (n == 0 || (trans && !sums.Counts(j, i))) continue;
      out[i] = codec.Put(divider.Div(sums.Window(0, lo, hi), n), divider.Div(sums.Window(1, lo, hi), n),
                         divider.Div(sums.Window(2, lo, hi), n), out[i]);
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
