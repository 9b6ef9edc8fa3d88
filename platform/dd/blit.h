#pragma once
// The blits: rectangle copies, stretches and their blend-knob forms.
//
// Arguments are (destination, x, y, w, h, source, sx, sy[, sw, sh], flags),
// sizes in dots, the source rectangle in the source's logical dots. Flags 1
// leaves the source's transparent colour out; any other value draws every pixel.
// A negative sw or sh mirrors in Direct3D mode; DirectDraw draws nothing then.
//
//   DDBlt(&g_SDBackBuffer, 100, 50, 32, 32, &sheet, 64, 0, 1);            // keyed cell
//   DDStretchBlt(&g_SDBackBuffer, 0, 0, 64, 64, &sheet, 32, 0, -32, 32, 1); // 2x, mirrored
//
// Direct3D draws a quad when the destination is a render target and the source
// is not a system-memory texture (deferred while the sprite batch is on), else
// copies through the CPU. Results: DirectDraw returns its Blt/BltFast result (0
// also when clipped away); in Direct3D mode the value means nothing.

#include <cstdint>

struct DDSURFACEDATA;

int32_t DDBlt(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, DDSURFACEDATA* lpSrcSD,
              int32_t sx, int32_t sy, int32_t flags);
int32_t DDStretchBlt(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, DDSURFACEDATA* lpSrcSD,
                     int32_t sx, int32_t sy, int32_t sw, int32_t sh, int32_t flags);

// A draw colour and a colour operation for one blit.
struct BLENDPAIR {
  uint32_t dwColor = 0xFFFFFFFF;
  int32_t nColorOp = 4;
};
int32_t DDBltBlend(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, DDSURFACEDATA* lpSrcSD,
                   int32_t sx, int32_t sy, int32_t flags, const BLENDPAIR* lpBlend);
int32_t DDStretchBltBlend(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h,
                          DDSURFACEDATA* lpSrcSD, int32_t sx, int32_t sy, int32_t sw, int32_t sh, int32_t flags,
                          const BLENDPAIR* lpBlend);

// Direct3D, both surfaces resolved and backed: true when the device draws a
// quad (the destination is a render target and the source is not a
// system-memory texture), false when the CPU copies.
bool IsQuadPath(const DDSURFACEDATA* lpDstSD, const DDSURFACEDATA* lpSrcSD);

// Direct3D: a mirror view becomes the surface it draws from (null when that
// surface was released).
void DDResolveShareSD(DDSURFACEDATA** lppSD);
// Direct3D mirror view: the source rectangle inside its mirrored cell.
void DDAdjustMirrorRect(const DDSURFACEDATA* lpSrcSD, int32_t* sx, int32_t* sy, int32_t* sw, int32_t* sh);
// Clips both rectangles in place; 1 when something is left to draw.
int32_t DDClipBlt(const DDSURFACEDATA* lpDstSD, int32_t* x, int32_t* y, int32_t* w, int32_t* h,
                  const DDSURFACEDATA* lpSrcSD, int32_t* sx, int32_t* sy, int32_t* sw, int32_t* sh);
