#pragma once
// DDSURFACEDATA: one drawable image of the surface library.
//
// For now only what the records and the bitmap table need: the size, read by
// the graphic-source resolution, and the surface a sharing entry takes its
// picture from. The pixel buffer, format and colour key come with the drawing
// code.

#include <cstdint>

struct DDSURFACEDATA {
  int32_t nWidth = 0;
  int32_t nHeight = 0;
  // The surface whose picture this one shows (set by LinkBitmapTables); null
  // when it holds its own.
  DDSURFACEDATA* lpShare = nullptr;
};
