#pragma once
// The palette-index map of a 16- or 32-bit surface: for every pixel the first
// palette entry showing its colour (0 where none does), so the palette effects
// can recolour surfaces outside 8-bit mode.

#include <cstdint>

struct DDSURFACEDATA;
struct PALETTEENTRY;

// 1 once the map of the surface's part is built; 0 (and OutOfMemoryClose) when
// the surface cannot be locked.
int32_t DDMakePalMap(DDSURFACEDATA* lpSD);

// DirectDraw: a palette entry as a pixel of the 16-bit display. g_Palette holds
// the display format's channel values there (read from the palette image), so
// the channels are masked, not scaled; 0 and a log line in Direct3D mode.
uint16_t DDPalToRGB16(const PALETTEENTRY* entry);
