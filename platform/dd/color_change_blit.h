#pragma once
// The colour-change blit: a source pulled toward one palette colour P ("色変化"
// of the chara effects; at 8 bits also their "ぼかし", which passes its strength
// as the level and palette number 31 as the colour).
//
//   DDBltColorChange(&g_SDBackBuffer, x, y, 32, 32, &chara, cx, cy, 1, g_PaletteWork.data(),
//                    g_BlendTable.data(), 15, 2);   // three quarters of the way to colour 15
//
// Share of P in the result by level:
//   level  quad path  Direct3D CPU  DirectDraw
//   1      127/255    1/2           1/2
//   2      175/255    191/255       3/4
//   3      207/255    223/255       7/8
//   4      239/255    239/255       15/16
// Quad path: the texture blended with the texture factor (alpha 128, 80, 48,
// 16 by level, 0 above), left set on the device. Direct3D CPU: factor
// f = 128, 64, 32, 16 (0 above), a = f / 255; level 1 (s + c) >> 1, else
// s a + c (1 - a) truncated, with c = P in the texture's channel ranges.
// DirectDraw repeats (d + c) >> 1 level times from d = s (at 8 bits the blend
// table's entry [d x 256 + colour]); P's channels at 16 bits are in the
// display's ranges, as the palette holds them there. The destination pixel is
// replaced, never mixed with. Flags 1 leaves out transparent source pixels.
//
// The 16- and 32-bit repeats reach their fixed point within 9 steps, so levels
// above 16 run 16; 8-bit levels follow the table's cycles (blend_steps.h):
// results as for the plain repeats, the work bounded whatever the data says.

#include <cstdint>

struct DDSURFACEDATA;
struct PALETTEENTRY;

// Level 0 draws nothing, as does a negative level in Direct3D (in DirectDraw it
// is a copy). The colour number is taken modulo 256. lpBlendTable is not read:
// the 8-bit mix always uses g_BlendTable. 24 bits draw nothing. Always true.
bool DDBltColorChange(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, DDSURFACEDATA* lpSrcSD,
                      int32_t sx, int32_t sy, int32_t flags, const PALETTEENTRY* lpPalette,
                      const uint8_t* lpBlendTable, int32_t nColor, int32_t level);
