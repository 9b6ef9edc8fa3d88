#include "tools/sample/media/wav_writer.h"

#include "tools/sample/media/byte_writer.h"

namespace {

constexpr uint32_t kFormatPcm = 1;
constexpr uint32_t kFormatChunkSize = 16;

}  // namespace

std::vector<uint8_t> EncodeWavMono(const std::vector<int16_t>& samples, uint32_t sampleRate, int bitsPerSample) {
  const int bits = bitsPerSample == 8 ? 8 : 16;
  const uint32_t blockAlign = static_cast<uint32_t>(bits / 8);
  const uint32_t dataSize = static_cast<uint32_t>(samples.size()) * blockAlign;
  // A chunk of odd size is followed by one pad byte that its size does not count.
  const uint32_t pad = dataSize & 1;
  cByteWriter out;
  out.Text("RIFF").U32LE(4 + (8 + kFormatChunkSize) + (8 + dataSize + pad)).Text("WAVE");
  out.Text("fmt ").U32LE(kFormatChunkSize).U16LE(kFormatPcm).U16LE(1);
  out.U32LE(sampleRate).U32LE(sampleRate * blockAlign).U16LE(blockAlign).U16LE(static_cast<uint32_t>(bits));
  out.Text("data").U32LE(dataSize);
  for (int16_t sample : samples) {
    if (bits == 8) {
      out.U8(static_cast<uint32_t>((sample >> 8) + 128));
    } else {
      out.U16LE(static_cast<uint16_t>(sample));
    }
  }
  out.Zeros(pad);
  return out.Take();
}
