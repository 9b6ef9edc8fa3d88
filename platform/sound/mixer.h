#pragma once
// cMixer: every sound of the program ends here. Its sources are the sound-effect
// buffers and the music players; Mix() sums them into one block of the output
// format (platform/sound/output_format.h). It is a plain object: the SDL audio
// callback calls Mix() on the program's mixer, and tests call it themselves on a
// mixer of their own and read the samples.
//
//   cMixer mixer;
//   cSoundBuffer* jump = mixer.CreateBuffer(ConvertWaveToOutput(wave));
//   mixer.SetVolume(jump, -600);          // hundredths of a dB: gain 10^(-0.3)
//   mixer.PlayFromStart(jump);
//   int16_t out[2 * 441];
//   mixer.Mix(out, 441);                  // 10 ms of interleaved stereo
//
// Rules:
// - One short lock per block: Mix() holds it while it mixes; every other call
//   takes it only to change state. Anything slow (reading files, converting,
//   parsing) happens before, outside it. Any thread may call.
// - A mono sound feeds both channels at its full gain (the centre pan).
// - Sources sum in 32 bits; the sum saturates to 16 bits once, at the end.
// - A music player is a cMixerSource: its MixInto runs under the lock, inside
//   Mix(); to change what it plays, swap the prepared state in with WithLock().

#include <cstdint>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include "platform/sound/sample_block.h"
#include "platform/sound/sound_buffer.h"

class cMixerSource {
 public:
  virtual ~cMixerSource() = default;
  // Adds frames of interleaved stereo to acc (2 x frames values). Called by Mix()
  // under the mixer's lock.
  virtual void MixInto(int32_t* acc, int frames) = 0;
};

class cMixer {
 public:
  cMixer() = default;
  cMixer(const cMixer&) = delete;
  cMixer& operator=(const cMixer&) = delete;

  // A stopped buffer at full volume over the block, owned by the mixer until
  // ReleaseBuffer. Null for a null or empty block.
  cSoundBuffer* CreateBuffer(std::shared_ptr<const cSampleBlock> block);
  // A new stopped buffer sharing source's samples, at full volume.
  cSoundBuffer* DuplicateBuffer(const cSoundBuffer* source);
  // Stops and destroys the buffer; null does nothing.
  void ReleaseBuffer(cSoundBuffer* buffer);

  // Stops the buffer, rewinds it and plays it once from its first frame.
  void PlayFromStart(cSoundBuffer* buffer);
  void StopBuffer(cSoundBuffer* buffer);
  bool IsPlaying(const cSoundBuffer* buffer) const;

  // Sets the volume, clamped to -10000..0; returns the value set.
  int32_t SetVolume(cSoundBuffer* buffer, int32_t volume);
  int32_t GetVolume(const cSoundBuffer* buffer) const;

  void AddSource(cMixerSource* source);
  void RemoveSource(cMixerSource* source);

  // Runs fn under the mixer's lock and returns its result.
  template <class Fn>
  decltype(auto) WithLock(Fn&& fn) {
    std::lock_guard<std::mutex> lock(m_Mutex);
    return std::forward<Fn>(fn)();
  }

  // Renders frames of interleaved stereo into out (2 x frames values).
  void Mix(int16_t* out, int frames);

  int BufferCount() const;

 private:
  void MixBuffer(cSoundBuffer& buffer, int32_t* acc, int frames);

  mutable std::mutex m_Mutex;
  std::vector<std::unique_ptr<cSoundBuffer>> m_Buffers;
  std::vector<cMixerSource*> m_Sources;
  std::vector<int32_t> m_Acc;
};
