#pragma once
// Pictures read from BMP files into surface stores: the texture load of
// Direct3D mode and the per-depth copy of DirectDraw mode.

#include <cstdint>

#include "platform/dd/bmp_reader.h"
#include "platform/dd/pixel_store.h"

// Texels of exactly keyRgb (0x00RRGGBB) become transparent black, every other
// one opaque; 16-bit channels are narrowed by v x max / 255. Texels past the
// picture are left as they are.
void ConvertPictureToTexture(const cBmpImage& image, uint32_t keyRgb, cPixelStore* texture);

// Per-cell mirroring of a copy; cells below one dot do not mirror.
struct cPictureMirror {
  int32_t nCellW = 0;
  int32_t nCellH = 0;
};

// DirectDraw: 8 bits take an 8-bit picture's indices (other pictures their
// nearest display-palette entry); 16 bits narrow by v x max / 255, and a true-
// colour pixel of the transparent colour (rgbTransmitKey) becomes g_dwColorKey
// while any other that would equal the key is moved one step off it; 32 bits
// copy exactly. Mirrored cells cut short at the surface's edge are not copied.
void ConvertPictureToDisplay(const cBmpImage& image, int32_t nBpp, const cPictureMirror& mirror, cPixelStore* store);
