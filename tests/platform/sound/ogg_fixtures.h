#pragma once
// Ogg Vorbis fixtures encoded by the test, and measurements of rendered sound.

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "tools/sample/media/ogg_writer.h"

// A sine of frequency hz at amplitude (0..1) lasting seconds, every channel alike.
inline std::vector<uint8_t> SineOgg(int rate, int channels, double hz, double amplitude, double seconds) {
  const std::size_t frames = static_cast<std::size_t>(rate * seconds);
  std::vector<float> samples;
  samples.reserve(frames * static_cast<std::size_t>(channels));
  for (std::size_t i = 0; i < frames; ++i) {
    const float value = static_cast<float>(amplitude * std::sin(2 * std::numbers::pi * hz * i / rate));
    for (int c = 0; c < channels; ++c) samples.push_back(value);
  }
  return EncodeOggVorbis(samples, channels, rate);
}

// One channel (0 left, 1 right) of interleaved stereo, from frame first on.
inline std::vector<double> Channel(const std::vector<int16_t>& stereo, int channel, std::size_t first = 0) {
  std::vector<double> out;
  for (std::size_t i = 2 * first + static_cast<std::size_t>(channel); i < stereo.size(); i += 2) out.push_back(stereo[i]);
  return out;
}

inline double Rms(const std::vector<double>& samples) {
  double sum = 0;
  for (double s : samples) sum += s * s;
  return samples.empty() ? 0 : std::sqrt(sum / static_cast<double>(samples.size()));
}

inline int ZeroCrossings(const std::vector<double>& samples) {
  int count = 0;
  for (std::size_t i = 1; i < samples.size(); ++i) {
    if ((samples[i - 1] < 0) != (samples[i] < 0)) ++count;
  }
  return count;
}
