#include "platform/dd/surface_create.h"

#include <cstring>

#include "core/log/ec_log.h"
#include "core/log/report_log.h"
#include "core/mesbox/error_mesbox.h"
#include "platform/dd/device_config.h"
#include "platform/dd/device_records.h"
#include "platform/dd/fill.h"
#include "platform/dd/palette.h"
#include "platform/dd/surface_data.h"
#include "platform/dd/surface_format.h"
#include "platform/dd/surface_list.h"

namespace {

uint32_t NextPowerOfTwo(uint32_t v) {
  if (v == 0 || (v & (v - 1)) == 0) return v;
  uint32_t high = 1;
  while (high <= v / 2) high <<= 1;
  return high << 1;
}

// A texture that cannot be made at run time ends the program: the user is told
// with the start-up's text and the main window is asked to close.
void TextureCreationFatal(const char* line) {
  ReportLogBoth("%s", line);
  if (lpDTCon != nullptr && !lpDTCon->strTextureError.empty()) {
    ErrMesBoxF("%s", lpDTCon->strTextureError.c_str());
  }
  PostMessage(g_hWnd, WM_CLOSE, 0, 0);
}

bool CreateMirrorView(DDSURFACEDATA* lpSD, int32_t w, int32_t h, int32_t bSystemMemory,
                      DDSURFACEDATA* lpShareSD) {
  lpSD->nWidth = lpSD->nTexWidth = w;
  lpSD->nHeight = lpSD->nTexHeight = h;
  lpSD->bSystemMemory = bSystemMemory;
  lpSD->lpDT->nShareId = lpShareSD->lpDT ? lpShareSD->lpDT->nSurfaceId : -1;
  return true;
}

bool CreateSurfaceD3D(DDSURFACEDATA* lpSD, int32_t w, int32_t h, int32_t bColorKey, int32_t bSystemMemory,
                      int32_t nMemoryType, DDSURFACEDATA* lpShareSD, int32_t bRestore) {
  lpSD->AllocBacking();
  DTSURFACEDATA& dt = *lpSD->lpDT;
  if (bRestore == 0) {
    ForgetListEntry(lpSD);
    SetSurfaceName(lpSD->szName, "OffScreen");
    SetSurfaceName(lpSD->szFileName, "E");
    dt.nMemoryType = nMemoryType;
    dt.lpSurface = nullptr;
    dt.lpTexture.reset();
    dt.bColorKey = bColorKey == 1 ? 1 : 0;
    if (lpShareSD == nullptr) dt.nSurfaceId = lpDTCon->nNextSurfaceId++;
  }
  if (lpShareSD != nullptr) return CreateMirrorView(lpSD, w, h, bSystemMemory, lpShareSD);
  if (w < 1 || h < 1) return false;

  int32_t texW = w, texH = h;
  DDFitTextureSize(&texW, &texH);
  if (!DDCheckTextureSize(texW, texH)) {
    ReportLogBoth("上記の理由でテクスチャの描画が失敗する可能性があります。(空)");
  }
  if (dt.nMemoryType == DTMEMORYTYPE_VIDEO_NORT) dt.nMemoryType = DTMEMORYTYPE_VIDEO_RT;
  // A system-memory texture survives a device loss: restoring keeps it.
  const bool keepTexture = dt.nMemoryType == DTMEMORYTYPE_SYSTEM && bRestore != 0 && dt.lpTexture;
  if (!keepTexture) {
    dt.bRenderTarget = dt.nMemoryType == DTMEMORYTYPE_VIDEO_RT ? 1 : 0;
    auto texture = std::make_unique<cTexture>();
    if (!texture->Create(texW, texH, TextureFormat())) {
      TextureCreationFatal("D3DXCreateTexture Err hr = 8007000e");
      return false;
    }
    dt.lpTexture = std::move(texture);
  }
  dt.lpSurface = &dt.lpTexture->Store();
  dt.d3dsd = {dt.lpSurface->Width(), dt.lpSurface->Height()};
  lpSD->nWidth = w;
  lpSD->nHeight = h;
  lpSD->nTexWidth = dt.d3dsd.Width;
  lpSD->nTexHeight = dt.d3dsd.Height;
  if (dt.bRenderTarget != 0) {
    dt.lpSurface->FillRect(0, 0, texW, texH, ArgbToPixel(lpDTCon->dwTransmitBack_32, dt.lpSurface->Format()));
  }
  if (bRestore == 0) g_DTSurfaceList.Add(dt.nSurfaceId, lpSD);
  return true;
}

bool CreateSurfaceDD(DDSURFACEDATA* lpSD, int32_t w, int32_t h, int32_t bColorKey, int32_t bSystemMemory) {
  lpSD->AllocBacking();
  auto surface = std::make_unique<cDirectDrawSurface>();
  bool systemMemory = bSystemMemory != 0;
  if (!surface->Create(w, h, DisplayFormat(), systemMemory)) {
    if (systemMemory) {
      ReportLogBoth("CreateSurface System Err");
      return false;
    }
    systemMemory = true;
    if (!surface->Create(w, h, DisplayFormat(), systemMemory)) {
      ReportLogBoth("CreateSurface Video -> System Err");
      return false;
    }
  }
  if (bColorKey == 1) surface->SetColorKey(g_dwColorKey);
  lpSD->lpDDS->lpDDSurface = std::move(surface);
  lpSD->nWidth = lpSD->nTexWidth = w;
  lpSD->nHeight = lpSD->nTexHeight = h;
  lpSD->bSystemMemory = systemMemory ? 1 : 0;
  DDFillRect(lpSD, 0, 0, w, h, 0);
  return true;
}

}  // namespace

void ForgetListEntry(DDSURFACEDATA* lpSD) {
  if (lpSD->lpDT && g_DTSurfaceList.Find(lpSD->lpDT->nSurfaceId) == lpSD) g_DTSurfaceList.Remove(lpSD->lpDT->nSurfaceId);
}

bool SetSurfaceName(char (&field)[260], const char* text) {
  const std::size_t length = std::strlen(text);
  if (length >= sizeof field) {
    field[0] = '\0';
    return false;
  }
  std::memcpy(field, text, length + 1);
  return true;
}

bool DDCreateSurface(DDSURFACEDATA* lpSD, int32_t nWidth, int32_t nHeight, int32_t bColorKey,
                     int32_t bSystemMemory, int32_t nMemoryType, DDSURFACEDATA* lpShareSD, int32_t bRestore) {
  if (lpSD == nullptr) return false;
  if (lpDTCon != nullptr) {
    return CreateSurfaceD3D(lpSD, nWidth, nHeight, bColorKey, bSystemMemory, nMemoryType, lpShareSD, bRestore);
  }
  if (lpDDCon != nullptr) return CreateSurfaceDD(lpSD, nWidth, nHeight, bColorKey, bSystemMemory);
  return false;
}

void DDDestroySurface(DDSURFACEDATA* lpSD) {
  if (lpSD == nullptr) return;
  if (lpSD->lpDT) {
    DTSURFACEDATA& dt = *lpSD->lpDT;
    if (lpSD->lpShareSD == nullptr || dt.lpTexture) {
      if (dt.lpTexture) ForgetListEntry(lpSD);
    }
    lpSD->lpDT.reset();
  }
  lpSD->lpDDS.reset();
}

void DDFitTextureSize(int32_t* w, int32_t* h) {
  if (lpDTCon == nullptr || w == nullptr || h == nullptr) return;
  if (lpDTCon->bPow2Only != 0) {
    *w = static_cast<int32_t>(NextPowerOfTwo(static_cast<uint32_t>(*w)));
    *h = static_cast<int32_t>(NextPowerOfTwo(static_cast<uint32_t>(*h)));
  }
  if (lpDTCon->bSquareOnly != 0) {
    if (*w < *h) *w = *h;
    else *h = *w;
  }
}

bool DDCheckTextureSize(int32_t w, int32_t h) {
  if (lpDTCon == nullptr) return true;
  bool fits = true;
  if (w > lpDTCon->d3dCaps.MaxTextureWidth) {
    ReportLogBoth("このビデオカードでは横幅%dを超える画像はサポートされていません！", lpDTCon->d3dCaps.MaxTextureWidth);
    fits = false;
  }
  if (h > lpDTCon->d3dCaps.MaxTextureHeight) {
    ReportLogBoth("このビデオカードでは縦幅%dを超える画像はサポートされていません！", lpDTCon->d3dCaps.MaxTextureHeight);
    fits = false;
  }
  return fits;
}

bool DDCheckCreateResult(int32_t code) {
  switch (code) {
    case kCreateOk: return true;
    case kCreateSurfaceErr: EcLog("CREATESURFACE_ERR"); return false;
    case kLoadImageErr: EcLog("LOADIMAGE_ERR"); return false;
    case kSetColorKeyErr: EcLog("SETCOLORKEY_ERR"); return false;
    default: return false;
  }
}
