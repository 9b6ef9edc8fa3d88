#include "platform/dd/surface_format.h"

#include "platform/dd/device_records.h"
#include "platform/dd/display_state.h"

namespace {
ePixelFormat g_displayFormat16 = ePixelFormat::kR5G6B5;
}  // namespace

ePixelFormat FormatOfD3D(int32_t d3dFormat) {
  switch (d3dFormat) {
    case D3DFMT_X8R8G8B8: return ePixelFormat::kX8R8G8B8;
    case D3DFMT_R5G6B5: return ePixelFormat::kR5G6B5;
    case D3DFMT_A1R5G5B5: return ePixelFormat::kA1R5G5B5;
    default: return ePixelFormat::kA8R8G8B8;
  }
}

ePixelFormat TextureFormat() {
  return lpDTCon != nullptr ? FormatOfD3D(lpDTCon->fmtTexture) : ePixelFormat::kA8R8G8B8;
}

ePixelFormat DisplayFormat() {
  switch (g_nBpp.load()) {
    case 8: return ePixelFormat::kP8;
    case 16: return g_displayFormat16;
    default: return ePixelFormat::kX8R8G8B8;
  }
}

void SetDisplayFormat16(ePixelFormat format) { g_displayFormat16 = format; }
