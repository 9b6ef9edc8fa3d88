#include "platform/dd/effect_locks.h"

#include "platform/dd/effect_surfaces.h"
#include "platform/dd/surface_data.h"

bool cEffectLocks::Lock(DDSURFACEDATA* lpDstSD, DDSURFACEDATA* lpSrcSD) {
  if (m_dst.Lock(ResolveEffectSurface(lpDstSD)) && m_src.Lock(ResolveEffectSurface(lpSrcSD))) return true;
  m_src.Unlock();
  m_dst.Unlock();
  return false;
}

int32_t cEffectLocks::DstWidth() const { return UsableWidth(*m_dst.m_lpSD); }
int32_t cEffectLocks::DstHeight() const { return UsableHeight(*m_dst.m_lpSD); }
int32_t cEffectLocks::SrcWidth() const { return UsableWidth(*m_src.m_lpSD); }
int32_t cEffectLocks::SrcHeight() const { return UsableHeight(*m_src.m_lpSD); }
