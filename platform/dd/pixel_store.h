#pragma once
// cPixelStore: the CPU memory behind every surface, texture and screen buffer.
//
// Rows are contiguous, nPitch pixels apart (the pitch equals the width: the
// stores are never views into a larger image). Allocation throws nothing: a
// failed Allocate leaves the store empty and returns false, and the surface
// functions take their failure path.
//
//   cPixelStore store;
//   if (store.Allocate(640, 480, ePixelFormat::kX8R8G8B8)) store.Row32(0)[0] = 0xFFFFFF;

#include <cstdint>
#include <memory>

#include "platform/dd/pixel_format.h"

class cPixelStore {
 public:
  cPixelStore() = default;
  cPixelStore(const cPixelStore&) = delete;
  cPixelStore& operator=(const cPixelStore&) = delete;

  // Sizes from 1 to 32767 per side; the contents start at zero.
  bool Allocate(int32_t width, int32_t height, ePixelFormat format);
  void Release();

  bool Empty() const { return !m_bits; }
  int32_t Width() const { return m_nWidth; }
  int32_t Height() const { return m_nHeight; }
  int32_t Pitch() const { return m_nWidth; }  // in pixels
  ePixelFormat Format() const { return m_format; }
  int32_t BytesPerPixel() const { return ::BytesPerPixel(m_format); }
  bool Contains(int32_t x, int32_t y) const {
    return x >= 0 && y >= 0 && x < m_nWidth && y < m_nHeight;
  }

  // Writable access forgets that the alpha is known to be all 0 or 255.
  uint8_t* Bits() {
    m_bBinaryAlpha = false;
    return m_bits.get();
  }
  const uint8_t* Bits() const { return m_bits.get(); }
  uint8_t* Row8(int32_t y) { return Bits() + RowOffset(y); }
  uint16_t* Row16(int32_t y) { return reinterpret_cast<uint16_t*>(Bits() + RowOffset(y)); }
  uint32_t* Row32(int32_t y) { return reinterpret_cast<uint32_t*>(Bits() + RowOffset(y)); }
  const uint8_t* Row8(int32_t y) const { return m_bits.get() + RowOffset(y); }
  const uint16_t* Row16(int32_t y) const { return reinterpret_cast<const uint16_t*>(m_bits.get() + RowOffset(y)); }
  const uint32_t* Row32(int32_t y) const { return reinterpret_cast<const uint32_t*>(m_bits.get() + RowOffset(y)); }

  // The pixel at (x, y), which must lie inside, widened to 32 bits.
  uint32_t Get(int32_t x, int32_t y) const;
  void Set(int32_t x, int32_t y, uint32_t pixel);
  // Writes value into every pixel of the rectangle cut to the store.
  void FillRect(int32_t x, int32_t y, int32_t w, int32_t h, uint32_t value);

  // A picture just loaded has only opaque and transparent texels; the quad path
  // then copies it without looking at the alpha first. Any write forgets it.
  void MarkBinaryAlpha() { m_bBinaryAlpha = true; }
  bool BinaryAlphaKnown() const { return m_bBinaryAlpha; }

 private:
  std::size_t RowOffset(int32_t y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_nWidth) *
           static_cast<std::size_t>(BytesPerPixel());
  }

  std::unique_ptr<uint8_t[]> m_bits;
  int32_t m_nWidth = 0;
  int32_t m_nHeight = 0;
  ePixelFormat m_format = ePixelFormat::kX8R8G8B8;
  bool m_bBinaryAlpha = false;
};

// The largest side of a picture or surface.
inline constexpr int32_t kMaxSurfaceSide = 32767;
