#pragma once
// Blits that cut a picture into pieces and move them apart (chara and screen
// effects "burst", "split", card turns). Each draws its pieces through DDBlt or
// DDStretchBlt inside one sprite batch, so clipping and modes are theirs.
//
//   DDBltStripe(dst, 0, 0, 100, 40, 30, 4, src, 0, 0, 1, 1);
//     // columns 0-29 and 60-89 drawn 4 dots lower, 30-59 4 dots higher, 90-99 not at all
//   DDBltSplit(dst, 100, 100, 64, 64, src, 0, 0, 10, 1);   // quarters 10 dots apart from their places
//   DDBltFlip(dst, 0, 0, 64, 64, front, 0, 0, back, 0, 0, 64, 64, 1, frame, 0);

#include <cstdint>

struct DDSURFACEDATA;

// Stripes of width e: columns when bVertical (odd ones moved up by f, even ones
// down), rows otherwise (odd ones moved left, even ones right). Only whole
// stripes are drawn; e 0 is one plain blit, a negative e draws nothing.
void DDBltStripe(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, int32_t e, int32_t f,
                 DDSURFACEDATA* lpSrcSD, int32_t sx, int32_t sy, int32_t flags, int32_t bVertical);

// The four (w / 2) x (h / 2) quarters of the box, each moved outward by g.
void DDBltSplit(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, DDSURFACEDATA* lpSrcSD,
                int32_t sx, int32_t sy, int32_t g, int32_t flags);

// A card turning about its vertical axis (mode 0) or horizontal axis (mode 1):
// the frame counter r runs the drawn width (height) as a triangle wave, showing
// the back side for r in [u, 3u), [5u, 7u), ... with u half the turning size.
// A size below 2 along the axis, or another mode, draws nothing; a negative
// frame counts as 0.
void DDBltFlip(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, DDSURFACEDATA* lpFrontSD,
               int32_t frontSx, int32_t frontSy, DDSURFACEDATA* lpBackSD, int32_t backSx, int32_t backSy, int32_t sw,
               int32_t sh, int32_t flags, int32_t r, int32_t mode);
