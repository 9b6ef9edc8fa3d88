#pragma once
// The frame of the blits that mix a source with something else (translucent
// and colour-change blits): the surfaces an effect really uses, the device's
// quad when the destination is a render target, else a CPU walk over locked
// surfaces (pixel_pair_walk.h) with a per-depth rule.
//
//   RunMixBlit({lpDstSD, lpSrcSD, {x, y, w, h}, {sx, sy, w, h}},
//              [] { return cQuadKnobs{0x80FFFFFF, D3DTOP_MODULATE, D3DTOP_MODULATE}; },
//              [](const DDSURFACEDATA* lpDstSD, cPixelStore& dst, const cPixelStore& src,
//                 const cPixelPairWalk& walk) { /* WalkPixelPairs with the depth's rule */ });

#include <cstdint>

#include "platform/dd/blit.h"
#include "platform/dd/device_records.h"
#include "platform/dd/effect_locks.h"
#include "platform/dd/pixel_pair_walk.h"
#include "platform/dd/quad_draw.h"
#include "platform/dd/quad_render.h"

struct DDSURFACEDATA;

struct cMixBlit {
  DDSURFACEDATA* lpDstSD = nullptr;
  DDSURFACEDATA* lpSrcSD = nullptr;
  cQuadRect dst;  // where, as the caller gave it
  cQuadRect src;  // from where; the size negative where a mirror view mirrors
};

// Direct3D: the source rectangle adjusted for a mirror view, then both surfaces
// resolved (ResolveEffectSurface). False when either is missing or has no pixels.
bool SetUpMixBlitD3D(cMixBlit* blit);

// The quad: positions from dst, texture coordinates from src, the stage's
// colour and alpha operations (the texture factor is the device's). Flags play
// no part: the texture's own alpha hides its transparent texels. False when the
// scene or the render target could not be set (nothing drawn).
bool DrawMixQuad(const cMixBlit& blit, const cQuadKnobs& knobs);

// The CPU walk of the blit over the surfaces' usable sizes.
cPixelPairWalk PairWalkOf(const cMixBlit& blit);

// Runs a mixing blit. Quad path: quadKnobs() gives the stage (and may set device
// state first). CPU paths: both surfaces locked, cpu(lpDstSD, dst, src, walk)
// mixes. Nothing without a device, or when a surface is missing or cannot be
// locked.
template <class QuadKnobs, class Cpu>
void RunMixBlit(cMixBlit blit, QuadKnobs&& quadKnobs, Cpu&& cpu) {
  if (lpDTCon != nullptr) {
    if (!SetUpMixBlitD3D(&blit)) return;
    if (IsQuadPath(blit.lpDstSD, blit.lpSrcSD)) {
      DrawMixQuad(blit, quadKnobs());
      return;
    }
  } else if (lpDDCon == nullptr) {
    return;
  }
  cEffectLocks locks;
  if (!locks.Lock(blit.lpDstSD, blit.lpSrcSD)) return;
  cpu(static_cast<const DDSURFACEDATA*>(blit.lpDstSD), locks.Dst(), locks.Src(), PairWalkOf(blit));
}
