#pragma once
// Container pairs: surfaces kept beside their descriptors, in a vector or a
// list, position for position.
//
//   cList<DDSURFACEDATA> surfaces;
//   cList<BITMAPDATA> bitmaps;
//   DDAddSurface_List(surfaces, bitmaps, 320, 32, 1, 0, DTMEMORYTYPE_VIDEO_RT, nullptr);
//   DDRemoveSurface_List(surfaces, bitmaps, &surfaces.back());

#include <cstdint>

#include "core/containers/checked_list.h"
#include "core/containers/checked_vector.h"
#include "platform/dd/bitmap_data.h"
#include "platform/dd/surface_data.h"

// Append an empty surface of w x h and its descriptor; the result is whether
// the surface was created (the pair is appended either way).
bool DDAddSurface_Vector(cVector<DDSURFACEDATA>& surfaces, cVector<BITMAPDATA>& bitmaps, int32_t w, int32_t h,
                         int32_t bColorKey, int32_t bSystemMemory, int32_t nMemoryType, DDSURFACEDATA* lpShareSD);
bool DDAddSurface_List(cList<DDSURFACEDATA>& surfaces, cList<BITMAPDATA>& bitmaps, int32_t w, int32_t h,
                       int32_t bColorKey, int32_t bSystemMemory, int32_t nMemoryType, DDSURFACEDATA* lpShareSD);
// Inserts before index (a negative index counts as 0, one at or past the end appends).
bool DDInsertSurface_List(cList<DDSURFACEDATA>& surfaces, cList<BITMAPDATA>& bitmaps, int32_t index, int32_t w,
                          int32_t h, int32_t bColorKey, int32_t bSystemMemory, int32_t nMemoryType,
                          DDSURFACEDATA* lpShareSD);
// Releases and removes the surface (found by address) and its descriptor; 0 when absent.
int32_t DDRemoveSurface_List(cList<DDSURFACEDATA>& surfaces, cList<BITMAPDATA>& bitmaps, DDSURFACEDATA* lpSD);

void DDReleaseSurfaces_Vector(cVector<DDSURFACEDATA>& surfaces);
void DDReleaseSurfaces_List(cList<DDSURFACEDATA>& surfaces);
