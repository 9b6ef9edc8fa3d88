// Reads arbitrary bytes as a WAV file. A read may fail, but never reads outside
// the bytes, and what it accepts is whole frames of a format the mixer plays.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/sound/sample_block.h"
#include "platform/sound/wave_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  WAVEDATA wave;
  if (!ParseWaveImage(std::span<const uint8_t>(data, size), "fuzz.wav", &wave)) return 0;
  if (wave.dwSize == 0 || wave.dwSize != wave.lpData.size() || wave.dwSize > size) std::abort();
  if (wave.wfx.nBlockAlign == 0 || wave.dwSize % wave.wfx.nBlockAlign != 0) std::abort();
  // Small files only: converting is linear in the length, the fuzzer needs no more.
  if (size < 65536 && ConvertWaveToOutput(wave) == nullptr) std::abort();
  return 0;
}
