#include "platform/dd/mix_blit.h"

#include "platform/dd/blit.h"
#include "platform/dd/effect_surfaces.h"
#include "platform/dd/quad_draw.h"
#include "platform/dd/surface_data.h"

bool SetUpMixBlitD3D(cMixBlit* blit) {
  DDAdjustMirrorRect(blit->lpSrcSD, &blit->src.x, &blit->src.y, &blit->src.w, &blit->src.h);
  blit->lpDstSD = ResolveEffectSurface(blit->lpDstSD);
  blit->lpSrcSD = ResolveEffectSurface(blit->lpSrcSD);
  const auto usable = [](const DDSURFACEDATA* lpSD) { return lpSD != nullptr && lpSD->lpDT && lpSD->Pixels() != nullptr; };
  return usable(blit->lpDstSD) && usable(blit->lpSrcSD);
}

bool DrawMixQuad(const cMixBlit& blit, const cQuadKnobs& knobs) {
  // Flags 1: an unkeyed copy would first clear the rectangle; a mix never does.
  return DrawSurfaceQuad(blit.lpDstSD, blit.dst.x, blit.dst.y, blit.dst.w, blit.dst.h, blit.lpSrcSD, blit.src.x,
                         blit.src.y, blit.src.w, blit.src.h, 1, knobs) != 0;
}

cPixelPairWalk PairWalkOf(const cMixBlit& blit) {
  cPixelPairWalk walk;
  walk.x = blit.dst.x;
  walk.y = blit.dst.y;
  walk.w = blit.dst.w;
  walk.h = blit.dst.h;
  walk.sx = blit.src.x;
  walk.sy = blit.src.y;
  walk.bMirrorX = blit.src.w < 0;
  walk.bMirrorY = blit.src.h < 0;
  walk.nDstWidth = UsableWidth(*blit.lpDstSD);
  walk.nDstHeight = UsableHeight(*blit.lpDstSD);
  walk.nSrcWidth = UsableWidth(*blit.lpSrcSD);
  walk.nSrcHeight = UsableHeight(*blit.lpSrcSD);
  return walk;
}
