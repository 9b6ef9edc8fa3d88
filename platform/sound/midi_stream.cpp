#include "platform/sound/midi_stream.h"

#include <utility>

#include "core/log/report_log.h"
#include "platform/sound/audio_output.h"
#include "platform/sound/midi_path.h"

cMidiStream::cMidiStream(const char* path) : cMidiStream(path, g_AudioOutput.Mixer()) {}

cMidiStream::cMidiStream(const char* path, cMixer& mixer) : mixer_(mixer) {
  Load(path);
  if (m_lpImage.empty()) return;
  // The old system stream is gone and no synthesiser could be made: the player
  // runs its song silently so its state behaves as callers expect.
  ReportLogBoth("Midi %s Open %s", m_strName.c_str(), "SoundFont がないため無音で再生します");
  sequencer_.SetImage(m_lpImage);
  mixer_.AddSource(this);
  open_ = true;
}

cMidiStream::~cMidiStream() {
  if (open_) mixer_.RemoveSource(this);
}

void cMidiStream::Restart(int32_t loop) {
  if (!open_) return;
  mixer_.WithLock([&] { sequencer_.Restart(loop); });
}

void cMidiStream::Stop(int32_t pause) {
  if (!open_) return;
  mixer_.WithLock([&] { sequencer_.Stop(pause); });
}

cMidiSequencer cMidiStream::State() const {
  return mixer_.WithLock([&] { return sequencer_; });
}

void cMidiStream::MixInto(int32_t*, int frames) { sequencer_.Advance(frames, sink_); }

cMidiStreamList::cMidiStreamList() : cMidiStreamList(g_AudioOutput.Mixer()) {}
cMidiStreamList::cMidiStreamList(cMixer& mixer) : mixer_(mixer) {}
cMidiStreamList::~cMidiStreamList() { Reset(0); }

void cMidiStreamList::Reset(int32_t n) {
  for (cMidiStream*& player : m_vPlayers) {
    delete player;
    player = nullptr;
  }
  m_vPlayers.assign(static_cast<std::size_t>(n < 0 ? 0 : n), nullptr);
}

int32_t cMidiStreamList::Play(int32_t channel, const char* path, int32_t loop) {
  Stop(1);
  Reset(m_vPlayers.VectorSize());
  if (!IsMidPath(path)) return 0;
  if (channel < 0 || channel >= m_vPlayers.VectorSize()) return 0;
  cMidiStream* player = new cMidiStream(path, mixer_);
  m_vPlayers.CheckedVectorAt(channel) = player;
  if (player->m_lpImage.empty()) return 0;
  player->Restart(loop);
  return 1;
}

void cMidiStreamList::Stop(int32_t pause) {
  for (cMidiStream* player : m_vPlayers) {
    if (player != nullptr) player->Stop(pause);
  }
}
