#include "platform/dd/translucent_blit.h"

#include <algorithm>

#include "platform/dd/channel_scale.h"
#include "platform/dd/device_config.h"
#include "platform/dd/device_records.h"
#include "platform/dd/display_state.h"
#include "platform/dd/effect_surfaces.h"
#include "platform/dd/mix_blit.h"
#include "platform/dd/palette.h"
#include "platform/dd/quad_draw.h"

namespace translucent_blit {

// Blue, green and red bytes of two pixels averaged, (s + d) >> 1 each.
inline uint32_t AverageBytes(uint32_t s, uint32_t d) {
  return ((s & 0xFEFEFEu) >> 1) + ((d & 0xFEFEFEu) >> 1) + (s & d & 0x010101u);
}

void MixDirectDraw(cPixelStore& dst, const cPixelStore& src, const cPixelPairWalk& walk, bool keyed,
                   const uint8_t* table) {
  switch (g_nBpp.load()) {
    case 8: {
      if (table == nullptr) return;
      WalkPixelPairs<uint8_t, uint8_t>(dst, src, walk, [=](uint8_t s, uint8_t& d) {
        if (keyed && s == 0) return;
        d = d == 0 ? s : table[d * 256u + s];
      });
      break;
    }
    case 16: {
      const cChannelScale scale(g_PixelChannels);
      const auto key = static_cast<uint16_t>(g_dwColorKey);
      WalkPixelPairs<uint16_t, uint16_t>(dst, src, walk, [&scale, key, keyed](uint16_t s, uint16_t& d) {
        if (keyed && s == key) return;
        if (d == key) {
          d = s;
          return;
        }
        const auto mix = [&](int32_t ch) { return (scale.Widen(s, ch) + scale.Widen(d, ch)) >> 1; };
        d = static_cast<uint16_t>(scale.Narrow(mix(kChRed), mix(kChGreen), mix(kChBlue)));
      });
      break;
    }
    case 32: {
      const uint32_t key = g_dwColorKey;
      WalkPixelPairs<uint32_t, uint32_t>(dst, src, walk, [key, keyed](uint32_t s, uint32_t& d) {
        if (keyed && s == key) return;
        d = (d & 0xFF000000u) | (d == key ? s & 0xFFFFFFu : AverageBytes(s, d));
      });
      break;
    }
    default: break;
  }
}

void MixDirect3D(const DDSURFACEDATA* lpDstSD, cPixelStore& dst, const cPixelStore& src, const cPixelPairWalk& walk,
                 bool keyed) {
  if (g_nBpp.load() == 32) {
    WalkPixelPairs<uint32_t, uint32_t>(dst, src, walk, [keyed](uint32_t s, uint32_t& d) {
      if (keyed && IsKeyedTexel32(s)) return;
      d = 0xFF000000u | AverageBytes(s, d);
    });
    return;
  }
  if (g_nBpp.load() != 16) return;
  const cD3D16Out out = cD3D16Out::For(lpDstSD);
  const PIXELCHANNELS in = g_PixelChannels;
  WalkPixelPairs<uint16_t, uint16_t>(dst, src, walk, [&out, &in, keyed](uint16_t s, uint16_t& d) {
    if (keyed && IsKeyedTexel16(s)) return;
    const auto mix = [&](int32_t ch, uint32_t sWeight) {
      return (sWeight * ChannelOf(in, s, ch) + ChannelOf(out.channels, d, ch)) >> 1;
    };
    // The back buffer's six-bit green takes the five-bit source green doubled.
    d = out.Compose(mix(kChRed, 1), mix(kChGreen, out.bBackBuffer ? 2 : 1), mix(kChBlue, 1));
  });
}

}  // namespace translucent_blit

bool DDBltTranslucent(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, DDSURFACEDATA* lpSrcSD,
                      int32_t sx, int32_t sy, int32_t flags, const uint8_t* lpBlendTable, int32_t t) {
  using namespace translucent_blit;
  if (lpDstSD == nullptr || lpSrcSD == nullptr || g_nBpp.load() == 24) return true;
  // t lands in the alpha byte of a colour word: out of range it would spill.
  t = std::clamp(t, 0, 255);
  const uint32_t diffuse = 0xFFFFFFu | static_cast<uint32_t>(255 - t) << 24;
  RunMixBlit(
      {lpDstSD, lpSrcSD, {x, y, w, h}, {sx, sy, w, h}},
      [diffuse] { return cQuadKnobs{diffuse, D3DTOP_MODULATE, D3DTOP_MODULATE}; },
      [flags, lpBlendTable](const DDSURFACEDATA* dstSD, cPixelStore& dst, const cPixelStore& src,
                            const cPixelPairWalk& walk) {
        if (lpDTCon != nullptr) {
          MixDirect3D(dstSD, dst, src, walk, flags == 1);
        } else {
          MixDirectDraw(dst, src, walk, flags == 1, lpBlendTable);
        }
      });
  return true;
}

bool DDBltHalfTranslucent(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h,
                          DDSURFACEDATA* lpSrcSD, int32_t sx, int32_t sy, int32_t flags, const uint8_t* lpBlendTable) {
  return DDBltTranslucent(lpDstSD, x, y, w, h, lpSrcSD, sx, sy, flags, lpBlendTable, 128);
}
