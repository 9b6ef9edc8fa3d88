#pragma once
// The rotation blit: a w x h rectangle at (sx, sy) of the source turned by an
// angle in degrees (clockwise on the screen for a positive angle) about the
// pivot (pcx, pcy), given from the rectangle's top-left corner; the pivot lands
// on (dcx, dcy). Every caller passes the middle, (w >> 1, h >> 1). Used by the
// rotation screen effect and the chara effects "回転A" and "回転B".
//
//   DDBltRotate(&g_SDBackBuffer, 320, 240, 640, 480, 320, 240, 30, &g_SDScreenCopy, 0, 0, 0);
//
// Quad path (Direct3D, destination a render target, source not a system-memory
// texture): the rectangle's four corners turned and drawn as one quad with the
// draw knobs, as DDStretchBlt draws (a mirror view's cell is mirrored).
// Software path (DirectDraw, and Direct3D otherwise): 10-bit fixed point. Each
// pixel of the turned rectangle's box, widened by 2, is turned back with
// s = trunc(sin(-a) 1024), c = trunc(cos(-a) 1024) and arithmetic shifts, and
// copies the source pixel it lands on unchanged; flags 1 leaves out pixels equal
// to g_dwColorKey. The two paths may differ at the edges.
//
// The loops are cut to the destination and the fixed-point products are taken
// in 64 bits, so sizes from data cost no more than the surface.

#include <cstdint>

struct DDSURFACEDATA;

// False when a surface could not be locked (software path), else true. Nothing
// is drawn in 24-bit DirectDraw or, in Direct3D, for a missing surface.
bool DDBltRotate(DDSURFACEDATA* lpDstSD, int32_t dcx, int32_t dcy, int32_t w, int32_t h, int32_t pcx, int32_t pcy,
                 int32_t angle, DDSURFACEDATA* lpSrcSD, int32_t sx, int32_t sy, int32_t flags);
