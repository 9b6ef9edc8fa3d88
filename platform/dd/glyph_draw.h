#pragma once
// Writing a glyph's coverage mask onto a surface in one text colour. Covered
// pixels take the colour, all others stay untouched, so a glyph drawn on a
// keyed work surface or cache leaves the transparent colour around it.

#include <cstdint>

struct DDSURFACEDATA;
struct cGlyphMask;

// The text colour as a pixel of the surface: Direct3D writes dwColor opaque,
// narrowed to the texture's format; DirectDraw writes the palette number's
// colour, at 8 bits the index itself.
uint32_t TextPixelOf(DDSURFACEDATA* lpSD, int32_t nColor, uint32_t dwColor);

// The mask with its top-left at (x, y), cut to the surface; nothing without pixels.
void DrawGlyphMask(DDSURFACEDATA* lpSD, int32_t x, int32_t y, const cGlyphMask& mask, uint32_t pixel);
