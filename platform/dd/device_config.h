#pragma once
// The display configuration DDInit stores (beside the display state of
// display_state.h), read by every part of the surface library.

#include <cstdint>

#include "core/thread/messages.h"
#include "platform/dd/pixel_format.h"

struct DDSURFACEDATA;
struct BITMAPDATA;

extern int32_t g_bDirect3D;        // 1 Direct3D semantics requested, 0 DirectDraw
extern HWND g_hWndDD;              // the main window, owner of DDMesBox
extern int32_t g_nScreenWidth;     // 640
extern int32_t g_nScreenHeight;    // 480
extern int32_t g_nBytesPerPixel;   // g_nBpp / 8
extern int32_t g_nBackBufferCount; // DirectDraw full screen: 1 one back buffer, else two
extern int32_t g_bVSync;
extern int32_t g_nRefreshRate;
extern int32_t g_bUseRefreshRate;
extern DDSURFACEDATA* g_lpSurfaceTable;  // g_SDTable
extern const BITMAPDATA* g_lpBitmapTable;  // g_BitmapTable
extern int32_t g_nSurfaceCount;    // 71

// Channel layout of the texture format (Direct3D) or of the display (DirectDraw
// above 8 bits), and of the Direct3D 16-bit back buffer.
extern PIXELCHANNELS g_PixelChannels;
extern PIXELCHANNELS g_BackBufferChannels;

// The window's client rectangle and the desktop's depth (32 on every desktop SDL
// gives us).
struct RECT {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};
extern RECT g_rcClient;
extern int32_t g_nDesktopBpp;
