#include "platform/dd/draw_state.h"

#include "core/log/report_log.h"
#include "platform/dd/device_records.h"
#include "platform/dd/surface_data.h"

int32_t DDBeginScene() {
  if (lpDTCon == nullptr || lpDevice == nullptr) return 0;
  lpDTCon->bInScene = 1;
  return 1;
}

void DDEndScene() {
  if (lpDTCon != nullptr && lpDevice != nullptr) lpDTCon->bInScene = 0;
}

int32_t DDSetRenderTarget(DDSURFACEDATA* lpSD) {
  if (lpDevice == nullptr || lpSD == nullptr || !lpSD->lpDT || lpSD->lpDT->bRenderTarget == 0) return 0;
  if (lpSD->lpDT->lpSurface == nullptr) {
    ReportLogBoth("SetRenderTarget Err %x (%s)", static_cast<unsigned>(D3DERR_INVALIDCALL), lpSD->szFileName);
    return 0;
  }
  lpDevice->SetRenderTarget(lpSD);
  return 1;
}

void DDSetDrawColor(uint32_t color) {
  if (lpDTCon != nullptr) lpDTCon->dwDrawColor = color;
}
void DDSetColorOp(int32_t op) {
  if (lpDTCon != nullptr) lpDTCon->nColorOp = op;
}
void DDSetAlphaOp(int32_t op) {
  if (lpDTCon != nullptr) lpDTCon->nAlphaOp = op;
}
void DDResetDrawColor() { DDSetDrawColor(0xFFFFFFFF); }
void DDResetColorOp() { DDSetColorOp(D3DTOP_MODULATE); }
void DDResetAlphaOp() { DDSetAlphaOp(D3DTOP_SELECTARG1); }
