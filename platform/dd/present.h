#pragma once
// Presenting a frame. Direct3D mode: the frame step calls DDPresent once per
// frame. DirectDraw mode: it flips the primary in full screen or blits the back
// buffer onto it. Each converts the frame on the drawing thread and hands it to
// the window thread (frame_handoff.h); the window thread presents the newest.

#include <cstdint>

struct DDSURFACEDATA;

// 1 presented (or DirectDraw mode), 0 when the device is lost. Paces the frames
// by the clock at nRate; with bShowFps and a glyph sheet the pacer's figures are
// drawn at (0, 16) first. The frame step passes 0 and null.
int32_t DDPresent(int32_t nRate, int32_t bShowFps, DDSURFACEDATA* lpGlyphSD);

// DirectDraw: the flip chain turns (one back buffer swaps with the primary,
// two rotate) and the primary is shown. DD_OK or DDERR_SURFACELOST.
int32_t DDFlipPrimary();
// DirectDraw: the back buffer is copied onto the primary, which is shown.
int32_t DDBltToPrimary();

// Dialogs over a full-screen display: ends the scene, shows the cursor (on) or
// hides it (off). 1; nothing to do in a window.
int32_t DDDialogBoxMode(int32_t on);

// Frees the flip chain's third buffer (DDReleaseAll).
void ReleaseFlipChain();
