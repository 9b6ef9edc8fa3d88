#pragma once
// Palette-only effects: blending entries toward a colour (the 8-bit fades and
// tints) and rotating a range of entries (palette animation, palette options).
//
//   DDPalBlend(g_PaletteWork.data(), 0, 255, 128, 0, 0, 0, g_Palette.data());  // half-way to black
//   DDPalRotate(g_PaletteWork.data(), 208, 211, 1, 1, g_PaletteWork.data());   // 209 -> 208, ..., 208 -> 211
//
// Both write only the out palette; the caller sets the display palette from it.
// Indices are clamped to 0..255 and a range with first > last does nothing.

#include <cstdint>

struct PALETTEENTRY;

// out[first..last] = (colour * (256 - a) + a * src) >> 8 per channel, flags 1.
// a is clamped to 0..256: 256 keeps the source, 0 gives the colour.
void DDPalBlend(PALETTEENTRY* lpOut, int32_t first, int32_t last, int32_t a, uint8_t r, uint8_t g, uint8_t b,
                const PALETTEENTRY* lpSrc);

// Copies all 256 entries of src (which may be out itself), then rotates
// first..last by n places: direction 0 moves entry i to i + n, direction 1 to
// i - n, wrapping inside the range; any other direction leaves the copy as is.
// n is taken modulo the range's length. Nothing at 24 bits per pixel.
void DDPalRotate(PALETTEENTRY* lpOut, int32_t first, int32_t last, int32_t n, int32_t direction,
                 const PALETTEENTRY* lpSrc);
