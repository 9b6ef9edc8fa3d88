#include "platform/dd/screen_fade.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/dd/blit.h"
#include "platform/dd/dd_objects.h"
#include "platform/dd/device_records.h"
#include "platform/dd/display_state.h"
#include "platform/dd/draw_state.h"
#include "platform/dd/effect_surfaces.h"
#include "platform/dd/fade_unpal.h"
#include "platform/dd/palette_effects.h"
#include "platform/dd/quad_render.h"
#include "platform/dd/screen_surfaces.h"
#include "platform/dd/surface_data.h"

namespace screen_fade {

constexpr double kPictureAngle = 90.0;  // sin 1: the picture alone
constexpr double kColourAngle = 0.0;    // sin 0: the colour alone

// One direction of fade: where its angle starts and where it ends.
struct cFadeDirection {
  double start;
  double end;
};
constexpr cFadeDirection kOut{kPictureAngle, kColourAngle};
constexpr cFadeDirection kIn{kColourAngle, kPictureAngle};

// The four angles, one per direction and renderer; only the running
// renderer's pair moves.
double g_fadeOutDirectDraw = kOut.start;
double g_fadeInDirectDraw = kIn.start;
double g_fadeOutDirect3D = kOut.start;
double g_fadeInDirect3D = kIn.start;

double SinDegrees(double angle) { return std::sin(angle * std::numbers::pi / 180.0); }

// The black cover over the whole back buffer; false when the device refused.
bool DrawCover(double angle) {
  DDSURFACEDATA* back = ResolveEffectSurface(&g_SDBackBuffer);
  if (back == nullptr || DDBeginScene() == 0 || DDSetRenderTarget(back) == 0) return false;
  const auto alpha = static_cast<uint32_t>(255 - static_cast<int32_t>(std::trunc(255.0 * SinDegrees(angle))));
  if (cPixelStore* store = back->Pixels()) DrawColourQuad(*store, {0, 0, back->nWidth, back->nHeight}, alpha << 24);
  DDSetRenderTarget(lpDTCon->lpTargetSD);
  return true;
}

struct cFadeCall {
  PALETTEENTRY* lpOut;
  int32_t first, last;
  uint8_t red, green, blue;
  const PALETTEENTRY* lpSrc;
};

void DrawWeighted(const cFadeCall& call, double angle) {
  const auto a = static_cast<int32_t>(std::trunc(256.0 * SinDegrees(angle)));
  if (g_nBpp.load() == 8) {
    if (call.lpOut == nullptr || call.lpSrc == nullptr) return;
    DDPalBlend(call.lpOut, call.first, call.last, a, call.red, call.green, call.blue, call.lpSrc);
    const int32_t first = std::clamp(call.first, 0, 255), last = std::clamp(call.last, 0, 255);
    if (g_lpDDPalette != nullptr && first <= last) g_lpDDPalette->SetEntries(first, last - first + 1, call.lpOut + first);
    return;
  }
  DDFade_UnPal(&g_SDBackBuffer, a, call.red, call.green, call.blue, &g_SDScreenCopy);
}

// One step of a fade in either direction with its angle.
int32_t FadeStep(const cFadeDirection& dir, double& angle, const cFadeCall& call, double step, int32_t bFinish) {
  if (lpDTCon != nullptr) {
    if (bFinish != 0) angle = dir.end;
    if (!DrawCover(angle)) return 0;
  } else if (lpDDCon != nullptr) {
    if (angle == dir.start && g_nBpp.load() != 8) {
      DDBlt(&g_SDScreenCopy, 0, 0, g_SDBackBuffer.nWidth, g_SDBackBuffer.nHeight, &g_SDBackBuffer, 0, 0, 0);
    }
    if (bFinish != 0) angle = dir.end;
    DrawWeighted(call, angle);
  } else {
    return 0;
  }
  const bool down = dir.end < dir.start;
  if (down ? angle <= dir.end : angle >= dir.end) {
    angle = dir.start;
    return 1;
  }
  angle = down ? std::max(angle - step, dir.end) : std::min(angle + step, dir.end);
  return 0;
}

}  // namespace screen_fade

int32_t DDFadeOut(PALETTEENTRY* lpOut, int32_t first, int32_t last, uint8_t red, uint8_t green, uint8_t blue,
                  double step, const PALETTEENTRY* lpSrc, int32_t bFinish) {
  using namespace screen_fade;
  double& angle = lpDTCon != nullptr ? g_fadeOutDirect3D : g_fadeOutDirectDraw;
  return FadeStep(kOut, angle, {lpOut, first, last, red, green, blue, lpSrc}, step, bFinish);
}

int32_t DDFadeIn(PALETTEENTRY* lpOut, int32_t first, int32_t last, uint8_t red, uint8_t green, uint8_t blue,
                 double step, const PALETTEENTRY* lpSrc, int32_t bFinish) {
  using namespace screen_fade;
  double& angle = lpDTCon != nullptr ? g_fadeInDirect3D : g_fadeInDirectDraw;
  return FadeStep(kIn, angle, {lpOut, first, last, red, green, blue, lpSrc}, step, bFinish);
}
