#pragma once
// cSurfaceLock: the scope guard of a locked surface. Per-pixel code locks the
// destination, then the source, and every way out of the function unlocks both.
//
//   cSurfaceLock dst, src;
//   if (!dst.Lock(lpDstSD) || !src.Lock(lpSrcSD)) return false;   // both unlock
//   uint32_t* row = dst.Row32(y);

#include <cstdint>

struct DDSURFACEDATA;
class cPixelStore;

class cSurfaceLock {
 public:
  cSurfaceLock() = default;
  ~cSurfaceLock() { Unlock(); }
  cSurfaceLock(const cSurfaceLock&) = delete;
  cSurfaceLock& operator=(const cSurfaceLock&) = delete;

  // False, with nothing locked, for a surface without pixels (no backing, lost).
  bool Lock(DDSURFACEDATA* lpSD);
  void Unlock();

  DDSURFACEDATA* m_lpSD = nullptr;
  uint8_t* m_lpBits = nullptr;
  int32_t m_nPitch = 0;  // in pixels
  int32_t m_nBpp = 32;
  int32_t m_nBytesPerPixel = 4;

  cPixelStore* Store() const { return m_lpStore; }

 private:
  cPixelStore* m_lpStore = nullptr;
};
