#include "platform/dd/surface_lock.h"

#include "core/log/ec_log.h"
#include "platform/dd/surface_data.h"

bool cSurfaceLock::Lock(DDSURFACEDATA* lpSD) {
  Unlock();
  cPixelStore* store = lpSD != nullptr ? lpSD->Pixels() : nullptr;
  if (store == nullptr) {
    EcLog("FAILED( lpSD->lpDT->lpSurface->LockRect(&(lock), NULL, 0) )");
    return false;
  }
  m_lpSD = lpSD;
  m_lpStore = store;
  m_lpBits = store->Bits();
  m_nPitch = store->Pitch();
  m_nBytesPerPixel = store->BytesPerPixel();
  m_nBpp = m_nBytesPerPixel * 8;
  return true;
}

void cSurfaceLock::Unlock() {
  m_lpSD = nullptr;
  m_lpStore = nullptr;
  m_lpBits = nullptr;
}
