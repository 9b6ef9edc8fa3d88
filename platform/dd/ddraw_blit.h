#pragma once
// DirectDraw's Blt and BltFast on the CPU stores: raw pixel copies in the
// display's format, skipping pixels equal to the source's colour key when keyed.
// A stretch samples pixel centres as the Direct3D quad does, so both modes scale
// alike. Rectangles come clipped; the stores are checked again all the same.

#include <cstdint>

#include "platform/dd/pixel_store.h"

struct cBltRect {
  int32_t x = 0;
  int32_t y = 0;
  int32_t w = 0;
  int32_t h = 0;
};

// key: the source colour key, or null for an unkeyed copy. DD_OK, or
// DDERR_INVALIDRECT for a rectangle that is inverted or outside a store.
int32_t DDrawBltFast(cPixelStore& dst, int32_t x, int32_t y, const cPixelStore& src, const cBltRect& from,
                     const uint32_t* key);
int32_t DDrawBltStretch(cPixelStore& dst, const cBltRect& to, const cPixelStore& src, const cBltRect& from,
                        const uint32_t* key);
