#pragma once
// Pixel formats of the CPU pixel stores and the channel layout tables.
//
// A store holds one format for its whole life: the palette indices of the 8-bit
// display, the 16-bit display formats (5-6-5, 5-5-5), the 16-bit texture format
// with its one alpha bit, and the 32-bit formats with and without alpha. Every
// per-pixel conversion goes through PIXELCHANNELS: channel v of pixel p is
// (p >> shift) & max, and a pixel is the OR of (v & max) << shift.
//
//   PIXELCHANNELS c = ChannelsOf(ePixelFormat::kR5G6B5);   // shifts 11, 5, 0, 16
//   uint32_t p = ComposePixel(c, 31, 63, 0, 0);           // 0xFFE0, yellow

#include <cstdint>

enum class ePixelFormat : int32_t {
  kP8,        // palette index
  kR5G6B5,    // 16-bit display and the full-screen 16-bit back buffer
  kX1R5G5B5,  // 16-bit 5-5-5 display (no alpha)
  kA1R5G5B5,  // 16-bit textures and the windowed 16-bit back buffer
  kX8R8G8B8,  // 32-bit display and back buffer; the fourth byte is not alpha
  kA8R8G8B8,  // 32-bit textures
};

int32_t BytesPerPixel(ePixelFormat format);
// True for the formats whose alpha channel the device honours.
bool HasAlpha(ePixelFormat format);

enum eChannel : int32_t { kChRed = 0, kChGreen = 1, kChBlue = 2, kChAlpha = 3 };

// Four shifts (red, green, blue, alpha), then four maxima in the same order.
struct PIXELCHANNELS {
  int32_t nShift[4] = {};
  int32_t nMax[4] = {};
  friend bool operator==(const PIXELCHANNELS&, const PIXELCHANNELS&) = default;
};

// The layout of a format; all zero for kP8.
PIXELCHANNELS ChannelsOf(ePixelFormat format);

inline uint32_t ChannelOf(const PIXELCHANNELS& c, uint32_t pixel, int32_t channel) {
  return (pixel >> c.nShift[channel]) & static_cast<uint32_t>(c.nMax[channel]);
}

inline uint32_t ComposePixel(const PIXELCHANNELS& c, uint32_t r, uint32_t g, uint32_t b, uint32_t a) {
  const auto part = [&c](uint32_t v, int32_t ch) {
    return (v & static_cast<uint32_t>(c.nMax[ch])) << c.nShift[ch];
  };
  return part(r, kChRed) | part(g, kChGreen) | part(b, kChBlue) | part(a, kChAlpha);
}

// A channel value of max (1, 5 or 6 bits, or 8) widened to 0..255 by repeating its
// bits, so 0 and max map to 0 and 255.
inline uint32_t WidenChannel(uint32_t v, uint32_t max) {
  switch (max) {
    case 1: return v != 0 ? 255u : 0u;
    case 31: return (v << 3) | (v >> 2);
    case 63: return (v << 2) | (v >> 4);
    case 255: return v;
    default: return max == 0 ? 0u : v * 255u / max;
  }
}

// 0..255 to 0..max, rounded to nearest; an opaque copy through WidenChannel and
// back gives the same value.
inline uint32_t NarrowChannelRounded(uint32_t v, uint32_t max) { return (v * max + 127u) / 255u; }

// 0..255 to 0..max, truncated: the conversion of picture files and fills.
inline uint32_t NarrowChannelTruncated(uint32_t v, uint32_t max) { return v * max / 255u; }

// A D3DCOLOR (0xAARRGGBB) as a pixel of format, channels narrowed to nearest
// (clears and the quad path write this); formats without alpha drop it.
uint32_t ArgbToPixel(uint32_t argb, ePixelFormat format);
// A pixel of format as a D3DCOLOR: channels widened, alpha 255 where the format
// has none (a back buffer reads opaque). kP8 reads as its index in blue.
uint32_t PixelToArgb(uint32_t pixel, ePixelFormat format);
