#include "platform/dd/virtual_back_buffer.h"

#include "platform/dd/blit.h"
#include "platform/dd/device_records.h"
#include "platform/dd/draw_state.h"
#include "platform/dd/screen_surfaces.h"

void DDSetVirBackBuffer(int32_t on) {
  if (lpDTCon == nullptr) return;
  const bool hasLevel = g_SDVirBackBuffer.lpDT && g_SDVirBackBuffer.lpDT->lpSurface != nullptr;
  if (on == 0 && lpDTCon->bVirBackBuffer != 0 && hasLevel) DDCopyVirBackBuffer(&g_SDBackBuffer, &g_SDVirBackBuffer);
  lpDTCon->bVirBackBuffer = on;
  lpDTCon->lpTargetSD = on != 0 ? &g_SDBackBuffer : &g_SDVirBackBuffer;
  if (lpDTCon->lpTargetSD->lpDT && lpDTCon->lpTargetSD->lpDT->lpSurface != nullptr) {
    DDSetRenderTarget(lpDTCon->lpTargetSD);
  }
}

int32_t DDRedirectBackBuffer(DDSURFACEDATA** lppSD) {
  if (lpDTCon == nullptr || lppSD == nullptr || *lppSD != &g_SDBackBuffer || lpDTCon->bVirBackBuffer == 0) return 0;
  *lppSD = &g_SDVirBackBuffer;
  return 1;
}

void DDCopyVirBackBuffer(DDSURFACEDATA* lpDstSD, DDSURFACEDATA* lpSrcSD) {
  if (lpDTCon == nullptr || lpSrcSD == nullptr) return;
  lpDTCon->bCopyVirBackBuffer = 1;
  DDSetAlphaOp(D3DTOP_DISABLE);
  DDBlt(lpDstSD, 0, 0, lpSrcSD->nWidth, lpSrcSD->nHeight, lpSrcSD, 0, 0, 0);
  DDResetAlphaOp();
  lpDTCon->bCopyVirBackBuffer = 0;
}
