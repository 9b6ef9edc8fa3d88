#pragma once
// Rectangle outlines and framed boxes (font windows, menus, debug boxes):
//
//   DDDrawFrame(&g_SDBackBuffer, 10, 10, 100, 20, 1, 240);      // outline inside the rectangle
//   DDBltFramed(&g_SDBackBuffer, 264, 192, 96, 48, &window, 1, 240);
//     // the window picture's 96 x 48 top-left box at (264, 192), keyed, and a
//     // 1-pixel frame just outside it, from (263, 191) to (360, 240)

#include <cstdint>

struct DDSURFACEDATA;

// Outline of thickness t inside (x, y, w, h) in palette number nPalNum: top,
// bottom, left and right bands filled in one fill batch.
void DDDrawFrame(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, int32_t t, uint32_t nPalNum);

// The w x h box from (0, 0) of lpSrcSD at (x, y) with its transparent colour,
// then a frame of thickness t around the box, outside it.
void DDBltFramed(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, DDSURFACEDATA* lpSrcSD,
                 int32_t t, uint32_t nPalNum);
