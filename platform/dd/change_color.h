#pragma once
// The Direct3D screen tint (the screen colour of the screen effects): one quad
// of the source modulated by a colour whose alpha is 255 - nAlpha, blended over
// the destination. The back buffer has no texture, so on it the quad is the
// plain colour: d = K (255 - nAlpha) / 255 + d nAlpha / 255, nAlpha 255 leaving
// the screen as it was and 0 covering it with K.
//
//   DDChangeColor(&g_SDBackBuffer, 0, 0, 640, 480, 128, 255, 0, 0);   // half-way to red
//
// The tint covers the given rectangle, cut to the destination; the source is
// read at the same place. DirectDraw has no such quad: there the call only
// writes its message to the EC log.

#include <cstdint>

struct DDSURFACEDATA;

// nAlpha is clamped to 0..255. Always 1.
int32_t DDChangeColorBlt(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t nWidth, int32_t nHeight,
                         DDSURFACEDATA* lpSrcSD, int32_t nAlpha, uint8_t bRed, uint8_t bGreen, uint8_t bBlue);

// DDChangeColorBlt with the destination as its own source.
int32_t DDChangeColor(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t nWidth, int32_t nHeight, int32_t nAlpha,
                      uint8_t bRed, uint8_t bGreen, uint8_t bBlue);
