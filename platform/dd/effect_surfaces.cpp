#include "platform/dd/effect_surfaces.h"

#include <algorithm>

#include "platform/dd/blit.h"
#include "platform/dd/device_config.h"
#include "platform/dd/device_records.h"
#include "platform/dd/screen_surfaces.h"
#include "platform/dd/surface_data.h"
#include "platform/dd/virtual_back_buffer.h"

DDSURFACEDATA* ResolveEffectSurface(DDSURFACEDATA* lpSD) {
  if (lpDTCon == nullptr) return lpSD;
  DDResolveShareSD(&lpSD);
  DDRedirectBackBuffer(&lpSD);
  return lpSD;
}

int32_t UsableWidth(const DDSURFACEDATA& sd) {
  const cPixelStore* store = sd.Pixels();
  return store != nullptr ? std::min(sd.nWidth, store->Width()) : 0;
}

int32_t UsableHeight(const DDSURFACEDATA& sd) {
  const cPixelStore* store = sd.Pixels();
  return store != nullptr ? std::min(sd.nHeight, store->Height()) : 0;
}

cD3D16Out cD3D16Out::For(const DDSURFACEDATA* lpDstSD) {
  const bool back = DDIsFullScreenBackBuffer(lpDstSD);
  return {back ? g_BackBufferChannels : g_PixelChannels, back};
}

uint16_t cD3D16Out::Compose(uint32_t r, uint32_t g, uint32_t b) const {
  const auto limit = [this](uint32_t v, int32_t ch) { return std::min(v, static_cast<uint32_t>(channels.nMax[ch])); };
  const uint32_t alpha = bBackBuffer ? 0u : static_cast<uint32_t>(channels.nMax[kChAlpha]);
  return static_cast<uint16_t>(ComposePixel(channels, limit(r, kChRed), limit(g, kChGreen), limit(b, kChBlue), alpha));
}
