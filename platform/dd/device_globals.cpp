// The configuration, device records and palette globals of the surface library.
#include "platform/dd/device_config.h"
#include "platform/dd/device_records.h"
#include "platform/dd/palette.h"

int32_t g_bDirect3D = 0;
HWND g_hWndDD = nullptr;
int32_t g_nScreenWidth = 0;
int32_t g_nScreenHeight = 0;
int32_t g_nBytesPerPixel = 0;
int32_t g_nBackBufferCount = 0;
int32_t g_bVSync = 0;
int32_t g_nRefreshRate = 0;
int32_t g_bUseRefreshRate = 0;
DDSURFACEDATA* g_lpSurfaceTable = nullptr;
const BITMAPDATA* g_lpBitmapTable = nullptr;
int32_t g_nSurfaceCount = 0;
PIXELCHANNELS g_PixelChannels;
PIXELCHANNELS g_BackBufferChannels;
RECT g_rcClient;
int32_t g_nDesktopBpp = 32;

DTCONDATA* lpDTCon = nullptr;
DDCONDATA* lpDDCon = nullptr;
cDirect3DDevice* lpDevice = nullptr;
cDirect3D* g_lpD3D = nullptr;
cDirectDraw* g_lpDD = nullptr;
cDirectDrawPalette* g_lpDDPalette = nullptr;

constinit std::array<PALETTEENTRY, 256> g_Palette{};
constinit std::array<PALETTEENTRY, 256> g_PaletteWork{};
uint32_t g_dwColorKey = 0;

int32_t cDirect3DDevice::TestCooperativeLevel() const {
  switch (m_nLoss) {
    case 1: return D3DERR_DEVICELOST;
    case 2: return D3DERR_DEVICENOTRESET;
    default: return 0;
  }
}

int32_t cDirect3DDevice::Reset() {
  if (m_nLoss == 1) return D3DERR_DEVICELOST;
  m_nLoss = 0;
  return 0;
}
