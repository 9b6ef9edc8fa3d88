#pragma once
// What the per-pixel effects and their quads share: finding the surface an
// effect really reads or writes, the sizes a per-pixel walk may use, and the
// Direct3D 16-bit rules for the full-screen back buffer. The choice between the
// device's quad and the CPU is IsQuadPath (blit.h), as for every blit.
//
//   DDSURFACEDATA* dst = ResolveEffectSurface(lpDstSD);   // mirror view's source, virtual back buffer
//   if (dst != nullptr && IsQuadPath(dst, src)) { /* one textured quad */ }
//
// Everything here is for Direct3D; in DirectDraw mode surfaces are used as given.

#include <cstdint>

#include "platform/dd/pixel_format.h"

struct DDSURFACEDATA;

// Direct3D: the mirror view's source, then the virtual back buffer in place of
// the back buffer while it is on. Null when a mirror view's source is gone.
DDSURFACEDATA* ResolveEffectSurface(DDSURFACEDATA* lpSD);

// The largest width and height both the record and its pixels have: a texture
// can be larger than its surface, a surface never larger than its pixels.
int32_t UsableWidth(const DDSURFACEDATA& sd);
int32_t UsableHeight(const DDSURFACEDATA& sd);

// A Direct3D 16-bit pixel as an effect writes it: to the full-screen back
// buffer in its own layout (green in six bits, so the five-bit texture green is
// doubled by the caller's rule), elsewhere in the texture layout with the alpha
// bit set and every channel limited to its maximum.
struct cD3D16Out {
  PIXELCHANNELS channels;
  bool bBackBuffer = false;

  static cD3D16Out For(const DDSURFACEDATA* lpDstSD);
  // r, g, b already in the destination's ranges (green doubled for the back buffer).
  uint16_t Compose(uint32_t r, uint32_t g, uint32_t b) const;
};

// A texel of the Direct3D texture formats that colour-keyed textures leave
// transparent: alpha 0 at 32 bits; at 16 bits neither bit 15 (alpha) nor bit 13.
inline bool IsKeyedTexel32(uint32_t p) { return (p >> 24) == 0; }
inline bool IsKeyedTexel16(uint32_t p) { return (p & 0xA000u) == 0; }
