#include "platform/dd/surface_recovery.h"

#include <cstring>
#include <vector>

#include "core/log/ec_log.h"
#include "platform/dd/dd_init.h"
#include "platform/dd/frame_presenter.h"
#include "platform/dd/device_config.h"
#include "platform/dd/device_records.h"
#include "platform/dd/display_state.h"
#include "platform/dd/palette.h"
#include "platform/dd/screen_surfaces.h"
#include "platform/dd/surface_create.h"
#include "platform/dd/surface_from_file.h"
#include "platform/dd/surface_list.h"

namespace {

FontRestoreHook g_onFontsLost = nullptr;
FontRestoreHook g_restoreFonts = nullptr;

bool NamesPicture(const char* file) { return file[0] != '\0' && std::strcmp(file, "E") != 0; }

// The listed surfaces, taken before the walk: re-creating a mirrored sheet
// lists and unlists a temporary surface.
std::vector<DDSURFACEDATA*> ListedSurfaces() {
  std::vector<DDSURFACEDATA*> surfaces;
  g_DTSurfaceList.ForEach([&surfaces](DDSURFACEDATA& sd) { surfaces.push_back(&sd); });
  return surfaces;
}

void RecreateSurface(DDSURFACEDATA& sd) {
  const DTSURFACEDATA& dt = *sd.lpDT;
  if (NamesPicture(sd.szFileName)) {
    const std::string file = sd.szFileName;
    if (DDCreateSurfaceFromFile(&sd, file.c_str(), dt.bColorKey, g_nBpp.load(), sd.bSystemMemory, dt.nMemoryType,
                                sd.lpShareSD, 0, sd.nMirrorCellW, sd.nMirrorCellH, 1) != 0) {
      EcLog("Err");
    }
    return;
  }
  if (!DDCreateSurface(&sd, sd.nWidth, sd.nHeight, dt.bColorKey, sd.bSystemMemory, dt.nMemoryType, sd.lpShareSD, 1)) {
    EcLog("Err");
  }
  sd.bLost = 1;
}

bool IsLostDD(const DDSURFACEDATA& sd) {
  return sd.lpDDS && sd.lpDDS->lpDDSurface && sd.lpDDS->lpDDSurface->IsLost() == DDERR_SURFACELOST;
}

}  // namespace

void SetFontRestoreHooks(FontRestoreHook onLostDevice, FontRestoreHook restore) {
  g_onFontsLost = onLostDevice;
  g_restoreFonts = restore;
}

int32_t DDRestoreSurface() {
  EcLog("Restore In");
  if (lpDTCon == nullptr || lpDevice == nullptr) {
    EcLog("DDではDDRestoreSurfaceは未対応");
    return 1;
  }
  for (DDSURFACEDATA* sd : ListedSurfaces()) {
    if (sd->lpDT->nMemoryType == DTMEMORYTYPE_SYSTEM) continue;
    sd->lpDT->lpTexture.reset();
    sd->lpDT->lpSurface = nullptr;
  }
  if (g_onFontsLost != nullptr) g_onFontsLost();
  if (g_SDBackBuffer.lpDT) g_SDBackBuffer.lpDT->lpSurface = nullptr;
  if (lpDevice->TestCooperativeLevel() != D3DERR_DEVICENOTRESET) {
    EcLog("復旧失敗…リセット可能な状態ではありません…");
    return 0;
  }
  if (lpDevice->Reset() != 0) return 0;
  DDSetDefaultStates();
  if (g_SDBackBuffer.lpDT) g_SDBackBuffer.lpDT->lpSurface = &lpDevice->BackBuffer();
  for (DDSURFACEDATA* sd : ListedSurfaces()) RecreateSurface(*sd);
  if (g_restoreFonts != nullptr) g_restoreFonts();
  if (g_bWindowMode.load() == 0 && DisplayWindow() != nullptr) SDL_RestoreWindow(DisplayWindow());
  EcLog("Restore Out");
  return 1;
}

bool DDRestore() {
  if (lpDTCon != nullptr) {
    EcLog("D3DではDDRestoreは未対応");
    return true;
  }
  if (!IsLostDD(g_SDPrimary)) return true;
  g_SDPrimary.lpDDS->lpDDSurface->Restore();
  if (IsLostDD(g_SDBackBuffer)) g_SDBackBuffer.lpDDS->lpDDSurface->Restore();
  for (int32_t i = 0; g_lpSurfaceTable != nullptr && i < g_nSurfaceCount; ++i) {
    DDSURFACEDATA& sd = g_lpSurfaceTable[i];
    if (!IsLostDD(sd)) continue;
    sd.lpDDS->lpDDSurface->Restore();
    if (sd.bSystemMemory != 0) continue;
    if (NamesPicture(sd.szFileName)) DDReloadBitmap(&sd, g_nBpp.load());
    else sd.bLost = 1;
  }
  if (g_nBpp.load() == 8 && g_lpDDPalette != nullptr) g_lpDDPalette->SetEntries(0, 256, g_PaletteWork.data());
  if (g_restoreFonts != nullptr) g_restoreFonts();
  return true;
}

void SimulateDeviceLoss() {
  if (lpDevice == nullptr) return;
  lpDevice->SimulateLoss();
  lpDevice->BackBuffer().FillRect(0, 0, lpDevice->BackBuffer().Width(), lpDevice->BackBuffer().Height(), 0);
  g_DTSurfaceList.ForEach([](DDSURFACEDATA& sd) {
    if (sd.lpDT->bRenderTarget != 0 && sd.lpDT->lpSurface != nullptr) {
      sd.lpDT->lpSurface->FillRect(0, 0, sd.lpDT->lpSurface->Width(), sd.lpDT->lpSurface->Height(), 0);
    }
  });
}

void SimulateDeviceResettable() {
  if (lpDevice != nullptr) lpDevice->SimulateResettable();
}

void SimulateDirectDrawLoss() { cDirectDrawSurface::SimulateLossOfAll(); }
