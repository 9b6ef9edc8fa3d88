#pragma once
// The lens blit: a spherical lens of radius r that magnifies the middle of a
// circle ("レンズ" of the chara effects, the lens screen effect). It copies,
// never blends, pixel by pixel on locked surfaces in every mode.
//
//   DDBltLens(&g_SDBackBuffer, 320, 240, 100, 60, &g_SDScreenCopy, 320, 240, 0, 0);
//
// With D = trunc(sqrt(r^2 + v^2)), destination offset (i, j) inside the circle
// (i^2 + j^2 = n <= r^2) shows source offset (i v / z, j v / z) rounded half up
// and truncated toward zero, z = sqrt(D^2 - n); z 0 shows (i, j). At the rim the
// picture meets its surroundings, the centre is magnified D / v.
//
// Writing source pixel S:
//   DirectDraw 8, 16, 32  S equal to g_dwColorKey is not written, whatever the flags
//   Direct3D 32           a keyed texel (alpha 0) is not written
//   Direct3D 16           with flags 1 a keyed texel is not written; onto the
//                         full-screen back buffer converted to its layout
// With clear in 32-bit Direct3D, the pixels of the square -r..r outside the
// circle, outside the source or under a keyed texel become 0 (transparent).
// The loops are cut to the destination, so a radius from data costs no more
// than the surface; r^2 + v^2 is taken in 64 bits.

#include <cstdint>

struct DDSURFACEDATA;

// False when nothing could be drawn: r or v negative, D not above v (r 0), a
// surface that cannot be locked, 24 bits. Else true.
bool DDBltLens(DDSURFACEDATA* lpDstSD, int32_t cx, int32_t cy, int32_t r, int32_t v, DDSURFACEDATA* lpSrcSD,
               int32_t scx, int32_t scy, int32_t flags, int32_t bClear);
