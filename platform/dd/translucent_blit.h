#pragma once
// The translucent blit: a source drawn over the destination at half strength
// ("半透明" of the chara effects, the screen colour), at any strength on the
// Direct3D quad path.
//
//   DDBltTranslucent(&g_SDBackBuffer, 0, 0, 640, 480, &g_SDWork, 0, 0, 0, g_BlendTable.data(), 96);
//   DDBltHalfTranslucent(&g_SDBackBuffer, x, y, 32, 32, &chara, cx, cy, 1, g_BlendTable.data());
//
// Quad path (Direct3D, destination a render target, source not a system-memory
// texture): the texture modulated by white with alpha 255 - t, so t 0 is
// opaque; transparent texels stay hidden whatever the flags. Every CPU path
// mixes half and half whatever t:
//   DirectDraw 8   the blend table's entry [d x 256 + s]; a destination index 0 takes s
//   DirectDraw 16  channels averaged on the 0..255 scale (channel_scale.h); a
//                  destination of the transparent colour takes s
//   DirectDraw 32  blue, green, red averaged, the fourth byte kept; likewise
//   Direct3D 16    averaged in the texture layout, alpha bit set; onto the full-screen
//                  back buffer green (2s + d) >> 1 in its six bits
//   Direct3D 32    averaged, alpha 255
// Flags 1 leaves out transparent source pixels (index 0, g_dwColorKey, or a
// keyed texel). Pairs outside either surface are skipped. 24 bits draw nothing.

#include <cstdint>

struct DDSURFACEDATA;

// t is clamped to 0..255. lpBlendTable (65536 entries) serves the 8-bit mix;
// without one nothing is drawn at 8 bits. Always true.
bool DDBltTranslucent(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, DDSURFACEDATA* lpSrcSD,
                      int32_t sx, int32_t sy, int32_t flags, const uint8_t* lpBlendTable, int32_t t);

// DDBltTranslucent at t = 128.
bool DDBltHalfTranslucent(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h,
                          DDSURFACEDATA* lpSrcSD, int32_t sx, int32_t sy, int32_t flags, const uint8_t* lpBlendTable);
