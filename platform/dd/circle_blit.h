#pragma once
// The circle blit: a circular window of radius r onto a source, built from
// plain copies of horizontal spans (one per row, or per band of b rows), so it
// works alike in both renderers. The circle and chara circle effects draw a
// screen copy through it; b is their "円の粗さ(dot)".
//
//   DDBltCircle(&g_SDBackBuffer, 320, 240, 640, 480, 100, 1, &g_SDScreenCopy, 320, 240, 0);
//
// Rows are offsets from the centre, from r - b up to -r; a row (band) at or
// below +extent y is left out, one reaching above -extent y ends the walk, and
// the first and last bands are moved inside the extents. A band's half-width is
// floor(sqrt(r^2 - m^2)) at its middle row m, at most r - 1; its span is cut to
// the source columns [scx - extent x, scx + extent x) inside the source.
//
// Radius and extents come from effect data: the walk starts at the extents and
// skips the bands outside both surfaces, and r^2 is taken in 64 bits, so a huge
// radius costs no more than the screen and draws what the walk would have.

#include <cstdint>

struct DDSURFACEDATA;

// Nothing for r or b of 0 or below. The spans are blits with the given flags,
// inside one sprite batch.
void DDBltCircle(DDSURFACEDATA* lpDstSD, int32_t cx, int32_t cy, int32_t extentX, int32_t extentY, int32_t r,
                 int32_t b, DDSURFACEDATA* lpSrcSD, int32_t scx, int32_t scy, int32_t flags);

// floor(sqrt(n)) for n >= 0, exact for every 64-bit n (0 for a negative n).
int64_t FloorSqrt(int64_t n);
