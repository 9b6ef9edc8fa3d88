#pragma once
// The Direct3D virtual back buffer: a render-target texture that stands in for
// the back buffer (which has no texture) while it is on, so the frame can be a
// blit source; the present copies it to the back buffer.

#include <cstdint>

struct DDSURFACEDATA;

void DDSetVirBackBuffer(int32_t on);
// 1 when *lppSD was g_SDBackBuffer, the virtual back buffer is on and *lppSD now
// points to g_SDVirBackBuffer; else 0 and unchanged.
int32_t DDRedirectBackBuffer(DDSURFACEDATA** lppSD);
// Opaque copy of the whole source onto the destination.
void DDCopyVirBackBuffer(DDSURFACEDATA* lpDstSD, DDSURFACEDATA* lpSrcSD);
