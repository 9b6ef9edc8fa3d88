#pragma once
// Reading PCM WAV files. The file is read whole into memory and walked as RIFF
// chunks with every read bounded by the file: the sizes a file states are never
// trusted for an allocation.
//
//   WAVEDATA wave;
//   if (DSReadWaveFile("se\\jump.wav", &wave)) { ... wave.wfx, wave.lpData ... }
//
// Accepted: format tag 1 with 1 or 2 channels, 8 or 16 bits, 100..200000 Hz and a
// block align of channels x bits / 8. Refusals write the system's lines to the
// report log (and through it the EC log) with the path, except a missing file, a
// missing "fmt " chunk and a missing or empty "data" chunk, which are silent.

#include <cstdint>
#include <span>
#include <string>

#include "platform/sound/wave_data.h"

// Parses a file image; name is the path for the log lines. False leaves wave as it was.
bool ParseWaveImage(std::span<const uint8_t> image, const char* name, WAVEDATA* wave);

// Reads the WAV file at a data path (resolved to the host's name).
bool DSReadWaveFile(const char* path, WAVEDATA* wave);

// Frees the samples.
void DSFreeWaveData(WAVEDATA* wave);
