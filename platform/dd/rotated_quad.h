#pragma once
// A textured quad of any orientation on the CPU: the Direct3D path of the
// rotation blit. The corners form a parallelogram; pixel (px, py) is covered
// when its centre, the point (px, py) as the device places pixel centres, lies
// at (u, v) in [0, 1) x [0, 1) of it, u along top-left to top-right and v along
// top-left to bottom-left. It samples texel floor(sx + u sw), floor(sy + v sh),
// wrapped into the texture, so an axis-aligned quad samples exactly as
// DrawTexturedQuad does; stage 0 and the blend are DrawTexturedQuad's too.
//
//   cQuadCorners c{{9.5, 9.5, 41.5, 41.5}, {9.5, 41.5, 9.5, 41.5}};   // = the quad (10, 10, 32, 32)
//   DrawRotatedQuad(target, c, &texture, {0, 0, 32, 32}, stage);

#include <cstdint>

#include "platform/dd/quad_render.h"

struct cQuadCorners {
  // Top-left, bottom-left, top-right, bottom-right (the triangle strip's order);
  // the bottom-right corner is implied by the other three.
  double x[4] = {};
  double y[4] = {};
};

// texture null samples opaque white. Nothing for a quad without area.
void DrawRotatedQuad(cPixelStore& target, const cQuadCorners& corners, const cPixelStore* texture,
                     const cQuadRect& src, const cQuadStage& stage);
