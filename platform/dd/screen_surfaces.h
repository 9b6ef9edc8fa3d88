#pragma once
// The screen surfaces. g_SDBackBuffer is the frame every scene draws into; the
// primary and the screen copy serve DirectDraw, the virtual back buffer and the
// work surface Direct3D.

#include "platform/dd/surface_data.h"

extern DDSURFACEDATA g_SDPrimary;
extern DDSURFACEDATA g_SDBackBuffer;
extern DDSURFACEDATA g_SDScreenCopy;
extern DDSURFACEDATA g_SDVirBackBuffer;
extern DDSURFACEDATA g_SDWork;

// True for the Direct3D back buffer in full screen, whose 16-bit layout
// (g_BackBufferChannels) differs from the textures'.
bool DDIsFullScreenBackBuffer(const DDSURFACEDATA* lpSD);
