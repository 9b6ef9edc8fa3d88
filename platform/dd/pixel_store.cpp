#include "platform/dd/pixel_store.h"

#include <algorithm>
#include <cstring>
#include <new>

bool cPixelStore::Allocate(int32_t width, int32_t height, ePixelFormat format) {
  Release();
  if (width < 1 || height < 1 || width > kMaxSurfaceSide || height > kMaxSurfaceSide) return false;
  const std::size_t bytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) *
                            static_cast<std::size_t>(::BytesPerPixel(format));
  m_bits.reset(new (std::nothrow) uint8_t[bytes]);
  if (!m_bits) return false;
  std::memset(m_bits.get(), 0, bytes);
  m_nWidth = width;
  m_nHeight = height;
  m_format = format;
  m_bBinaryAlpha = false;
  return true;
}

void cPixelStore::Release() {
  m_bBinaryAlpha = false;
  m_bits.reset();
  m_nWidth = 0;
  m_nHeight = 0;
}

uint32_t cPixelStore::Get(int32_t x, int32_t y) const {
  switch (BytesPerPixel()) {
    case 1: return Row8(y)[x];
    case 2: return Row16(y)[x];
    default: return Row32(y)[x];
  }
}

void cPixelStore::Set(int32_t x, int32_t y, uint32_t pixel) {
  switch (BytesPerPixel()) {
    case 1: Row8(y)[x] = static_cast<uint8_t>(pixel); break;
    case 2: Row16(y)[x] = static_cast<uint16_t>(pixel); break;
    default: Row32(y)[x] = pixel; break;
  }
}

void cPixelStore::FillRect(int32_t x, int32_t y, int32_t w, int32_t h, uint32_t value) {
  if (Empty()) return;
  const int64_t left = std::max<int64_t>(x, 0);
  const int64_t top = std::max<int64_t>(y, 0);
  const int64_t right = std::min<int64_t>(static_cast<int64_t>(x) + w, m_nWidth);
  const int64_t bottom = std::min<int64_t>(static_cast<int64_t>(y) + h, m_nHeight);
  if (left >= right || top >= bottom) return;
  const auto l = static_cast<int32_t>(left), r = static_cast<int32_t>(right);
  for (auto row = static_cast<int32_t>(top); row < bottom; ++row) {
    switch (BytesPerPixel()) {
      case 1: std::fill(Row8(row) + l, Row8(row) + r, static_cast<uint8_t>(value)); break;
      case 2: std::fill(Row16(row) + l, Row16(row) + r, static_cast<uint16_t>(value)); break;
      default: std::fill(Row32(row) + l, Row32(row) + r, value); break;
    }
  }
}
