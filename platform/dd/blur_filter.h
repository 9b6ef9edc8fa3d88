#pragma once
// The box blur of the chara effect "ぼかし" (above 8 bits): destination pixel
// (x + i, y + j) takes the average of the source pixels (sx + i', sy + j') of the
// window i - rx <= i' < i + rx, j - ry <= j' < j + ry, cut to the w x h box.
//
//   DDBlur(&g_SDBackBuffer, x, y, 32, 32, 2, 2, &work, 0, 0, 1);
//
// Red, green and blue are averaged separately (integer division) in the
// format's own channel ranges. With the transparency flag only opaque pixels
// count, and a pixel whose own source pixel is transparent is left alone
// (opaque: DirectDraw, not g_dwColorKey; Direct3D, not a keyed texel). A pixel
// with nothing counted is left alone. Written: DirectDraw 16 in the display's
// layout, DirectDraw 32 blue, green and red with the fourth byte kept, Direct3D
// 32 with alpha 255, Direct3D 16 in the texture layout with its alpha bit or,
// onto the full-screen back buffer, in its layout with green doubled.
//
// The window sums run along rows and columns, so the cost does not grow with
// the radii; the sums and counts are those of the plain window. Source pixels
// outside the source surface do not count.

#include <cstdint>

struct DDSURFACEDATA;

// Nothing (true) when a radius is 0 or below. 8 bits draw nothing and write
// "8ビットぼかしは不可能！" to the EC log; 24 bits draw nothing. False when a
// surface could not be locked.
bool DDBlur(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, int32_t rx, int32_t ry,
            DDSURFACEDATA* lpSrcSD, int32_t sx, int32_t sy, int32_t bTransparent);
