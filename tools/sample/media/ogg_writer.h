#pragma once
// Ogg Vorbis files, encoded with libvorbisenc at a fixed quality and a fixed
// stream serial, so the same samples give the same bytes on every run.

#include <cstdint>
#include <vector>

// samples are interleaved, -1..1, frames x channels. Empty when the encoder
// refuses the format (channels or rate it cannot encode).
std::vector<uint8_t> EncodeOggVorbis(const std::vector<float>& samples, int channels, int sampleRate,
                                     int serial = 0x5EED, float quality = 0.4f);
