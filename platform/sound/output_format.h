#pragma once
// The one format everything is mixed in and sent to the device: 44100 Hz, stereo,
// signed 16-bit, 512-frame blocks (SDL converts for the hardware).

#include <cstdint>

inline constexpr int kOutputRate = 44100;
inline constexpr int kOutputChannels = 2;
inline constexpr int kOutputBlockFrames = 512;
