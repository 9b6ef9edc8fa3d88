#pragma once
// PCM WAV files (RIFF "WAVE" with a "fmt " chunk of 16 bytes and a "data"
// chunk), mono, 8 or 16 bits a sample.

#include <cstdint>
#include <vector>

// Samples are 16-bit signed whatever the file's depth: an 8-bit file keeps the
// top byte as an unsigned value around 128, as 8-bit PCM is stored.
std::vector<uint8_t> EncodeWavMono(const std::vector<int16_t>& samples, uint32_t sampleRate, int bitsPerSample);
