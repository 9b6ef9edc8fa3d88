#include "platform/dd/quad_draw.h"

#include "platform/dd/device_config.h"
#include "platform/dd/device_records.h"
#include "platform/dd/display_state.h"
#include "platform/dd/draw_batches.h"
#include "platform/dd/draw_state.h"
#include "platform/dd/quad_render.h"
#include "platform/dd/screen_surfaces.h"
#include "platform/dd/surface_data.h"

namespace {

// The colour a transparent texel shows after an unkeyed copy: the back buffer's
// opaque transparent colour, transparent black elsewhere.
uint32_t TransparentFormFor(const DDSURFACEDATA* lpDstSD) {
  if (lpDstSD != &g_SDBackBuffer) {
    return g_nBpp.load() == 16 ? PixelToArgb(lpDTCon->wTransmit_16, ePixelFormat::kA1R5G5B5) & 0x00FFFFFFu
                               : lpDTCon->dwTransmit_32;
  }
  return g_nBpp.load() == 16 ? PixelToArgb(lpDTCon->wTransmitBack_16, ePixelFormat::kA1R5G5B5)
                             : lpDTCon->dwTransmitBack_32;
}

const cPixelStore* TextureOf(const DDSURFACEDATA* lpSD) {
  return lpSD->lpDT && lpSD->lpDT->lpTexture ? &lpSD->lpDT->lpTexture->Store() : nullptr;
}

}  // namespace

cQuadKnobs CurrentKnobs() {
  if (lpDTCon == nullptr) return {};
  return {lpDTCon->dwDrawColor, lpDTCon->nColorOp, lpDTCon->nAlphaOp};
}

int32_t DrawSurfaceQuad(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h,
                        DDSURFACEDATA* lpSrcSD, int32_t sx, int32_t sy, int32_t sw, int32_t sh, int32_t flags,
                        const cQuadKnobs& knobs) {
  if (lpDTCon == nullptr || lpDstSD == nullptr || lpSrcSD == nullptr || !lpSrcSD->lpDT) return 0;
  cPixelStore* target = lpDstSD->Pixels();
  if (target == nullptr) return 0;
  if (DDBeginScene() == 0 || DDSetRenderTarget(lpDstSD) == 0) return 0;
  if (flags == 0 && lpSrcSD->lpDT->bColorKey != 0) ClearRect(*target, {x, y, w, h}, TransparentFormFor(lpDstSD));
  const cQuadStage stage{.dwDiffuse = knobs.dwDrawColor,
                         .nColorOp = knobs.nColorOp,
                         .nAlphaOp = knobs.nAlphaOp,
                         .dwFactor = lpDevice->TextureFactor()};
  DrawTexturedQuad(*target, {x, y, w, h}, TextureOf(lpSrcSD), {sx, sy, sw, sh}, stage);
  DDSetRenderTarget(lpDTCon->lpTargetSD);
  return 1;
}

void DrawBatchedQuad(const SPRITEBATCHDATA& r) {
  DrawSurfaceQuad(r.lpDstSD, r.x, r.y, r.w, r.h, r.lpSrcSD, r.sx, r.sy, r.sw, r.sh, r.nFlags,
                  {r.dwDrawColor, r.nColorOp, r.nAlphaOp});
}

void DrawFillQuad(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t color) {
  cPixelStore* target = lpDstSD != nullptr ? lpDstSD->Pixels() : nullptr;
  if (target == nullptr || lpDevice == nullptr) return;
  lpDevice->SetTextureFactor(color);
  DrawColourQuad(*target, {x, y, w, h}, color);
}
