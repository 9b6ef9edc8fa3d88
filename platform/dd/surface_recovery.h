#pragma once
// Bringing the surface library back after a loss. Loss never happens by itself
// here; the Simulate... hooks make the device or the DirectDraw surfaces report
// lost (dropping what a loss drops), so the restores and the owners' bLost
// redraws run in tests.
//
//   Direct3D (window thread, on WM_APP_RESTORE_DEVICE):  DDRestoreSurface();
//   DirectDraw (game thread, every frame):               DDRestore();

#include <cstdint>

// Direct3D: resets the device and re-creates every texture of g_DTSurfaceList:
// pictures are loaded again, surfaces made by size come back empty with bLost.
// 0 while the device cannot be reset yet.
int32_t DDRestoreSurface();
// DirectDraw: restores lost surfaces of the screen and the surface table and
// reloads their pictures; video-memory surfaces made by size get bLost. True.
bool DDRestore();

// The fonts' part of a restore, installed by the fonts: lost before the reset,
// rebuilt after it.
using FontRestoreHook = void (*)();
void SetFontRestoreHooks(FontRestoreHook onLostDevice, FontRestoreHook restore);

// Tests: the Direct3D device is lost (render targets and the back buffer lose
// their pixels); SimulateDeviceResettable lets a reset succeed.
void SimulateDeviceLoss();
void SimulateDeviceResettable();
// Tests: every DirectDraw surface is lost.
void SimulateDirectDrawLoss();
