#pragma once
// Quads drawn from surfaces: the bridge between the surface records and the
// quad renderer. The scene is begun and the render target set around each draw,
// as the device needs; a surface without backing draws nothing.

#include <cstdint>

struct DDSURFACEDATA;
struct SPRITEBATCHDATA;

struct cQuadKnobs {
  uint32_t dwDrawColor = 0xFFFFFFFF;
  int32_t nColorOp = 4;
  int32_t nAlphaOp = 2;
};

// The current knobs of lpDTCon.
cQuadKnobs CurrentKnobs();

// A textured quad, clipped rectangles in; flags 0 from a keyed source first
// clears the rectangle to the destination's transparent form. 0 when the scene
// or the render target could not be set.
int32_t DrawSurfaceQuad(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h,
                        DDSURFACEDATA* lpSrcSD, int32_t sx, int32_t sy, int32_t sw, int32_t sh, int32_t flags,
                        const cQuadKnobs& knobs);
void DrawBatchedQuad(const SPRITEBATCHDATA& record);
// A colour quad (fills), blended by the colour's alpha; sets the texture factor.
void DrawFillQuad(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t color);
