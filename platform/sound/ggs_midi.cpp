#include "platform/sound/ggs_midi.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/mesbox/error_mesbox.h"
#include "platform/sound/audio_output.h"
#include "platform/sound/ggs4_api.h"
#include "platform/sound/midi_file.h"
#include "platform/sound/midi_path.h"

cGgsMidi::cGgsMidi() : cGgsMidi(g_AudioOutput.Mixer()) {}
cGgsMidi::cGgsMidi(cMixer& mixer) : mixer_(mixer) {}
cGgsMidi::~cGgsMidi() { Close(); }

int32_t cGgsMidi::Open() {
  if (sink_ != nullptr) return 1;
  if (cGgs4Api::Load() != 0) {
    DebugMesBoxF("dllがないテスト");
    return 0;
  }
  sink_ = std::make_unique<cFluidSink>(cGgs4Api::Instance().Synth());
  m_nListId = -1;
  m_nMasterVolume = 0;
  mixer_.AddSource(this);
  return 1;
}

void cGgsMidi::Close() {
  if (sink_ == nullptr) return;
  mixer_.RemoveSource(this);
  mixer_.WithLock([&] { sequencer_.SetImage({}); });
  sink_.reset();
}

int32_t cGgsMidi::MasterVolume(int32_t volume) {
  const double scaled = std::trunc(volume * 1.27);
  return static_cast<int32_t>(std::clamp(scaled - 127.0, -127.0, 0.0));
}

int32_t cGgsMidi::Play(int32_t id, const char* path, int32_t loop, int32_t volume) {
  Stop(1);
  if (sink_ == nullptr || !IsMidPath(path)) return 0;
  cMidiFile file;
  file.Load(path);
  if (file.m_lpImage.empty()) return 0;
  m_nMasterVolume = MasterVolume(volume);
  const float gain = static_cast<float>(m_nMasterVolume + 127) / 127.0f;
  mixer_.WithLock([&] {
    sequencer_.SetImage(std::move(file.m_lpImage));
    gain_ = gain;
    sequencer_.Restart(loop ? 1 : 0);
  });
  m_nListId = id;
  return 1;
}

void cGgsMidi::Stop(int32_t pause) {
  mixer_.WithLock([&] { sequencer_.Stop(pause); });
}

bool cGgsMidi::IsPlaying() const {
  return mixer_.WithLock([&] { return sequencer_.m_nState == 1; });
}

void cGgsMidi::MixInto(int32_t* acc, int frames) {
  if (sink_ == nullptr) return;
  // The synthesiser renders even while stopped: released notes fade out.
  sink_->BeginBlock(acc, frames, gain_);
  sequencer_.Advance(frames, *sink_);
  sink_->EndBlock();
}
