// soundcheck IN OUT.wav: renders a WAV, Ogg or MIDI file through the mixer into a
// WAV file, to check sound without an audio device.

#include <cstdio>
#include <fstream>
#include <string>

#include "tools/soundcheck/sound_render.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: soundcheck IN OUT.wav\n  IN: a .wav, .ogg or .mid file\n");
    return 2;
  }
  const cRenderedSound sound = RenderSoundFile(argv[1]);
  if (!sound.error.empty()) {
    std::fprintf(stderr, "soundcheck: %s: %s\n", argv[1], sound.error.c_str());
    return 1;
  }
  const std::vector<uint8_t> wav = EncodeStereoWav(sound.samples);
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(wav.data()), static_cast<std::streamsize>(wav.size()));
  if (!out) {
    std::fprintf(stderr, "soundcheck: cannot write %s\n", argv[2]);
    return 1;
  }
  std::printf("%s: %.2f s\n", argv[2], static_cast<double>(sound.samples.size()) / 2 / 44100);
  return 0;
}
