#include "platform/dd/color_change_blit.h"

#include <algorithm>

#include "platform/dd/blend_steps.h"
#include "platform/dd/blend_table.h"
#include "platform/dd/channel_scale.h"
#include "platform/dd/dd_objects.h"
#include "platform/dd/device_config.h"
#include "platform/dd/device_records.h"
#include "platform/dd/display_state.h"
#include "platform/dd/effect_surfaces.h"
#include "platform/dd/mix_blit.h"
#include "platform/dd/palette.h"
#include "platform/dd/quad_draw.h"

namespace color_change_blit {

// Beyond this many halvings toward c every 8-bit channel sits at its fixed point.
constexpr int32_t kSettledSteps = 16;

// Texture-factor alpha (quad path) and factor f (CPU path) of levels 1 to 4.
constexpr uint32_t kQuadAlpha[4] = {128, 80, 48, 16};
constexpr int32_t kCpuFactor[4] = {128, 64, 32, 16};

template <std::size_t N, class T>
T ByLevel(const T (&table)[N], int32_t level) {
  return level >= 1 && level <= static_cast<int32_t>(N) ? table[level - 1] : T{};
}

// Blue, green, red bytes halved toward c steps times; the fourth byte kept.
inline uint32_t HalveTowardBytes(uint32_t d, uint32_t c, int32_t steps) {
  for (int32_t k = 0; k < steps; ++k) d = ((d & 0xFEFEFEu) >> 1) + ((c & 0xFEFEFEu) >> 1) + (d & c & 0x010101u);
  return d;
}

struct cColour {
  uint32_t r, g, b;
};

void ChangeDirectDraw(cPixelStore& dst, const cPixelStore& src, const cPixelPairWalk& walk, bool keyed,
                      const PALETTEENTRY& p, uint8_t colour, int32_t level) {
  const int32_t steps = std::clamp(level, 0, kSettledSteps);
  switch (g_nBpp.load()) {
    case 8: {
      cBlendSteps blend(g_BlendTable.data(), colour, level);
      const auto key = static_cast<uint8_t>(g_dwColorKey);
      WalkPixelPairs<uint8_t, uint8_t>(dst, src, walk, [&blend, key, keyed](uint8_t s, uint8_t& d) {
        if (!keyed || s != key) d = blend.From(s);
      });
      break;
    }
    case 16: {
      const cChannelScale scale(g_PixelChannels);
      const cColour c{scale.WidenValue(p.peRed, kChRed), scale.WidenValue(p.peGreen, kChGreen),
                      scale.WidenValue(p.peBlue, kChBlue)};
      const auto key = static_cast<uint16_t>(g_dwColorKey);
      WalkPixelPairs<uint16_t, uint16_t>(dst, src, walk, [&scale, c, key, keyed, steps](uint16_t s, uint16_t& d) {
        if (keyed && s == key) return;
        const auto toward = [steps](uint32_t v, uint32_t to) {
          for (int32_t k = 0; k < steps; ++k) v = (v + to) >> 1;
          return v;
        };
        d = static_cast<uint16_t>(scale.Narrow(toward(scale.Widen(s, kChRed), c.r), toward(scale.Widen(s, kChGreen), c.g),
                                               toward(scale.Widen(s, kChBlue), c.b)));
      });
      break;
    }
    case 32: {
      const uint32_t c = static_cast<uint32_t>(p.peRed) << 16 | static_cast<uint32_t>(p.peGreen) << 8 | p.peBlue;
      const uint32_t key = g_dwColorKey;
      WalkPixelPairs<uint32_t, uint32_t>(dst, src, walk, [c, key, keyed, steps](uint32_t s, uint32_t& d) {
        if (keyed && s == key) return;
        d = (d & 0xFF000000u) | (HalveTowardBytes(s, c, steps) & 0xFFFFFFu);
      });
      break;
    }
    default: break;
  }
}

// One channel of the Direct3D CPU path, in the texture's ranges.
inline uint32_t ChangeChannel(uint32_t s, uint32_t c, int32_t level, float a) {
  if (level == 1) return (s + c) >> 1;
  return static_cast<uint32_t>(static_cast<float>(s) * a + static_cast<float>(c) * (1.0f - a));
}

void ChangeDirect3D(const DDSURFACEDATA* lpDstSD, cPixelStore& dst, const cPixelStore& src,
                    const cPixelPairWalk& walk, bool keyed, const PALETTEENTRY& p, int32_t level) {
  const float a = static_cast<float>(ByLevel(kCpuFactor, level)) / 255.0f;
  const PIXELCHANNELS in = g_PixelChannels;
  const auto range = [&in](uint8_t v, int32_t ch) { return v * static_cast<uint32_t>(in.nMax[ch]) / 255u; };
  const cColour c{range(p.peRed, kChRed), range(p.peGreen, kChGreen), range(p.peBlue, kChBlue)};
  if (g_nBpp.load() == 32) {
    WalkPixelPairs<uint32_t, uint32_t>(dst, src, walk, [c, a, level, keyed](uint32_t s, uint32_t& d) {
      if (keyed && IsKeyedTexel32(s)) return;
      d = 0xFF000000u | ChangeChannel((s >> 16) & 0xFF, c.r, level, a) << 16 |
          ChangeChannel((s >> 8) & 0xFF, c.g, level, a) << 8 | ChangeChannel(s & 0xFF, c.b, level, a);
    });
    return;
  }
  if (g_nBpp.load() != 16) return;
  const cD3D16Out out = cD3D16Out::For(lpDstSD);
  WalkPixelPairs<uint16_t, uint16_t>(dst, src, walk, [&in, &out, c, a, level, keyed](uint16_t s, uint16_t& d) {
    if (keyed && IsKeyedTexel16(s)) return;
    const uint32_t sg = ChannelOf(in, s, kChGreen);
    uint32_t g = ChangeChannel(sg, c.g, level, a);
    // The back buffer's six-bit green: level 1 the sum unhalved, else doubled.
    if (out.bBackBuffer) g = level == 1 ? sg + c.g : g * 2;
    d = out.Compose(ChangeChannel(ChannelOf(in, s, kChRed), c.r, level, a), g,
                    ChangeChannel(ChannelOf(in, s, kChBlue), c.b, level, a));
  });
}

}  // namespace color_change_blit

bool DDBltColorChange(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, DDSURFACEDATA* lpSrcSD,
                      int32_t sx, int32_t sy, int32_t flags, const PALETTEENTRY* lpPalette, const uint8_t*,
                      int32_t nColor, int32_t level) {
  using namespace color_change_blit;
  if (lpDstSD == nullptr || lpSrcSD == nullptr || lpPalette == nullptr || level == 0 || g_nBpp.load() == 24) {
    return true;
  }
  // Modulo 256 without a negative index.
  const auto colour = static_cast<uint8_t>(nColor & 0xFF);
  const PALETTEENTRY p = lpPalette[colour];
  if (lpDTCon != nullptr && level < 0) return true;
  RunMixBlit(
      {lpDstSD, lpSrcSD, {x, y, w, h}, {sx, sy, w, h}},
      [&p, level] {
        const uint32_t factor = ByLevel(kQuadAlpha, level) << 24 | static_cast<uint32_t>(p.peRed) << 16 |
                                static_cast<uint32_t>(p.peGreen) << 8 | p.peBlue;
        // The device keeps the factor; the renderer's second argument stands for it.
        lpDevice->SetTextureFactor(factor);
        return cQuadKnobs{factor, D3DTOP_BLENDFACTORALPHA, D3DTOP_SELECTARG1};
      },
      [&p, flags, colour, level](const DDSURFACEDATA* dstSD, cPixelStore& dst, const cPixelStore& src,
                                 const cPixelPairWalk& walk) {
        if (lpDTCon != nullptr) {
          ChangeDirect3D(dstSD, dst, src, walk, flags == 1, p, level);
        } else {
          ChangeDirectDraw(dst, src, walk, flags == 1, p, colour, level);
        }
      });
  return true;
}
