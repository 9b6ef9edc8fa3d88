// Converts arbitrary bytes as a standard MIDI file, then plays what converted for
// a bounded time. Conversion never reads outside the file; an image it makes is
// well formed; the sequencer never reads outside the image and never spins.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <utility>
#include <vector>

#include "platform/sound/midi_file.h"
#include "platform/sound/midi_sequencer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  cMidiFile file;
  file.m_strName = "fuzz.mid";
  std::vector<uint8_t> image = file.Convert(std::span<const uint8_t>(data, size));
  if (image.empty()) return 0;
  if (image.size() < kMidiImageHeader + 4) std::abort();
  const uint32_t length = static_cast<uint32_t>(image[18]) << 24 | image[19] << 16 | image[20] << 8 | image[21];
  if (length != image.size() - kMidiImageHeader) std::abort();
  if (image[image.size() - 3] != 0xFF || image[image.size() - 2] != 0x2F || image[image.size() - 1] != 0x00) {
    std::abort();
  }
  cMidiSequencer sequencer;
  cNullMidiSink sink;
  sequencer.SetImage(std::move(image));
  sequencer.Restart(1);
  for (int block = 0; block < 64; ++block) sequencer.Advance(512, sink);
  sequencer.Stop(1);
  sequencer.Restart(0);
  for (int block = 0; block < 16; ++block) sequencer.Advance(4096, sink);
  return 0;
}
