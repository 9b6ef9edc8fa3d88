#include "platform/dd/surface_containers.h"

#include <iterator>

#include "platform/dd/surface_create.h"

namespace {

BITMAPDATA EmptyDescriptor(int32_t bColorKey, int32_t bSystemMemory, int32_t nMemoryType, DDSURFACEDATA* lpShareSD) {
  BITMAPDATA bd;
  bd.bTransparent = bColorKey;
  bd.bSystemMemory = bSystemMemory;
  bd.nMemoryType = nMemoryType;
  bd.bShare = lpShareSD != nullptr ? 1 : 0;
  return bd;
}

}  // namespace

bool DDAddSurface_Vector(cVector<DDSURFACEDATA>& surfaces, cVector<BITMAPDATA>& bitmaps, int32_t w, int32_t h,
                         int32_t bColorKey, int32_t bSystemMemory, int32_t nMemoryType, DDSURFACEDATA* lpShareSD) {
  surfaces.emplace_back();
  bitmaps.push_back(EmptyDescriptor(bColorKey, bSystemMemory, nMemoryType, lpShareSD));
  return DDCreateSurface(&surfaces.back(), w, h, bColorKey, bSystemMemory, nMemoryType, lpShareSD, 0);
}

bool DDAddSurface_List(cList<DDSURFACEDATA>& surfaces, cList<BITMAPDATA>& bitmaps, int32_t w, int32_t h,
                       int32_t bColorKey, int32_t bSystemMemory, int32_t nMemoryType, DDSURFACEDATA* lpShareSD) {
  surfaces.emplace_back();
  bitmaps.push_back(EmptyDescriptor(bColorKey, bSystemMemory, nMemoryType, lpShareSD));
  return DDCreateSurface(&surfaces.back(), w, h, bColorKey, bSystemMemory, nMemoryType, lpShareSD, 0);
}

bool DDInsertSurface_List(cList<DDSURFACEDATA>& surfaces, cList<BITMAPDATA>& bitmaps, int32_t index, int32_t w,
                          int32_t h, int32_t bColorKey, int32_t bSystemMemory, int32_t nMemoryType,
                          DDSURFACEDATA* lpShareSD) {
  if (index >= surfaces.ListSize()) {
    return DDAddSurface_List(surfaces, bitmaps, w, h, bColorKey, bSystemMemory, nMemoryType, lpShareSD);
  }
  if (index < 0) index = 0;
  surfaces.emplace(surfaces.ListIterAt(index));
  bitmaps.insert(bitmaps.ListIterAt(index), EmptyDescriptor(bColorKey, bSystemMemory, nMemoryType, lpShareSD));
  return DDCreateSurface(&surfaces.CheckedListAt(index), w, h, bColorKey, bSystemMemory, nMemoryType, lpShareSD, 0);
}

int32_t DDRemoveSurface_List(cList<DDSURFACEDATA>& surfaces, cList<BITMAPDATA>& bitmaps, DDSURFACEDATA* lpSD) {
  int32_t index = 0;
  for (auto it = surfaces.begin(); it != surfaces.end(); ++it, ++index) {
    if (&*it != lpSD) continue;
    DDReleaseSurface(&*it);
    surfaces.erase(it);
    bitmaps.ListEraseAt(index);
    return 1;
  }
  return 0;
}

void DDReleaseSurfaces_Vector(cVector<DDSURFACEDATA>& surfaces) {
  for (int32_t i = 0; i < surfaces.VectorSize(); ++i) DDReleaseSurface(&surfaces.CheckedVectorAt(i));
}

void DDReleaseSurfaces_List(cList<DDSURFACEDATA>& surfaces) {
  for (DDSURFACEDATA& sd : surfaces) DDReleaseSurface(&sd);
}
