#include "platform/sound/mixer.h"

#include <algorithm>
#include <cmath>

#include "platform/sound/volume_gain.h"

cSoundBuffer* cMixer::CreateBuffer(std::shared_ptr<const cSampleBlock> block) {
  if (block == nullptr || block->samples.empty()) return nullptr;
  auto buffer = std::make_unique<cSoundBuffer>(std::move(block));
  cSoundBuffer* made = buffer.get();
  std::lock_guard<std::mutex> lock(m_Mutex);
  m_Buffers.push_back(std::move(buffer));
  return made;
}

cSoundBuffer* cMixer::DuplicateBuffer(const cSoundBuffer* source) {
  if (source == nullptr) return nullptr;
  std::shared_ptr<const cSampleBlock> block;
  {
    std::lock_guard<std::mutex> lock(m_Mutex);
    block = source->block;
  }
  return CreateBuffer(std::move(block));
}

void cMixer::ReleaseBuffer(cSoundBuffer* buffer) {
  if (buffer == nullptr) return;
  std::unique_ptr<cSoundBuffer> gone;  // destroyed after the lock is let go
  std::lock_guard<std::mutex> lock(m_Mutex);
  auto it = std::find_if(m_Buffers.begin(), m_Buffers.end(), [&](const auto& b) { return b.get() == buffer; });
  if (it == m_Buffers.end()) return;
  gone = std::move(*it);
  *it = std::move(m_Buffers.back());
  m_Buffers.pop_back();
}

void cMixer::PlayFromStart(cSoundBuffer* buffer) {
  if (buffer == nullptr) return;
  std::lock_guard<std::mutex> lock(m_Mutex);
  buffer->position = 0;
  buffer->playing = true;
}

void cMixer::StopBuffer(cSoundBuffer* buffer) {
  if (buffer == nullptr) return;
  std::lock_guard<std::mutex> lock(m_Mutex);
  buffer->playing = false;
}

bool cMixer::IsPlaying(const cSoundBuffer* buffer) const {
  if (buffer == nullptr) return false;
  std::lock_guard<std::mutex> lock(m_Mutex);
  return buffer->playing;
}

int32_t cMixer::SetVolume(cSoundBuffer* buffer, int32_t volume) {
  const int32_t clamped = std::clamp(volume, kVolumeSilent, kVolumeFull);
  if (buffer == nullptr) return clamped;
  const float gain = VolumeToGain(clamped);
  std::lock_guard<std::mutex> lock(m_Mutex);
  buffer->volume = clamped;
  buffer->gain = gain;
  return clamped;
}

int32_t cMixer::GetVolume(const cSoundBuffer* buffer) const {
  if (buffer == nullptr) return 0;
  std::lock_guard<std::mutex> lock(m_Mutex);
  return buffer->volume;
}

void cMixer::AddSource(cMixerSource* source) {
  std::lock_guard<std::mutex> lock(m_Mutex);
  if (std::find(m_Sources.begin(), m_Sources.end(), source) == m_Sources.end()) m_Sources.push_back(source);
}

void cMixer::RemoveSource(cMixerSource* source) {
  std::lock_guard<std::mutex> lock(m_Mutex);
  m_Sources.erase(std::remove(m_Sources.begin(), m_Sources.end(), source), m_Sources.end());
}

int cMixer::BufferCount() const {
  std::lock_guard<std::mutex> lock(m_Mutex);
  return static_cast<int>(m_Buffers.size());
}

void cMixer::MixBuffer(cSoundBuffer& buffer, int32_t* acc, int frames) {
  const cSampleBlock& block = *buffer.block;
  const std::size_t total = block.Frames();
  const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(frames), total - buffer.position);
  const int16_t* in = block.samples.data() + buffer.position * static_cast<std::size_t>(block.channels);
  // Gain in 1/32768 steps: full gain stays exact, and the loop stays integer.
  const int32_t gain = static_cast<int32_t>(std::lrint(buffer.gain * 32768.0f));
  if (gain == 32768) {
    if (block.channels == 1) {
      for (std::size_t i = 0; i < count; ++i) acc[2 * i] += in[i], acc[2 * i + 1] += in[i];
    } else {
      for (std::size_t i = 0; i < 2 * count; ++i) acc[i] += in[i];
    }
  } else if (gain > 0) {
    auto scaled = [gain](int16_t s) { return (s * gain + 16384) >> 15; };
    if (block.channels == 1) {
      for (std::size_t i = 0; i < count; ++i) {
        const int32_t v = scaled(in[i]);
        acc[2 * i] += v;
        acc[2 * i + 1] += v;
      }
    } else {
      for (std::size_t i = 0; i < 2 * count; ++i) acc[i] += scaled(in[i]);
    }
  }
  buffer.position += count;
  if (buffer.position >= total) {
    buffer.playing = false;
    buffer.position = 0;
  }
}

void cMixer::Mix(int16_t* out, int frames) {
  if (frames <= 0) return;
  const std::size_t values = 2 * static_cast<std::size_t>(frames);
  std::lock_guard<std::mutex> lock(m_Mutex);
  m_Acc.assign(values, 0);
  for (auto& buffer : m_Buffers) {
    if (buffer->playing) MixBuffer(*buffer, m_Acc.data(), frames);
  }
  for (cMixerSource* source : m_Sources) source->MixInto(m_Acc.data(), frames);
  for (std::size_t i = 0; i < values; ++i) {
    out[i] = static_cast<int16_t>(std::clamp<int32_t>(m_Acc[i], INT16_MIN, INT16_MAX));
  }
}
