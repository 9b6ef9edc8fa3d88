#pragma once
// Renders one WAV, Ogg or MIDI file through the mixer, as the program would play
// it once, into 44100 Hz stereo 16-bit samples: sound can be checked without an
// audio device.

#include <cstdint>
#include <string>
#include <vector>

struct cRenderedSound {
  std::vector<int16_t> samples;  // interleaved stereo
  std::string error;             // why nothing was rendered
};

// The kind is taken from the extension (wav, ogg, mid; any letter case). Renders
// until the sound ends, at most maxSeconds.
cRenderedSound RenderSoundFile(const std::string& path, int maxSeconds = 600);

// A PCM WAV image of interleaved stereo samples at 44100 Hz.
std::vector<uint8_t> EncodeStereoWav(const std::vector<int16_t>& samples);
