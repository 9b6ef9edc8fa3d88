#include "platform/dd/fade_unpal.h"

#include <algorithm>

#include "core/log/ec_log.h"
#include "platform/dd/channel_scale.h"
#include "platform/dd/device_config.h"
#include "platform/dd/device_records.h"
#include "platform/dd/display_state.h"
#include "platform/dd/pixel_draw.h"
#include "platform/dd/pixel_pair_walk.h"
#include "platform/dd/surface_data.h"

namespace fade_unpal {

constexpr int32_t kFullWeight = 256;

// Per-channel mix tables: mix[v] = (k (256 - a) + v a) >> 8 for v in 0..255.
struct cFadeMix {
  uint8_t mix[3][256];
  cFadeMix(int32_t a, const uint8_t (&k)[3]) {
    for (int32_t ch = 0; ch < 3; ++ch) {
      for (int32_t v = 0; v < 256; ++v) mix[ch][v] = static_cast<uint8_t>((k[ch] * (kFullWeight - a) + v * a) >> 8);
    }
  }
};

void Fade(cPixelStore& dst, const cPixelStore& src, const cPixelPairWalk& walk, const cFadeMix& m) {
  if (g_nBpp.load() == 32) {
    WalkPixelPairs<uint32_t, uint32_t>(dst, src, walk, [&m](uint32_t s, uint32_t& d) {
      d = (d & 0xFF000000u) | static_cast<uint32_t>(m.mix[kChRed][(s >> 16) & 0xFF]) << 16 |
          static_cast<uint32_t>(m.mix[kChGreen][(s >> 8) & 0xFF]) << 8 | m.mix[kChBlue][s & 0xFF];
    });
  } else if (g_nBpp.load() == 16) {
    const cChannelScale scale(g_PixelChannels);
    WalkPixelPairs<uint16_t, uint16_t>(dst, src, walk, [&m, &scale](uint16_t s, uint16_t& d) {
      d = static_cast<uint16_t>(scale.Narrow(m.mix[kChRed][scale.Widen(s, kChRed)],
                                             m.mix[kChGreen][scale.Widen(s, kChGreen)],
                                             m.mix[kChBlue][scale.Widen(s, kChBlue)]));
    });
  }
}

}  // namespace fade_unpal

int32_t DDFade_UnPal(DDSURFACEDATA* lpDstSD, int32_t a, uint8_t red, uint8_t green, uint8_t blue,
                     DDSURFACEDATA* lpSrcSD) {
  using namespace fade_unpal;
  if (lpDTCon != nullptr) {
    EcLog("D3DではDDFade_UnPalは未対応");
    return 1;
  }
  const int32_t bpp = g_nBpp.load();
  uint8_t* bits = nullptr;
  if (!DDLock(lpDstSD, nullptr, &bits, bpp)) return 0;
  if (!DDLock(lpSrcSD, nullptr, &bits, bpp)) {
    DDUnlock(lpDstSD);
    return 0;
  }
  const cPixelStore* dstStore = lpDstSD->Pixels();
  const cPixelStore* srcStore = lpSrcSD->Pixels();
  // A weight outside 0..256 would push channels past a byte.
  const cFadeMix mix(std::clamp(a, 0, kFullWeight), {red, green, blue});
  cPixelPairWalk walk;
  walk.w = walk.nDstWidth = std::min(lpDstSD->nWidth, dstStore->Width());
  walk.h = walk.nDstHeight = std::min(lpDstSD->nHeight, dstStore->Height());
  walk.nSrcWidth = std::min(lpSrcSD->nWidth, srcStore->Width());
  walk.nSrcHeight = std::min(lpSrcSD->nHeight, srcStore->Height());
  Fade(*lpDstSD->Pixels(), *srcStore, walk, mix);
  DDUnlock(lpSrcSD);
  DDUnlock(lpDstSD);
  return 1;
}
