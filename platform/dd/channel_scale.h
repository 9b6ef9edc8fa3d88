#pragma once
// The 0..255 scale the 16-bit DirectDraw effects mix in. The program palette
// and the display hold 16-bit channels in their own ranges (0..31, 0..63); a
// mix widens each channel by v x 255 / max and narrows the result by
// m x max / 255, both truncating, so a round trip may lose a step (1 of 31
// becomes 8, then 0). Tables per channel, filled once per call.
//
//   cChannelScale scale(g_PixelChannels);
//   uint32_t red = scale.Widen(pixel, kChRed);            // 0..255
//   uint16_t out = scale.Narrow(red, green, blue);        // back in the display's format

#include <array>
#include <cstdint>

#include "platform/dd/pixel_format.h"

class cChannelScale {
 public:
  explicit cChannelScale(const PIXELCHANNELS& channels);

  uint32_t Widen(uint32_t pixel, int32_t ch) const {
    return m_widen[static_cast<std::size_t>(ch)][ChannelOf(m_channels, pixel, ch)];
  }
  // A channel value in the format's range (a palette entry's), widened; a
  // larger value counts as the maximum.
  uint32_t WidenValue(uint32_t value, int32_t ch) const;
  // Red, green and blue in 0..255 as a pixel of the format (no alpha).
  uint32_t Narrow(uint32_t r, uint32_t g, uint32_t b) const {
    return m_narrow[kChRed][r & 0xFF] | m_narrow[kChGreen][g & 0xFF] | m_narrow[kChBlue][b & 0xFF];
  }

 private:
  PIXELCHANNELS m_channels;
  std::array<std::array<uint8_t, 256>, 3> m_widen{};
  std::array<std::array<uint32_t, 256>, 3> m_narrow{};  // already shifted into place
};
