#include "platform/sound/sample_block.h"

#include <SDL.h>

#include <cstring>

#include "platform/sound/output_format.h"

namespace {

// Copies 16-bit little-endian samples as they are: the common case needs no stream.
std::shared_ptr<cSampleBlock> CopyWaveSamples(const WAVEDATA& wave) {
  auto block = std::make_shared<cSampleBlock>();
  block->channels = wave.wfx.nChannels;
  block->samples.resize(wave.dwSize / 2);
  for (std::size_t i = 0; i < block->samples.size(); ++i) {
    block->samples[i] = static_cast<int16_t>(wave.lpData[2 * i] | wave.lpData[2 * i + 1] << 8);
  }
  return block;
}

// SDL's resampler keeps back the last few hundred input frames even after a
// flush; trailing silence pushes them out, and the result is cut to the length
// the sound really has at the output rate.
std::size_t ResamplerPaddingFrames(uint32_t rate) { return 2048 + rate / 10; }

}  // namespace

std::shared_ptr<const cSampleBlock> ConvertWaveToOutput(const WAVEDATA& wave) {
  const bool sixteen = wave.wfx.wBitsPerSample == 16;
  if (sixteen && wave.wfx.nSamplesPerSec == static_cast<uint32_t>(kOutputRate)) return CopyWaveSamples(wave);
  const int channels = wave.wfx.nChannels;
  SDL_AudioStream* stream = SDL_NewAudioStream(sixteen ? AUDIO_S16LSB : AUDIO_U8, static_cast<Uint8>(channels),
                                               static_cast<int>(wave.wfx.nSamplesPerSec), AUDIO_S16SYS,
                                               static_cast<Uint8>(channels), kOutputRate);
  if (stream == nullptr) return nullptr;
  const std::size_t frames = wave.dwSize / wave.wfx.nBlockAlign;
  const std::size_t outFrames =
      static_cast<std::size_t>((static_cast<uint64_t>(frames) * kOutputRate + wave.wfx.nSamplesPerSec / 2) /
                               wave.wfx.nSamplesPerSec);
  const std::vector<uint8_t> padding(ResamplerPaddingFrames(wave.wfx.nSamplesPerSec) * wave.wfx.nBlockAlign,
                                     sixteen ? 0 : 128);
  std::shared_ptr<cSampleBlock> block;
  if (SDL_AudioStreamPut(stream, wave.lpData.data(), static_cast<int>(wave.dwSize)) == 0 &&
      SDL_AudioStreamPut(stream, padding.data(), static_cast<int>(padding.size())) == 0 &&
      SDL_AudioStreamFlush(stream) == 0) {
    block = std::make_shared<cSampleBlock>();
    block->channels = channels;
    const int frameBytes = 2 * channels;
    block->samples.resize(outFrames * static_cast<std::size_t>(channels));
    const int want = static_cast<int>(block->samples.size() * 2);
    const int got = want > 0 ? SDL_AudioStreamGet(stream, block->samples.data(), want) : 0;
    if (got < 0) {
      block.reset();
    } else {
      block->samples.resize(static_cast<std::size_t>(got / frameBytes) * static_cast<std::size_t>(channels));
    }
  }
  SDL_FreeAudioStream(stream);
  return block;
}
