#pragma once
// The Direct3D device's per-frame state: the scene bracket, the render target
// and the three knobs of textured draws (vertex colour, stage-0 colour and alpha
// operations). Everything here does nothing in DirectDraw mode.

#include <cstdint>

struct DDSURFACEDATA;

// 1 inside a scene (begun now or earlier this frame); 0 without a device.
int32_t DDBeginScene();
void DDEndScene();
// 1 once lpSD is the render target; 0 for a surface that is not one.
int32_t DDSetRenderTarget(DDSURFACEDATA* lpSD);

void DDSetDrawColor(uint32_t color);
void DDSetColorOp(int32_t op);
void DDSetAlphaOp(int32_t op);
void DDResetDrawColor();  // 0xFFFFFFFF
void DDResetColorOp();    // MODULATE
void DDResetAlphaOp();    // SELECTARG1
