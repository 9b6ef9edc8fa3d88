#include "platform/sound/ogg_decoder.h"

#include <SDL.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/sound/output_format.h"

struct cOggDecoder::Source {
  std::vector<uint8_t> bytes;
  std::size_t pos = 0;
};

struct cOggDecoder::Vorbis {
  OggVorbis_File file{};
};

namespace {

constexpr int kOggChunkFrames = 1024;

size_t OggMemoryRead(void* ptr, size_t size, size_t count, void* data) {
  auto* source = static_cast<cOggDecoder::Source*>(data);
  if (size == 0) return 0;
  const std::size_t left = source->bytes.size() - source->pos;
  const std::size_t items = std::min(count, left / size);
  // An empty file has no data pointer at all, and memcpy must not see it.
  if (items == 0) return 0;
  std::memcpy(ptr, source->bytes.data() + source->pos, items * size);
  source->pos += items * size;
  return items;
}

int OggMemorySeek(void* data, ogg_int64_t offset, int whence) {
  auto* source = static_cast<cOggDecoder::Source*>(data);
  const auto size = static_cast<ogg_int64_t>(source->bytes.size());
  ogg_int64_t base = 0;
  if (whence == SEEK_CUR) base = static_cast<ogg_int64_t>(source->pos);
  if (whence == SEEK_END) base = size;
  const ogg_int64_t to = base + offset;
  if (to < 0 || to > size) return -1;
  source->pos = static_cast<std::size_t>(to);
  return 0;
}

long OggMemoryTell(void* data) { return static_cast<long>(static_cast<cOggDecoder::Source*>(data)->pos); }

// SDL's resampler keeps back the last input frames until more arrive: silence
// pushes them out at the end of the last pass.
std::size_t OggPaddingFrames(int rate) { return 2048 + static_cast<std::size_t>(rate) / 10; }

}  // namespace

std::unique_ptr<cOggDecoder> cOggDecoder::Open(std::vector<uint8_t> bytes, eOggOpen& why) {
  std::unique_ptr<cOggDecoder> decoder(new cOggDecoder);
  decoder->m_Source = std::make_unique<Source>();
  decoder->m_Source->bytes = std::move(bytes);
  decoder->m_Vorbis = std::make_unique<Vorbis>();
  const ov_callbacks callbacks = {OggMemoryRead, OggMemorySeek, nullptr, OggMemoryTell};
  if (ov_open_callbacks(decoder->m_Source.get(), &decoder->m_Vorbis->file, nullptr, 0, callbacks) != 0) {
    decoder->m_Vorbis.reset();  // nothing to clear: ov_open_callbacks cleaned up
    why = eOggOpen::NotVorbis;
    return nullptr;
  }
  const vorbis_info* info = ov_info(&decoder->m_Vorbis->file, -1);
  if (info == nullptr || info->channels < 1 || info->rate <= 0) {
    why = eOggOpen::NotVorbis;
    return nullptr;
  }
  if (info->channels > 2) {
    why = eOggOpen::TooManyChannels;
    return nullptr;
  }
  decoder->m_nChannels = info->channels;
  decoder->m_nRate = static_cast<int>(info->rate);
  if (decoder->m_nRate != kOutputRate) {
    decoder->m_lpResampler = SDL_NewAudioStream(AUDIO_F32SYS, 2, decoder->m_nRate, AUDIO_F32SYS, 2, kOutputRate);
    if (decoder->m_lpResampler == nullptr) {
      why = eOggOpen::NotVorbis;
      return nullptr;
    }
  }
  why = eOggOpen::Ok;
  return decoder;
}

cOggDecoder::~cOggDecoder() {
  if (m_lpResampler != nullptr) SDL_FreeAudioStream(static_cast<SDL_AudioStream*>(m_lpResampler));
  if (m_Vorbis != nullptr) ov_clear(&m_Vorbis->file);
}

long cOggDecoder::DecodeNative(int frames) {
  while (true) {
    float** pcm = nullptr;
    int link = 0;
    const long got = ov_read_float(&m_Vorbis->file, &pcm, frames, &link);
    if (got == OV_HOLE) continue;  // a gap in the data: decoding goes on after it
    if (got <= 0) return got;
    const vorbis_info* info = ov_info(&m_Vorbis->file, link);
    const int channels = info != nullptr ? info->channels : 0;
    if (channels < 1 || channels > 2) return OV_EBADLINK;
    // Always stereo from here on: a mono link feeds both sides at full level.
    m_Native.resize(2 * static_cast<std::size_t>(got));
    for (long i = 0; i < got; ++i) {
      m_Native[2 * i] = pcm[0][i];
      m_Native[2 * i + 1] = pcm[channels - 1][i];
    }
    return got;
  }
}

// At the end of a pass: back to the first sample when a loop is left.
bool cOggDecoder::NextPass() {
  if (m_nLoops == 0) return false;
  if (ov_pcm_seek(&m_Vorbis->file, 0) != 0) return false;
  if (m_nLoops != kLoopForever) --m_nLoops;
  return true;
}

int cOggDecoder::Read(float* out, int frames) {
  int produced = 0;
  bool seekedEmpty = false;  // a pass that decodes nothing must not loop for ever
  auto* resampler = static_cast<SDL_AudioStream*>(m_lpResampler);
  while (produced < frames && m_nError == 0) {
    if (resampler != nullptr) {
      const int available = SDL_AudioStreamAvailable(resampler) / static_cast<int>(2 * sizeof(float));
      if (available > 0) {
        const int take = std::min(available, frames - produced);
        const int got = SDL_AudioStreamGet(resampler, out + 2 * produced, take * static_cast<int>(2 * sizeof(float)));
        if (got <= 0) break;
        produced += got / static_cast<int>(2 * sizeof(float));
        continue;
      }
      if (m_bFlushed) break;
    }
    const int want = resampler != nullptr ? kOggChunkFrames : std::min(kOggChunkFrames, frames - produced);
    const long got = DecodeNative(want);
    if (got < 0) {
      m_nError = static_cast<int>(got);
      break;
    }
    if (got == 0) {
      if (!seekedEmpty && NextPass()) {
        seekedEmpty = true;
        continue;
      }
      if (resampler == nullptr) break;
      const std::vector<float> silence(2 * OggPaddingFrames(m_nRate), 0.0f);
      SDL_AudioStreamPut(resampler, silence.data(), static_cast<int>(silence.size() * sizeof(float)));
      SDL_AudioStreamFlush(resampler);
      m_bFlushed = true;
      continue;
    }
    seekedEmpty = false;
    if (resampler != nullptr) {
      SDL_AudioStreamPut(resampler, m_Native.data(), static_cast<int>(got * 2 * sizeof(float)));
    } else {
      std::copy(m_Native.begin(), m_Native.begin() + 2 * got, out + 2 * produced);
      produced += static_cast<int>(got);
    }
  }
  return produced;
}
