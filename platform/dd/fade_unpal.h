#pragma once
// The screen fade of the 16- and 32-bit DirectDraw modes, which have no
// hardware palette to fade: every pixel of a picture mixed with one colour.
//
//   DDFade_UnPal(&g_SDBackBuffer, 128, 0, 0, 0, &g_SDScreenCopy);   // the copied frame at half brightness
//
// d = (K (256 - a) + S a) >> 8 per channel, so a 256 keeps the source and 0
// gives the colour K. 32 bits: blue, green, red bytes, the destination's
// fourth byte kept. 16 bits: on the 0..255 scale of channel_scale.h. 8 and 24
// bits write nothing. Pixels are mixed where both surfaces have them: a source
// smaller than the destination leaves the rest alone.

#include <cstdint>

struct DDSURFACEDATA;

// a is clamped to 0..256. 0 when a surface could not be locked, else 1. In
// Direct3D mode only the message "D3DではDDFade_UnPalは未対応" (EC log), and 1.
int32_t DDFade_UnPal(DDSURFACEDATA* lpDstSD, int32_t a, uint8_t red, uint8_t green, uint8_t blue,
                     DDSURFACEDATA* lpSrcSD);
