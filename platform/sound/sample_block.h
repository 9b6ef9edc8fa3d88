#pragma once
// cSampleBlock: the samples of one sound effect at the output rate, made once when
// the sound is created and shared by its buffers.

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/sound/wave_data.h"

struct cSampleBlock {
  int channels = 1;              // 1 or 2, interleaved
  std::vector<int16_t> samples;  // frames x channels
  std::size_t Frames() const { return samples.size() / static_cast<std::size_t>(channels); }
};

// The wave's samples converted to signed 16 bits at the output rate through SDL's
// audio stream; null when SDL cannot convert them.
std::shared_ptr<const cSampleBlock> ConvertWaveToOutput(const WAVEDATA& wave);
