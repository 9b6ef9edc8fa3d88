// Opens arbitrary bytes as an Ogg Vorbis file held in memory and decodes a
// bounded amount, looping: the reader never goes outside the bytes, and a file
// that decodes to nothing does not loop for ever.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/sound/ogg_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  eOggOpen why = eOggOpen::Ok;
  auto decoder = cOggDecoder::Open(std::vector<uint8_t>(data, data + size), why);
  if (decoder == nullptr) return 0;
  if (decoder->Channels() < 1 || decoder->Channels() > 2) std::abort();
  decoder->SetLoop(kLoopForever);
  std::vector<float> out(2 * 4410);
  for (int i = 0; i < 20; ++i) {
    const int got = decoder->Read(out.data(), 4410);
    if (got < 0 || got > 4410) std::abort();
    if (got < 4410) break;
  }
  return 0;
}
