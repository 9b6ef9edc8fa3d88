#include "platform/dd/channel_scale.h"

cChannelScale::cChannelScale(const PIXELCHANNELS& channels) : m_channels(channels) {
  for (int32_t ch = kChRed; ch <= kChBlue; ++ch) {
    const auto max = static_cast<uint32_t>(channels.nMax[ch]);
    auto& widen = m_widen[static_cast<std::size_t>(ch)];
    auto& narrow = m_narrow[static_cast<std::size_t>(ch)];
    for (uint32_t v = 0; v < 256; ++v) {
      // A value above the maximum (a palette entry not in the format's range)
      // counts as the maximum, so a mix never carries into the next channel.
      widen[v] = static_cast<uint8_t>(max == 0 ? 0u : v >= max ? 255u : v * 255u / max);
      narrow[v] = (v * max / 255u) << channels.nShift[ch];
    }
  }
}

uint32_t cChannelScale::WidenValue(uint32_t value, int32_t ch) const {
  return m_widen[static_cast<std::size_t>(ch)][value & 0xFF];
}
