#pragma once
// cSoundBuffer: one playable copy of a sound effect. Duplicates share the sample
// block and keep their own position, playing flag and volume, so several plays of
// one sound can overlap. The mixer owns every buffer and changes it only under its
// lock; callers hold plain pointers until they release the buffer to the mixer.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>

#include "platform/sound/sample_block.h"

struct cSoundBuffer {
  explicit cSoundBuffer(std::shared_ptr<const cSampleBlock> samples) : block(std::move(samples)) {}

  std::shared_ptr<const cSampleBlock> block;
  std::size_t position = 0;  // next frame to play
  bool playing = false;
  int32_t volume = 0;  // hundredths of a decibel
  float gain = 1.0f;   // VolumeToGain(volume)
};
