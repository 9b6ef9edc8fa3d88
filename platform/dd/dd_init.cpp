#include "platform/dd/dd_init.h"

#include <SDL.h>

#include "core/log/ec_log.h"
#include "core/log/report_log.h"
#include "core/mesbox/mesbox.h"
#include "core/timing/frame_pacer.h"
#include "platform/dd/device_config.h"
#include "platform/dd/device_records.h"
#include "platform/dd/dd_mesbox.h"
#include "platform/dd/display_state.h"
#include "platform/dd/frame_presenter.h"
#include "platform/dd/present.h"
#include "platform/dd/draw_state.h"
#include "platform/dd/screen_surfaces.h"
#include "platform/dd/surface_create.h"
#include "platform/dd/surface_format.h"
#include "platform/dd/virtual_back_buffer.h"
#include "platform/ui/sdl_message_box.h"

namespace {

int32_t g_nWindowStyle = 1;

// The display's refresh rate as SDL reports it; 0 when video is not running.
int32_t DesktopRefreshRate() {
  SDL_DisplayMode mode;
  if (SDL_WasInit(SDL_INIT_VIDEO) == 0 || SDL_GetCurrentDisplayMode(0, &mode) != 0) return 0;
  return mode.refresh_rate;
}

struct D3DModeFormats {
  int32_t backBuffer, texture;
  ePixelFormat textureFormat, backFormat;
};

bool D3DFormatsFor(int32_t bpp, bool windowed, D3DModeFormats* out) {
  if (bpp == 32) {
    *out = {D3DFMT_X8R8G8B8, D3DFMT_A8R8G8B8, ePixelFormat::kA8R8G8B8, ePixelFormat::kX8R8G8B8};
    return true;
  }
  if (bpp == 16) {
    *out = windowed ? D3DModeFormats{D3DFMT_A1R5G5B5, D3DFMT_A1R5G5B5, ePixelFormat::kA1R5G5B5, ePixelFormat::kA1R5G5B5}
                    : D3DModeFormats{D3DFMT_R5G6B5, D3DFMT_A1R5G5B5, ePixelFormat::kA1R5G5B5, ePixelFormat::kR5G6B5};
    return true;
  }
  return false;
}

const char* BackBufferFormatName(int32_t format) {
  switch (format) {
    case D3DFMT_X8R8G8B8: return "X8R8G8B8";
    case D3DFMT_R5G6B5: return "R5G6B5";
    default: return "A1R5G5B5";
  }
}

bool CreateBackBufferD3D(int32_t width, int32_t height, ePixelFormat format) {
  if (!lpDevice->BackBuffer().Allocate(width, height, format)) {
    ReportLogBoth("Back CreateVertexBuffer Err %x", 0x8007000Eu);
    return false;
  }
  g_SDBackBuffer.AllocBacking();
  DTSURFACEDATA& dt = *g_SDBackBuffer.lpDT;
  g_SDBackBuffer.nWidth = g_SDBackBuffer.nTexWidth = width;
  g_SDBackBuffer.nHeight = g_SDBackBuffer.nTexHeight = height;
  g_SDBackBuffer.bSystemMemory = 0;
  dt.nMemoryType = DTMEMORYTYPE_VIDEO_RT;
  SetSurfaceName(g_SDBackBuffer.szName, "BackBuffer");
  dt.bColorKey = 0;
  dt.bRenderTarget = 1;
  dt.lpSurface = &lpDevice->BackBuffer();
  dt.d3dsd = {width, height};
  dt.nSurfaceId = 0;
  lpDTCon->nNextSurfaceId = 1;
  lpDTCon->nFontSerial = 0;
  return true;
}

void CreateRenderTexture(DDSURFACEDATA& sd, int32_t width, int32_t height, const char* name) {
  sd.AllocBacking();
  DDCreateSurface(&sd, width, height, 0, 0, DTMEMORYTYPE_VIDEO_RT, nullptr, 0);
  SetSurfaceName(sd.szName, name);
}

bool CreateDDSurface(DDSURFACEDATA& sd, int32_t width, int32_t height, ePixelFormat format) {
  sd.AllocBacking();
  auto surface = std::make_unique<cDirectDrawSurface>();
  if (!surface->Create(width, height, format, false)) return false;
  sd.lpDDS->lpDDSurface = std::move(surface);
  sd.nWidth = sd.nTexWidth = width;
  sd.nHeight = sd.nTexHeight = height;
  return true;
}

// Full screen: red and green ramps, entry 0 blue so a blank screen is seen.
void FullScreenStartPalette(std::array<PALETTEENTRY, 256>& entries) {
  for (int i = 0; i < 256; ++i) {
    const auto v = static_cast<uint8_t>(i);
    entries[static_cast<std::size_t>(i)] = {v, v, 0, PC_RESERVED};
  }
  entries[0].peBlue = 255;
}

// Window: the twenty system colours at both ends, the rest for the program.
void WindowStartPalette(std::array<PALETTEENTRY, 256>& entries) {
  for (int i = 0; i < 256; ++i) {
    const auto v = static_cast<uint8_t>(i);
    const bool system = i < 10 || i >= 246;
    entries[static_cast<std::size_t>(i)] =
        system ? PALETTEENTRY{v, 0, 0, PC_EXPLICIT} : PALETTEENTRY{v, v, 0, PC_RESERVED};
  }
}

bool CreateStartPalette(bool fullScreen) {
  std::array<PALETTEENTRY, 256> entries{};
  if (fullScreen) FullScreenStartPalette(entries);
  else WindowStartPalette(entries);
  g_lpDDPalette = new cDirectDrawPalette;
  g_lpDDPalette->SetEntries(0, 256, entries.data());
  return true;
}

void ReleaseSurfaceTable() {
  if (g_lpSurfaceTable == nullptr) return;
  for (int32_t i = 0; i < g_nSurfaceCount; ++i) DDReleaseSurface(&g_lpSurfaceTable[i]);
}

void ReleaseDirectDraw() {
  ReleaseSurfaceTable();
  ReleaseFlipChain();
  delete g_lpDDPalette;
  g_lpDDPalette = nullptr;
  DDReleaseSurface(&g_SDBackBuffer);
  DDReleaseSurface(&g_SDPrimary);
  DDReleaseSurface(&g_SDScreenCopy);
  if (cDirectDrawSurface::AliveCount() > 0) MesBox("解放漏れがあります", "DirectDraw", MB_ICONERROR);
  delete g_lpDD;
  g_lpDD = nullptr;
  delete lpDDCon;
  lpDDCon = nullptr;
}

void ReleaseDirect3D() {
  ReleaseSurfaceTable();
  DDReleaseSurface(&g_SDWork);
  DDReleaseSurface(&g_SDVirBackBuffer);
  DDReleaseSurface(&g_SDBackBuffer);
  delete lpDevice;
  lpDevice = nullptr;
  delete g_lpD3D;
  g_lpD3D = nullptr;
  delete lpDTCon;
  lpDTCon = nullptr;
}

bool DialogModeFromDevice(bool on) { return DDDialogBoxMode(on ? 1 : 0) != 0; }

// With the window framework's window the frames
// are shown; without one (tests, tools) they are only handed off.
void OpenPresenter(int32_t width, int32_t height, int32_t windowMode) {
  SetDialogModeSwitch(&DialogModeFromDevice);
  if (DisplayRenderer() == nullptr) return;
  g_FramePresenter.Open(DisplayRenderer(), width, height);
  SetMesBoxParentWindow(DisplayWindow());
  SDL_ShowCursor(windowMode == 0 ? SDL_DISABLE : SDL_ENABLE);
}

}  // namespace

int32_t DisplayWindowStyle() { return g_nWindowStyle; }

bool DDInit(int32_t bDirect3D, HWND hWnd, int32_t nWidth, int32_t nHeight, int32_t nBpp, int32_t bVSync,
            int32_t nWindowMode, int32_t nBackBufferCount, int32_t nRefreshRate, int32_t bUseRefreshRate,
            DDSURFACEDATA* lpSurfaceTable, const BITMAPDATA* lpBitmapTable, int32_t nSurfaceCount) {
  g_bDirect3D = bDirect3D;
  g_hWndDD = hWnd;
  g_nScreenWidth = nWidth;
  g_nScreenHeight = nHeight;
  g_nBpp = nBpp;
  g_nBytesPerPixel = nBpp / 8;
  g_bWindowMode = nWindowMode != 0 ? 1 : 0;
  g_nWindowStyle = nWindowMode;
  g_nBackBufferCount = nBackBufferCount;
  g_bVSync = bVSync;
  g_nRefreshRate = nRefreshRate;
  g_bUseRefreshRate = bUseRefreshRate;
  g_lpSurfaceTable = lpSurfaceTable;
  g_lpBitmapTable = lpBitmapTable;
  g_nSurfaceCount = nSurfaceCount;
  ReportLog("VSync : %d", bVSync);
  if (bDirect3D != 0) {
    if (DDInitD3D(hWnd, nWidth, nHeight, nBpp, nBackBufferCount) == 0) return false;
  } else {
    SetDirect3DPacing(false);
    // A failed Direct3D attempt may have filled the tables; DirectDraw has no alpha.
    g_PixelChannels = {};
    g_BackBufferChannels = {};
    lpDDCon = new DDCONDATA;
    const int32_t code = nWindowMode == 0 ? DDInitFullScreen(hWnd, nWidth, nHeight, nBpp, nBackBufferCount)
                                          : DDInitWindow(hWnd);
    if (!DDCheckInitResult(code)) return false;
  }
  OpenPresenter(nWidth, nHeight, nWindowMode);
  g_bDDInit = 1;
  return true;
}

int32_t DDInitD3D(HWND, int32_t nWidth, int32_t nHeight, int32_t nBpp, int32_t) {
  g_lpD3D = new cDirect3D;
  lpDTCon = new DTCONDATA;
  const bool windowed = g_bWindowMode.load() != 0;
  D3DPRESENT_PARAMETERS& pp = lpDTCon->d3dpp;
  pp.Windowed = windowed ? 1 : 0;
  if (windowed) {
    if (g_bVSync != 0) ReportLog("RefreshRate : %d", DesktopRefreshRate());
  } else {
    pp.BackBufferWidth = g_nScreenWidth;
    pp.BackBufferHeight = g_nScreenHeight;
    pp.FullScreen_RefreshRateInHz = 60;
  }
  pp.PresentationInterval = g_bVSync != 0 ? 0u : 0x80000000u;
  lpDTCon->nAdapter = 0;
  lpDTCon->nDeviceType = 1;
  lpDTCon->bPow2Only = (lpDTCon->d3dCaps.TextureCaps & D3DPTEXTURECAPS_POW2) != 0 ? 1 : 0;
  lpDTCon->bSquareOnly = (lpDTCon->d3dCaps.TextureCaps & D3DPTEXTURECAPS_SQUAREONLY) != 0 ? 1 : 0;
  lpDTCon->bDynamicTexture = (lpDTCon->d3dCaps.Caps2 & D3DCAPS2_DYNAMICTEXTURES) != 0 ? 1 : 0;
  D3DModeFormats formats{};
  if (!D3DFormatsFor(nBpp, windowed, &formats)) return 0;
  lpDTCon->fmtBackBuffer = formats.backBuffer;
  lpDTCon->fmtTexture = formats.texture;
  g_PixelChannels = ChannelsOf(formats.textureFormat);
  if (nBpp == 16) g_BackBufferChannels = ChannelsOf(formats.backFormat);
  pp.BackBufferFormat = formats.backBuffer;
  pp.BackBufferCount = 1;
  lpDevice = new cDirect3DDevice;
  lpDTCon->fmtDisplay = pp.BackBufferFormat;
  ReportLog("Device HAL-HARD");
  ReportLog("%s", BackBufferFormatName(formats.backBuffer));
  DDSetDefaultStates();
  DDResetDrawColor();
  DDResetColorOp();
  DDResetAlphaOp();
  if (!CreateBackBufferD3D(nWidth, nHeight, formats.backFormat)) return 0;
  g_SDVirBackBuffer.AllocBacking();
  DDSetVirBackBuffer(0);
  lpDTCon->bCopyVirBackBuffer = 0;
  CreateRenderTexture(g_SDVirBackBuffer, nWidth, nHeight, "VirBackBuffer");
  CreateRenderTexture(g_SDWork, nWidth, nHeight, "WorkSD");
  SetDirect3DPacing(true);
  return 1;
}

void DDSetDefaultStates() {
  // Alpha blending is always on and sampling is point with wrap addressing: the
  // quad renderer has exactly these states built in; only the factor resets.
  if (lpDevice != nullptr) lpDevice->SetTextureFactor(0xFFFFFFFF);
}

int32_t DDInitFullScreen(HWND, int32_t nWidth, int32_t nHeight, int32_t nBpp, int32_t) {
  g_SDScreenCopy.bSystemMemory = 1;
  g_SDPrimary.nWidth = g_SDBackBuffer.nWidth = g_SDScreenCopy.nWidth = nWidth;
  g_SDPrimary.nHeight = g_SDBackBuffer.nHeight = g_SDScreenCopy.nHeight = nHeight;
  g_SDPrimary.bSystemMemory = g_SDBackBuffer.bSystemMemory = 0;
  g_lpDD = new cDirectDraw;
  if (nBpp != 8 && nBpp != 16 && nBpp != 32) {
    ReportLogBoth("SetDisplayMode Err");
    return kInitSetDisplayModeErr;
  }
  if (!CreateDDSurface(g_SDPrimary, nWidth, nHeight, DisplayFormat())) {
    ReportLogBoth("Primary CreateSurface Err");
    return kInitCreateSurfaceErr;
  }
  if (!CreateDDSurface(g_SDBackBuffer, nWidth, nHeight, DisplayFormat())) {
    ReportLogBoth("GetAttachedSurface Err");
    return kInitGetAttachedSurfaceErr;
  }
  if (!DDCreateSurface(&g_SDScreenCopy, nWidth, nHeight, 0, 1, 0, nullptr, 0)) return kInitCreateSurfaceErr;
  CreateStartPalette(true);
  if (nBpp > 8) DDAnalyzePixelFormat(&g_PixelChannels);
  return 0;
}

int32_t DDInitWindow(HWND) {
  g_rcClient = {0, 0, g_nScreenWidth, g_nScreenHeight};
  const int32_t width = g_rcClient.right - g_rcClient.left;
  const int32_t height = g_rcClient.bottom - g_rcClient.top;
  g_SDPrimary.nWidth = g_SDBackBuffer.nWidth = g_SDScreenCopy.nWidth = width;
  g_SDPrimary.nHeight = g_SDBackBuffer.nHeight = g_SDScreenCopy.nHeight = height;
  g_SDScreenCopy.bSystemMemory = 1;
  g_nDesktopBpp = 32;
  g_lpDD = new cDirectDraw;
  if (!CreateDDSurface(g_SDPrimary, width, height, DisplayFormat())) {
    ReportLogBoth("Primary CreateSurface Err");
    return kInitCreateSurfaceErr;
  }
  if (g_nBpp.load() > 8) DDAnalyzePixelFormat(&g_PixelChannels);
  if (!DDCreateSurface(&g_SDBackBuffer, width, height, 0, 0, 0, nullptr, 0)) return kInitCreateSurfaceErr;
  if (!DDCreateSurface(&g_SDScreenCopy, width, height, 0, 1, 0, nullptr, 0)) return kInitCreateSurfaceErr;
  CreateStartPalette(false);
  return 0;
}

bool DDCheckInitResult(int32_t code) {
  static constexpr struct {
    int32_t code;
    const char* name;
  } kNames[] = {
      {kInitCreateExErr, "CREATEEX_ERR"},
      {kInitSetCoopLevelErr, "SETCOOPLEVEL_ERR"},
      {kInitSetDisplayModeErr, "SETDISPLAYMODE_ERR"},
      {kInitCreateSurfaceErr, "CREATESURFACE_ERR"},
      {kInitGetAttachedSurfaceErr, "GETATTACHEDSURFACE_ERR"},
      {kInitCreatePaletteErr, "CREATEPALETTE_ERR"},
      {kInitSetPaletteErr, "SETPALETTE_ERR"},
      {kInitClipperErr, "CLIPPER_ERR"},
      {kInitSetHWndErr, "SETHWND_ERR"},
      {kInitSetClipperErr, "SETCLIPPER_ERR"},
  };
  for (const auto& entry : kNames) {
    if (entry.code == code) {
      EcLog("%s", entry.name);
      return false;
    }
  }
  return true;
}

void DDAnalyzePixelFormat(PIXELCHANNELS* out) {
  if (lpDTCon != nullptr || out == nullptr || !g_SDPrimary.lpDDS || !g_SDPrimary.lpDDS->lpDDSurface) return;
  const ePixelFormat format = g_SDPrimary.lpDDS->lpDDSurface->Store().Format();
  const PIXELCHANNELS layout = ChannelsOf(format);
  const int32_t bits = BytesPerPixel(format) * 8;
  for (int32_t ch = kChRed; ch <= kChBlue; ++ch) {
    const uint32_t mask = static_cast<uint32_t>(layout.nMax[ch]) << layout.nShift[ch];
    int32_t shift = 0;
    while (shift < bits && ((mask >> shift) & 1u) == 0) ++shift;
    out->nShift[ch] = shift;
    out->nMax[ch] = static_cast<int32_t>(shift < 32 ? mask >> shift : 0);
  }
}

void DDReleaseAll() {
  g_FramePresenter.Close();
  if (DisplayWindow() != nullptr) SetMesBoxParentWindow(nullptr);
  SetDialogModeSwitch(nullptr);
  if (g_lpDD != nullptr) ReleaseDirectDraw();
  if (g_lpD3D != nullptr) ReleaseDirect3D();
  delete lpDTCon;
  delete lpDDCon;
  lpDTCon = nullptr;
  lpDDCon = nullptr;
}

void DDExit() { DDReleaseAll(); }
