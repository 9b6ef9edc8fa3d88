#include "platform/dd/cpu_blit.h"

#include <vector>

namespace {

bool KeyedOut(uint32_t p, int32_t bytes) {
  return bytes == 2 ? (p & 0xA000u) == 0 : (p >> 24) == 0;
}

uint32_t ToBackBuffer16(uint32_t p, const PIXELCHANNELS& tex, const PIXELCHANNELS& back) {
  return ComposePixel(back, ChannelOf(tex, p, kChRed), ChannelOf(tex, p, kChGreen) << 1, ChannelOf(tex, p, kChBlue), 0);
}

// The source column of destination column k; false when it is skipped.
bool SourceColumn(const cCpuBlt& b, float scale, int32_t k, int32_t* column) {
  if (b.sw == b.w && b.sh == b.h) {
    *column = b.sx + k;
    return true;
  }
  const auto c = static_cast<int32_t>(static_cast<float>(k) * scale);
  if (b.sw >= 0) {
    if (c < 0 || c >= b.sw) return false;
    *column = b.sx + c;
  } else {
    if (c <= b.sw || c > 0) return false;
    *column = b.sx + c - 1;
  }
  return true;
}

// The source column of every destination column; -1 where the column is skipped.
std::vector<int32_t> SourceColumns(const cCpuBlt& b) {
  std::vector<int32_t> columns(static_cast<std::size_t>(b.w), -1);
  const float scale = static_cast<float>(b.sw) / static_cast<float>(b.w);
  for (int32_t k = 0; k < b.w; ++k) {
    int32_t column = 0;
    if (SourceColumn(b, scale, k, &column)) columns[static_cast<std::size_t>(k)] = column;
  }
  return columns;
}

template <class T>
void CopyRowsCpu(cPixelStore& dst, const cPixelStore& src, const cCpuBlt& b, const std::vector<int32_t>& columns,
                 const PIXELCHANNELS& texChannels, const PIXELCHANNELS& backChannels) {
  const bool unscaled = b.sw == b.w && b.sh == b.h;
  const float yScale = static_cast<float>(b.sh) / static_cast<float>(b.h);
  for (int32_t j = 0; j < b.h; ++j) {
    const int64_t dy = static_cast<int64_t>(b.y) + j;
    const int32_t sy = unscaled ? b.sy + j : b.sy + static_cast<int32_t>(static_cast<float>(j) * yScale);
    if (dy < 0 || dy >= dst.Height() || sy < 0 || sy >= src.Height()) continue;
    const T* in = reinterpret_cast<const T*>(src.Row8(sy));
    T* out = reinterpret_cast<T*>(dst.Row8(static_cast<int32_t>(dy)));
    for (int32_t k = 0; k < b.w; ++k) {
      const int64_t dx = static_cast<int64_t>(b.x) + k;
      const int32_t sx = columns[static_cast<std::size_t>(k)];
      if (dx < 0 || dx >= dst.Width() || sx < 0 || sx >= src.Width()) continue;
      uint32_t p = in[sx];
      if (b.keyed && KeyedOut(p, static_cast<int32_t>(sizeof(T)))) continue;
      if (b.toBackBuffer16) p = ToBackBuffer16(p, texChannels, backChannels);
      out[dx] = static_cast<T>(p);
    }
  }
}

}  // namespace

void CpuBlt(cPixelStore& dst, const cPixelStore& src, const cCpuBlt& b, const PIXELCHANNELS& texChannels,
            const PIXELCHANNELS& backChannels) {
  if (dst.Empty() || src.Empty() || b.w <= 0 || b.h <= 0) return;
  if (dst.BytesPerPixel() != src.BytesPerPixel()) return;
  const std::vector<int32_t> columns = SourceColumns(b);
  if (src.BytesPerPixel() == 2) {
    CopyRowsCpu<uint16_t>(dst, src, b, columns, texChannels, backChannels);
  } else if (src.BytesPerPixel() == 4) {
    CopyRowsCpu<uint32_t>(dst, src, b, columns, texChannels, backChannels);
  }
}
