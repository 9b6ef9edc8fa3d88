#pragma once
// Setting up and tearing down the display: one engine with the semantics of
// either renderer, chosen once at start-up.
//
//   if (!DDInit(1, g_hWnd, 640, 480, 32, 1, 1, 1, 60, 1, g_SDTable.data(),
//               g_BitmapTable.data(), kBitmapCount)) {
//     DDReleaseAll();                      // then DirectDraw semantics
//     DDInit(0, g_hWnd, 640, 480, 32, 1, 1, 1, 60, 1, ...);
//   }
//   ...
//   DDExit();
//
// Direct3D mode (lpDTCon) takes 16 and 32 bits; DirectDraw mode (lpDDCon) 8,
// 16 and 32. Every store lives in CPU memory; without a presenter (tests, tools)
// nothing is shown, and the frame is still drawn.

#include <cstdint>

#include "core/thread/messages.h"

struct DDSURFACEDATA;
struct BITMAPDATA;
struct PIXELCHANNELS;

bool DDInit(int32_t bDirect3D, HWND hWnd, int32_t nWidth, int32_t nHeight, int32_t nBpp, int32_t bVSync,
            int32_t nWindowMode, int32_t nBackBufferCount, int32_t nRefreshRate, int32_t bUseRefreshRate,
            DDSURFACEDATA* lpSurfaceTable, const BITMAPDATA* lpBitmapTable, int32_t nSurfaceCount);
void DDReleaseAll();
void DDExit();

// Codes of the DirectDraw set-up.
inline constexpr int32_t kInitCreateExErr = 1;
inline constexpr int32_t kInitSetCoopLevelErr = 2;
inline constexpr int32_t kInitSetDisplayModeErr = 3;
inline constexpr int32_t kInitCreateSurfaceErr = 4;
inline constexpr int32_t kInitGetAttachedSurfaceErr = 5;
inline constexpr int32_t kInitCreatePaletteErr = 6;
inline constexpr int32_t kInitSetPaletteErr = 7;
inline constexpr int32_t kInitClipperErr = 10;
inline constexpr int32_t kInitSetHWndErr = 11;
inline constexpr int32_t kInitSetClipperErr = 12;

// False, with the code's name in the EC log, for the codes above; true else.
bool DDCheckInitResult(int32_t code);

int32_t DDInitD3D(HWND hWnd, int32_t nWidth, int32_t nHeight, int32_t nBpp, int32_t nBackBufferCount);
void DDSetDefaultStates();
int32_t DDInitFullScreen(HWND hWnd, int32_t nWidth, int32_t nHeight, int32_t nBpp, int32_t nBackBufferCount);
int32_t DDInitWindow(HWND hWnd);

// DirectDraw: the channel layout of the primary's pixel format.
void DDAnalyzePixelFormat(PIXELCHANNELS* out);

// The window style DDInit was given: 0 full screen, 1 window at 1:1, 2 resizable.
int32_t DisplayWindowStyle();
