#pragma once
// Rectangle fills and the palette-number colour of the running mode.
//
//   DDFillRect(&g_SDBackBuffer, 0, 0, 640, 480, 3);     // palette number 3
//   DDFillRectRGB(&sd, 0, 0, 8, 8, PalNumToRGB(3));     // the same, as a raw value

#include <cstdint>

struct DDSURFACEDATA;

// The palette number as a pixel (DirectDraw) or D3DCOLOR (Direct3D; number 0 is
// the transparent colour 0). Numbers outside 0..255 give 0 and a log line.
uint32_t PalNumToRGB(uint32_t dwPalNum);

void DDFillRect(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t dwPalNum);
void DDFillSurface(DDSURFACEDATA* lpDstSD, uint32_t dwPalNum);
// color: a D3DCOLOR in Direct3D mode, a pixel of the surface's format in DirectDraw.
void DDFillRectRGB(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t color);
void DDFillSurfaceRGB(DDSURFACEDATA* lpDstSD, uint32_t color);
