#pragma once
// The locking of the effects that work pixel by pixel (mixing blits, lens,
// rotation, blur, mosaic): in Direct3D both surfaces resolved
// (ResolveEffectSurface, which leaves resolved ones as they are), then the
// destination locked and the source; a failure unlocks what was locked. The
// guards unlock on every way out.
//
//   cEffectLocks locks;
//   if (!locks.Lock(lpDstSD, lpSrcSD)) return false;
//   cPixelStore& dst = locks.Dst();

#include <cstdint>

#include "platform/dd/surface_lock.h"

struct DDSURFACEDATA;
class cPixelStore;

class cEffectLocks {
 public:
  bool Lock(DDSURFACEDATA* lpDstSD, DDSURFACEDATA* lpSrcSD);

  DDSURFACEDATA* DstSD() const { return m_dst.m_lpSD; }
  DDSURFACEDATA* SrcSD() const { return m_src.m_lpSD; }
  cPixelStore& Dst() const { return *m_dst.Store(); }
  const cPixelStore& Src() const { return *m_src.Store(); }
  // The usable sizes (effect_surfaces.h).
  int32_t DstWidth() const;
  int32_t DstHeight() const;
  int32_t SrcWidth() const;
  int32_t SrcHeight() const;

 private:
  cSurfaceLock m_dst;
  cSurfaceLock m_src;
};
