#pragma once
// Decimal numbers from a digit strip (time limits, scores): digit d is the
// w x h cell at (sx + w * d, sy) of the strip.
//
//   DDDrawNumber(&g_SDBackBuffer, 100, 8, 16, 16, &g_SDNumbers[1], 0, 0, 1, 7, 3, 0);
//     // "7" right-aligned in a field of three cells: drawn at x = 132
//   ... with the centre flag 1 it is drawn at x = 116; 12345 starts at x = 100.

#include <cstdint>

struct DDSURFACEDATA;

// A negative number draws nothing.
void DDDrawNumber(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, DDSURFACEDATA* lpSrcSD,
                  int32_t sx, int32_t sy, int32_t flags, int32_t number, int32_t nField, int32_t bCenter);
