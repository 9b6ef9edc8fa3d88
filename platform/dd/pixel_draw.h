#pragma once
// DirectDraw's whole-surface lock and the two pixel primitives.

#include <cstdint>

struct DDSURFACEDATA;

// What DDLock fills in: the pitch in bytes and the first byte of the pixels.
struct DDSURFACEDESC2 {
  uint32_t dwSize = 0;
  int32_t lPitch = 0;
  int32_t dwWidth = 0;
  int32_t dwHeight = 0;
  uint8_t* lpSurface = nullptr;
};

// DirectDraw: locks the whole surface and sets *bits for depths 8, 16 and 32.
// False in Direct3D mode, for other depths and for a surface without pixels.
bool DDLock(DDSURFACEDATA* lpSD, DDSURFACEDESC2* desc, uint8_t** bits, int32_t nBpp);
void DDUnlock(DDSURFACEDATA* lpSD);

// One dot of a palette colour; nothing outside the surface.
void DDPutPixel(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, uint32_t dwPalNum);
// Midpoint circle outline; nothing for r < 1.
void DDDrawCircle(DDSURFACEDATA* lpDstSD, int32_t cx, int32_t cy, int32_t r, uint32_t dwPalNum);
