#include "platform/dd/palette_effects.h"

#include <algorithm>
#include <array>

#include "platform/dd/dd_objects.h"
#include "platform/dd/display_state.h"

namespace {

constexpr int32_t kPalEntries = 256;
constexpr int32_t kFullWeight = 256;

int32_t ClampPalIndex(int32_t i) { return std::clamp(i, 0, kPalEntries - 1); }

uint8_t BlendPalChannel(uint8_t colour, uint8_t src, int32_t a) {
  return static_cast<uint8_t>((colour * (kFullWeight - a) + a * src) >> 8);
}

bool RotatesPalette(int32_t bpp) { return bpp == 8 || bpp == 16 || bpp == 32; }

}  // namespace

void DDPalBlend(PALETTEENTRY* lpOut, int32_t first, int32_t last, int32_t a, uint8_t r, uint8_t g, uint8_t b,
                const PALETTEENTRY* lpSrc) {
  if (lpOut == nullptr || lpSrc == nullptr) return;
  first = ClampPalIndex(first);
  last = ClampPalIndex(last);
  // An out-of-range weight would wrap in the 16-bit product and give garbage colours.
  a = std::clamp(a, 0, kFullWeight);
  for (int32_t i = first; i <= last; ++i) {
    const PALETTEENTRY s = lpSrc[i];
    lpOut[i] = {BlendPalChannel(r, s.peRed, a), BlendPalChannel(g, s.peGreen, a), BlendPalChannel(b, s.peBlue, a), 1};
  }
}

void DDPalRotate(PALETTEENTRY* lpOut, int32_t first, int32_t last, int32_t n, int32_t direction,
                 const PALETTEENTRY* lpSrc) {
  if (lpOut == nullptr || lpSrc == nullptr || !RotatesPalette(g_nBpp.load())) return;
  first = ClampPalIndex(first);
  last = ClampPalIndex(last);
  if (first > last) return;
  std::array<PALETTEENTRY, kPalEntries> copy;
  std::copy(lpSrc, lpSrc + kPalEntries, copy.begin());
  std::copy(copy.begin(), copy.end(), lpOut);
  const int32_t len = last - first + 1;
  const int32_t places = ((n % len) + len) % len;
  if (direction != 0 && direction != 1) return;
  const int32_t shift = direction == 0 ? places : len - places;
  for (int32_t i = 0; i < len; ++i) lpOut[first + (i + shift) % len] = copy[static_cast<std::size_t>(first + i)];
}
