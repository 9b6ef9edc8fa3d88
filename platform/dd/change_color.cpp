#include "platform/dd/change_color.h"

#include <algorithm>

#include "core/log/ec_log.h"
#include "platform/dd/device_records.h"
#include "platform/dd/effect_surfaces.h"
#include "platform/dd/mix_blit.h"
#include "platform/dd/quad_draw.h"
#include "platform/dd/surface_data.h"

int32_t DDChangeColorBlt(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t nWidth, int32_t nHeight,
                         DDSURFACEDATA* lpSrcSD, int32_t nAlpha, uint8_t bRed, uint8_t bGreen, uint8_t bBlue) {
  if (lpDTCon == nullptr) {
    EcLog("DDrawでは DDChangeColor(DDSURFACEDATA *lpDstSD,int x,int y,int nWidth,int nHeight,int nAlpha,BYTE bRed,"
          "BYTE bGreen,BYTE bBlue) は未対応");
    return 1;
  }
  if (lpDstSD == nullptr || lpSrcSD == nullptr) return 1;
  // nAlpha is shifted into the colour's alpha byte: out of range it would spill.
  const auto alpha = static_cast<uint32_t>(255 - std::clamp(nAlpha, 0, 255));
  const uint32_t diffuse = alpha << 24 | static_cast<uint32_t>(bRed) << 16 | static_cast<uint32_t>(bGreen) << 8 | bBlue;
  // No mirror adjustment: the tint reads the texture where it draws.
  cMixBlit blit{ResolveEffectSurface(lpDstSD), ResolveEffectSurface(lpSrcSD), {x, y, nWidth, nHeight},
                {x, y, nWidth, nHeight}};
  if (blit.lpDstSD == nullptr || blit.lpSrcSD == nullptr || blit.lpDstSD->Pixels() == nullptr) return 1;
  DrawMixQuad(blit, {diffuse, D3DTOP_MODULATE, D3DTOP_MODULATE});
  return 1;
}

int32_t DDChangeColor(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t nWidth, int32_t nHeight, int32_t nAlpha,
                      uint8_t bRed, uint8_t bGreen, uint8_t bBlue) {
  return DDChangeColorBlt(lpDstSD, x, y, nWidth, nHeight, lpDstSD, nAlpha, bRed, bGreen, bBlue);
}
