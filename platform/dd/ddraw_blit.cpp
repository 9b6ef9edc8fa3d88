#include "platform/dd/ddraw_blit.h"

#include <cstring>
#include <vector>

#include "platform/dd/dd_objects.h"

namespace {

bool Inside(const cPixelStore& store, const cBltRect& r) {
  return r.w > 0 && r.h > 0 && r.x >= 0 && r.y >= 0 && static_cast<int64_t>(r.x) + r.w <= store.Width() &&
         static_cast<int64_t>(r.y) + r.h <= store.Height();
}

// A select rather than a conditional store, and rows that do not overlap, so
// the loop vectorises.
template <class T>
void SelectRow(const T* __restrict in, T* __restrict out, int32_t count, T key) {
  for (int32_t i = 0; i < count; ++i) out[i] = in[i] != key ? in[i] : out[i];
}

template <class T>
void CopyRows(cPixelStore& dst, int32_t x, int32_t y, const cPixelStore& src, const cBltRect& from,
              const uint32_t* key) {
  for (int32_t j = 0; j < from.h; ++j) {
    const T* in = reinterpret_cast<const T*>(src.Row8(from.y + j)) + from.x;
    T* out = reinterpret_cast<T*>(dst.Row8(y + j)) + x;
    if (key == nullptr) {
      std::memmove(out, in, static_cast<std::size_t>(from.w) * sizeof(T));
      continue;
    }
    const T k = static_cast<T>(*key);
    if (&dst == &src) {
      // Overlapping rows of one surface: the source row is read whole first.
      const std::vector<T> row(in, in + from.w);
      SelectRow(row.data(), out, from.w, k);
    } else {
      SelectRow(in, out, from.w, k);
    }
  }
}

// Source index of destination column k of size n over a source span of m.
std::vector<int32_t> CentreSamples(int32_t n, int32_t start, int32_t m) {
  std::vector<int32_t> out(static_cast<std::size_t>(n));
  for (int32_t k = 0; k < n; ++k) {
    out[static_cast<std::size_t>(k)] =
        start + static_cast<int32_t>((2 * static_cast<int64_t>(k) + 1) * m / (2 * static_cast<int64_t>(n)));
  }
  return out;
}

template <class T>
void StretchRows(cPixelStore& dst, const cBltRect& to, const cPixelStore& src, const cBltRect& from,
                 const uint32_t* key) {
  const std::vector<int32_t> cols = CentreSamples(to.w, from.x, from.w);
  const std::vector<int32_t> rows = CentreSamples(to.h, from.y, from.h);
  const T k = key != nullptr ? static_cast<T>(*key) : T{};
  for (int32_t j = 0; j < to.h; ++j) {
    const T* in = reinterpret_cast<const T*>(src.Row8(rows[static_cast<std::size_t>(j)]));
    T* out = reinterpret_cast<T*>(dst.Row8(to.y + j)) + to.x;
    for (int32_t i = 0; i < to.w; ++i) {
      const T p = in[cols[static_cast<std::size_t>(i)]];
      if (key == nullptr || p != k) out[i] = p;
    }
  }
}

}  // namespace

int32_t DDrawBltFast(cPixelStore& dst, int32_t x, int32_t y, const cPixelStore& src, const cBltRect& from,
                     const uint32_t* key) {
  if (!Inside(src, from) || !Inside(dst, {x, y, from.w, from.h}) || dst.Format() != src.Format()) {
    return DDERR_INVALIDRECT;
  }
  switch (dst.BytesPerPixel()) {
    case 1: CopyRows<uint8_t>(dst, x, y, src, from, key); break;
    case 2: CopyRows<uint16_t>(dst, x, y, src, from, key); break;
    default: CopyRows<uint32_t>(dst, x, y, src, from, key); break;
  }
  return DD_OK;
}

int32_t DDrawBltStretch(cPixelStore& dst, const cBltRect& to, const cPixelStore& src, const cBltRect& from,
                        const uint32_t* key) {
  if (!Inside(src, from) || !Inside(dst, to) || dst.Format() != src.Format()) return DDERR_INVALIDRECT;
  switch (dst.BytesPerPixel()) {
    case 1: StretchRows<uint8_t>(dst, to, src, from, key); break;
    case 2: StretchRows<uint16_t>(dst, to, src, from, key); break;
    default: StretchRows<uint32_t>(dst, to, src, from, key); break;
  }
  return DD_OK;
}
