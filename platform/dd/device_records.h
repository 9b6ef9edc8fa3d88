#pragma once
// The device records: DTCONDATA in Direct3D mode (lpDTCon), DDCONDATA in
// DirectDraw mode (lpDDCon). Exactly one is non-null while the library runs;
// every drawing function tests them to choose its path.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/dd/dd_objects.h"

struct DDSURFACEDATA;

// Texture and back-buffer format numbers, as the device names them.
inline constexpr int32_t D3DFMT_A8R8G8B8 = 21;
inline constexpr int32_t D3DFMT_X8R8G8B8 = 22;
inline constexpr int32_t D3DFMT_R5G6B5 = 23;
inline constexpr int32_t D3DFMT_A1R5G5B5 = 25;

// Stage-0 operations the library uses.
inline constexpr int32_t D3DTOP_DISABLE = 1;
inline constexpr int32_t D3DTOP_SELECTARG1 = 2;
inline constexpr int32_t D3DTOP_SELECTARG2 = 3;
inline constexpr int32_t D3DTOP_MODULATE = 4;
inline constexpr int32_t D3DTOP_ADD = 7;
inline constexpr int32_t D3DTOP_SUBTRACT = 10;
inline constexpr int32_t D3DTOP_BLENDFACTORALPHA = 14;

struct D3DPRESENT_PARAMETERS {
  int32_t BackBufferWidth = 0;
  int32_t BackBufferHeight = 0;
  int32_t BackBufferFormat = 0;
  int32_t BackBufferCount = 0;
  int32_t Windowed = 0;
  int32_t FullScreen_RefreshRateInHz = 0;
  uint32_t PresentationInterval = 0;
};

// What the card allows; no power-of-two or square limit here, tests set the flags.
struct D3DCAPS9 {
  uint32_t TextureCaps = 0;
  uint32_t Caps2 = 0;
  uint32_t Caps3 = 0;
  int32_t MaxTextureWidth = 16384;
  int32_t MaxTextureHeight = 16384;
};
inline constexpr uint32_t D3DPTEXTURECAPS_POW2 = 0x2;
inline constexpr uint32_t D3DPTEXTURECAPS_SQUAREONLY = 0x20;
inline constexpr uint32_t D3DCAPS2_DYNAMICTEXTURES = 0x20000000;

struct DTCONDATA {
  int32_t fmtBackBuffer = 0;
  int32_t fmtTexture = 0;
  D3DPRESENT_PARAMETERS d3dpp;
  uint32_t nAdapter = 0;
  int32_t nDeviceType = 0;
  int32_t fmtDisplay = 0;
  D3DCAPS9 d3dCaps;
  int32_t bPow2Only = 0;
  int32_t bSquareOnly = 0;
  int32_t bDynamicTexture = 0;
  int32_t bVirBackBuffer = 0;
  DDSURFACEDATA* lpTargetSD = nullptr;
  int32_t bCopyVirBackBuffer = 0;
  RGBTRIPLE rgbTransmit;
  RGBTRIPLE rgbTransmitKey;
  uint32_t dwTransmit_32 = 0;
  uint32_t dwTransmitBack_32 = 0;
  uint16_t wTransmit_16 = 0;
  uint16_t wTransmitBack_16 = 0;
  int32_t bInScene = 0;
  uint32_t dwDrawColor = 0xFFFFFFFF;
  int32_t nColorOp = D3DTOP_MODULATE;
  int32_t nAlphaOp = D3DTOP_MODULATE;
  int32_t nNextSurfaceId = 0;
  int32_t nFontSerial = 0;
  std::string strTextureError;
};

struct DDCONDATA {
  RGBTRIPLE rgbTransmit;
  RGBTRIPLE rgbTransmitKey;
  int32_t nFontSerial = 0;
};

extern DTCONDATA* lpDTCon;
extern DDCONDATA* lpDDCon;

// lpDevice: the Direct3D device. Its state is what the quad path reads besides
// the knobs: the render target, the texture factor, and whether it is lost.
class cDirect3DDevice {
 public:
  // The device's back buffer, the store of g_SDBackBuffer.
  cPixelStore& BackBuffer() { return m_backBuffer; }
  DDSURFACEDATA* RenderTarget() const { return m_lpRenderTarget; }
  void SetRenderTarget(DDSURFACEDATA* lpSD) { m_lpRenderTarget = lpSD; }
  uint32_t TextureFactor() const { return m_dwTextureFactor; }
  void SetTextureFactor(uint32_t factor) { m_dwTextureFactor = factor; }

  // D3DERR_DEVICELOST while lost, D3DERR_DEVICENOTRESET once it may be reset,
  // else 0; tests drive the loss.
  int32_t TestCooperativeLevel() const;
  void SimulateLoss() { m_nLoss = 1; }
  void SimulateResettable() { if (m_nLoss != 0) m_nLoss = 2; }
  // 0 when the device was resettable; the lost state ends.
  int32_t Reset();

 private:
  cPixelStore m_backBuffer;
  DDSURFACEDATA* m_lpRenderTarget = nullptr;
  uint32_t m_dwTextureFactor = 0xFFFFFFFF;
  int32_t m_nLoss = 0;  // 0 fine, 1 lost, 2 may be reset
};

inline constexpr int32_t D3DERR_DEVICELOST = static_cast<int32_t>(0x88760868u);
inline constexpr int32_t D3DERR_DEVICENOTRESET = static_cast<int32_t>(0x88760869u);
inline constexpr int32_t D3DERR_INVALIDCALL = static_cast<int32_t>(0x8876086Cu);

extern cDirect3DDevice* lpDevice;

// g_lpD3D: the Direct3D object; present in Direct3D mode.
class cDirect3D {};
extern cDirect3D* g_lpD3D;

extern cDirectDraw* g_lpDD;
extern cDirectDrawPalette* g_lpDDPalette;
