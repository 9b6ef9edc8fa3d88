#pragma once
// Sine-wave distortion: the picture is cut into bands of lines, each band moved
// sideways (or up and down when bVertical) by a sine of its position, so
// nWaves full periods span the picture; advancing nPhase (degrees) makes the
// wave travel.
//
//   DDBltWave(&g_SDBackBuffer, 0, 0, 640, 480, 2, 8.0, frame % 360, 1, &g_SDScreenCopy, 0, 0, 0, 0);
//     // every row moved by trunc(8 sin(2 (phase + 360 (k) / 480) degrees)), k the row's band number from 1

#include <cstdint>

struct DDSURFACEDATA;

// Nothing when the band size is 0 or below or the box is empty along the wave.
// Offsets beyond the int32_t range (a huge amplitude) are saturated.
void DDBltWave(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, int32_t nWaves, double amplitude,
               int32_t nPhase, int32_t nBand, DDSURFACEDATA* lpSrcSD, int32_t sx, int32_t sy, int32_t flags,
               int32_t bVertical);

// The offset of band k (from 1) of a wave over n lines.
int32_t WaveBandOffset(int32_t k, int32_t nBand, int32_t n, int32_t nWaves, double amplitude, int32_t nPhase);
