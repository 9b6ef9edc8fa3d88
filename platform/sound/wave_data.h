#pragma once
// A PCM WAV file read into memory: its format record and its samples.

#include <cstdint>
#include <vector>

// The "fmt " chunk as the file stores it (little-endian, 18 bytes at most). A
// chunk shorter than 18 bytes leaves the rest zero.
struct WAVEFORMATEX {
  uint16_t wFormatTag = 0;  // 1 = PCM
  uint16_t nChannels = 0;
  uint32_t nSamplesPerSec = 0;
  uint32_t nAvgBytesPerSec = 0;
  uint16_t nBlockAlign = 0;  // bytes of one frame
  uint16_t wBitsPerSample = 0;
  uint16_t cbSize = 0;
};
inline constexpr uint32_t kWaveFormatBytes = 18;

struct WAVEDATA {
  WAVEFORMATEX wfx;
  std::vector<uint8_t> lpData;  // whole frames only
  uint32_t dwSize = 0;          // lpData's byte count
};
