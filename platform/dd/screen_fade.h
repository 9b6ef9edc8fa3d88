#pragma once
// The screen fades of every scene change: one step per frame from the picture
// to a colour (DDFadeOut) or back (DDFadeIn). The scenes call them with the
// work palette, the program palette, entries 0..255, black and the fade step
// (10 from start-up):
//
//   while (!DDFadeOut(g_PaletteWork.data(), 0, 255, 0, 0, 0, 10.0, g_Palette.data(), 0)) NextFrame();
//
// The state is an angle per direction and renderer, 90 to 0 degrees for the
// fade-out and 0 to 90 for the fade-in; the fade draws with sin(angle):
//   Direct3D    a black cover of alpha 255 - trunc(255 sin(angle)) over the back buffer
//   DirectDraw  weight a = trunc(256 sin(angle)) of the picture against the colour:
//               8 bits the palette (DDPalBlend, then the display palette),
//               16 and 32 bits the screen copy taken on a fade's first call
//               (DDFade_UnPal onto the back buffer)
// A fade takes ceil(90 / step) + 1 calls; the call that draws the end angle
// returns 1 and puts the angle back to its start for the next fade. The finish
// flag draws the end at once. The angles belong to the process: one fade of
// each direction at a time, and a fade broken off continues where it stopped.

#include <cstdint>

struct PALETTEENTRY;

// 1 when this call drew the end of the fade, else 0. Direct3D: 0 without
// advancing when the scene or the render target could not be set.
int32_t DDFadeOut(PALETTEENTRY* lpOut, int32_t first, int32_t last, uint8_t red, uint8_t green, uint8_t blue,
                  double step, const PALETTEENTRY* lpSrc, int32_t bFinish);
int32_t DDFadeIn(PALETTEENTRY* lpOut, int32_t first, int32_t last, uint8_t red, uint8_t green, uint8_t blue,
                 double step, const PALETTEENTRY* lpSrc, int32_t bFinish);
