#pragma once
// The Direct3D GPU path on the CPU: textured and plain-colour quads with the
// device's fixed stage 0 and source-alpha blending.
//
// A quad covers exactly [x, x + w) x [y, y + h) of the target. Column k samples
// texel sx + floor((k + 0.5) x sw / w), rows alike (negative sizes mirror),
// point sampling with wrap addressing over the texture's allocated size. A quad
// without texture (the back buffer as source) samples opaque white. Stage 0 forms
// colour and alpha from the texel (argument 1) and the diffuse colour (argument
// 2); products round, (a x b + 127) / 255. The result is blended over the target
// by its own alpha: d = (s x a + d x (255 - a) + 127) / 255, alpha included.
//
//   cQuadStage stage{.dwDiffuse = 0xFFFFFFFF, .nColorOp = D3DTOP_MODULATE,
//                    .nAlphaOp = D3DTOP_SELECTARG1};
//   DrawTexturedQuad(target, {10, 10, 32, 32}, &texture, {0, 0, 32, 32}, stage);

#include <cstdint>

#include "platform/dd/pixel_store.h"

struct cQuadStage {
  uint32_t dwDiffuse = 0xFFFFFFFF;
  int32_t nColorOp = 4;   // D3DTOP_MODULATE
  int32_t nAlphaOp = 2;   // D3DTOP_SELECTARG1
  uint32_t dwFactor = 0xFFFFFFFF;  // D3DRS_TEXTUREFACTOR
};

struct cQuadRect {
  int32_t x = 0;
  int32_t y = 0;
  int32_t w = 0;
  int32_t h = 0;
};

// Draws a textured quad; texture null samples opaque white.
void DrawTexturedQuad(cPixelStore& target, const cQuadRect& dst, const cPixelStore* texture,
                      const cQuadRect& src, const cQuadStage& stage);

// Draws a quad of one colour (a D3DCOLOR), blended by its alpha.
void DrawColourQuad(cPixelStore& target, const cQuadRect& dst, uint32_t argb);

// Writes the colour, converted to the target's format, without blending.
void ClearRect(cPixelStore& target, const cQuadRect& dst, uint32_t argb);

// Stage 0 and the blend for one pixel, exposed for the batch and tests.
uint32_t StageColour(uint32_t texel, const cQuadStage& stage);
uint32_t BlendOver(uint32_t src, uint32_t dst);
