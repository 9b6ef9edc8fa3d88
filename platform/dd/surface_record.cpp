#include <cstring>

#include "platform/dd/device_config.h"
#include "platform/dd/surface_create.h"
#include "platform/dd/surface_data.h"
#include "platform/dd/surface_list.h"

namespace {

void MoveFields(DDSURFACEDATA& to, DDSURFACEDATA& from) {
  to.lpDT = std::move(from.lpDT);
  to.lpDDS = std::move(from.lpDDS);
  std::memcpy(to.szName, from.szName, sizeof to.szName);
  std::memcpy(to.szFileName, from.szFileName, sizeof to.szFileName);
  to.nWidth = from.nWidth;
  to.nHeight = from.nHeight;
  to.nTexWidth = from.nTexWidth;
  to.nTexHeight = from.nTexHeight;
  to.bSystemMemory = from.bSystemMemory;
  to.nMirrorCellW = from.nMirrorCellW;
  to.nMirrorCellH = from.nMirrorCellH;
  to.lpShareSD = from.lpShareSD;
  to.bLost = from.bLost;
  if (to.lpDT) g_DTSurfaceList.Relink(to.lpDT->nSurfaceId, &from, &to);
}

}  // namespace

DDSURFACEDATA::DDSURFACEDATA(DDSURFACEDATA&& other) noexcept { MoveFields(*this, other); }

DDSURFACEDATA& DDSURFACEDATA::operator=(DDSURFACEDATA&& other) noexcept {
  if (this != &other) {
    DDDestroySurface(this);
    MoveFields(*this, other);
  }
  return *this;
}

DDSURFACEDATA::~DDSURFACEDATA() { DDDestroySurface(this); }

void DDSURFACEDATA::AllocBacking() {
  if (g_bDirect3D != 0) {
    if (!lpDT) lpDT = std::make_unique<DTSURFACEDATA>();
  } else {
    if (!lpDDS) lpDDS = std::make_unique<DDSDATA>();
  }
}

cPixelStore* DDSURFACEDATA::Pixels() {
  if (lpDT) return lpDT->lpSurface != nullptr && !lpDT->lpSurface->Empty() ? lpDT->lpSurface : nullptr;
  if (lpDDS && lpDDS->lpDDSurface) {
    cPixelStore* store = lpDDS->lpDDSurface->Lock();
    return store != nullptr && !store->Empty() ? store : nullptr;
  }
  return nullptr;
}

const cPixelStore* DDSURFACEDATA::Pixels() const { return const_cast<DDSURFACEDATA*>(this)->Pixels(); }
