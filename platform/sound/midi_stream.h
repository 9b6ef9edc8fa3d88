#pragma once
// cMidiStream: the MIDI player used when the synthesiser cannot be made (no
// soundfont). It converts the file and keeps the player's state with the same
// sequencer, driven by the mixer, but has nothing to sound: MIDI is silent, and the
// log says why once per player. cMidiStreamList holds one per channel.
//
//   cMidiStreamList list;
//   list.m_vPlayers.resize(1);
//   list.Play(0, "bgm\\Title.mid", 1);   // 1 when the file converted
//   list.Stop(0);

#include <cstdint>

#include "core/containers/checked_vector.h"
#include "platform/sound/midi_file.h"
#include "platform/sound/midi_sequencer.h"
#include "platform/sound/midi_sink.h"
#include "platform/sound/mixer.h"

class cMidiStream : public cMidiFile, public cMixerSource {
 public:
  explicit cMidiStream(const char* path);
  cMidiStream(const char* path, cMixer& mixer);
  ~cMidiStream() override;
  cMidiStream(const cMidiStream&) = delete;
  cMidiStream& operator=(const cMidiStream&) = delete;

  void Restart(int32_t loop);
  void Stop(int32_t pause);

  // The sequencer's state: m_nPos, m_nState (0 stopped, 1 playing, 2 paused), m_bLoop.
  cMidiSequencer State() const;

  void MixInto(int32_t* acc, int frames) override;

 private:
  cMixer& mixer_;
  cMidiSequencer sequencer_;
  cNullMidiSink sink_;
  bool open_ = false;
};

class cMidiStreamList {
 public:
  cMidiStreamList();
  explicit cMidiStreamList(cMixer& mixer);
  ~cMidiStreamList();
  cMidiStreamList(const cMidiStreamList&) = delete;
  cMidiStreamList& operator=(const cMidiStreamList&) = delete;

  // Deletes every player, then plays path on channel; 1 when it plays.
  int32_t Play(int32_t channel, const char* path, int32_t loop);
  void Stop(int32_t pause);
  // Deletes every player and sizes the list to n empty slots.
  void Reset(int32_t n);

  cVector<cMidiStream*> m_vPlayers;

 private:
  cMixer& mixer_;
};
