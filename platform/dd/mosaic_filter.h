#pragma once
// The mosaic of the chara effect "モザイク" and the mosaic screen effect: the
// w x h box cut into n x n blocks from its top-left corner (the blocks at the
// right and bottom cut at the box), each drawn in one colour.
//
//   DDMosaic(&g_SDBackBuffer, 0, 0, 640, 480, 8, &g_SDScreenCopy, 0, 0, 0);
//
// The block's colour:
//   Direct3D, DirectDraw 8   its top-left source pixel (Direct3D 32 with alpha
//                            255; onto the 16-bit full-screen back buffer in its layout)
//   DirectDraw 16, 32        the average of its source pixels (16 bits on the
//                            0..255 scale of channel_scale.h, 32 bits per byte)
// With the transparency flag transparent pixels leave a block undrawn (the
// top-left) or do not count (the average; none counted, or an average equal to
// g_dwColorKey, leaves it undrawn). Source pixels outside the source surface do
// not count either. Blocks are cut to the destination surface.

#include <cstdint>

struct DDSURFACEDATA;

// Nothing (true) for a block size of 0 or below, and at 24 bits. False when a
// surface could not be locked.
bool DDMosaic(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, int32_t n, DDSURFACEDATA* lpSrcSD,
              int32_t sx, int32_t sy, int32_t bTransparent);
