#pragma once
// cBgmManager: the music manager, g_Bgm. It keeps, per music index, an Ogg and a
// MIDI file with their volumes (the tables given to Init), decides by extension
// which player an index uses, lets one kind sound at a time and does not restart
// the music already playing.
//
//   g_Bgm.Init(1, g_BgmOggTable, g_BgmMidTable, kBgmTableSize);
//   g_Bgm.SetFile(0, "bgm\\Title.ogg", 80);   // index 0: Ogg at 80 %
//   g_Bgm.Play(0, 0, 1, 0, 1);                // channel 0, index 0, loop, force
//   g_Bgm.Stop();
//   g_Bgm.Release();
//
// Kinds (m_vKind): 0 undecided (try Ogg, then MIDI), 1 Ogg, 2 MIDI; m_vPlaying per
// channel: 0 nothing, 1 Ogg, 2 MIDI. MIDI plays through FluidSynth (m_bGgs 1) or,
// without a soundfont, through the silent stream players (m_bGgs 0). Any thread
// may call: the manager has its own lock, and the players take the mixer's.

#include <cstdint>
#include <mutex>

#include "core/containers/checked_vector.h"
#include "platform/sound/bgm_tables.h"
#include "platform/sound/ggs_midi.h"
#include "platform/sound/midi_stream.h"
#include "platform/sound/mixer.h"
#include "platform/sound/ogg_player.h"

class cBgmManager {
 public:
  cBgmManager();
  explicit cBgmManager(cMixer& mixer);
  ~cBgmManager();
  cBgmManager(const cBgmManager&) = delete;
  cBgmManager& operator=(const cBgmManager&) = delete;

  // 1 ready; 0 without an Ogg side (then MIDI plays alone).
  int32_t Init(int32_t channels, BGMOGGDATA* oggTable, BGMMIDDATA* midTable, int32_t count);
  int32_t SetChannels(int32_t channels);
  // 1 when the extension chose the kind; 0 otherwise, and for a refused request.
  int32_t SetFile(int32_t index, const char* path, int32_t volume);
  // 1 playing (or nothing to do); 0 failed, and for a channel or index out of range.
  int32_t Play(int32_t channel, int32_t index, int32_t loop, int32_t pause, int32_t force);
  void Stop();
  int32_t Release();

  int32_t m_bInit = 0;
  cOggPlayer m_OggPlayer;
  BGMOGGDATA* m_lpOggTable = nullptr;
  int32_t m_bGgs = 0;
  cGgsMidi m_GgsMidi;
  cMidiStreamList m_MidiStreams;
  BGMMIDDATA* m_lpMidTable = nullptr;
  int32_t m_nCurrent = -1;
  cVector<int32_t> m_vKind;
  cVector<int32_t> m_vPlaying;

 private:
  int32_t SetChannelsLocked(int32_t channels);
  int32_t PlayOgg(int32_t channel, int32_t index, int32_t loop);
  int32_t PlayMidi(int32_t channel, int32_t index, int32_t loop);
  void StopMidi(int32_t pause);
  void StopLocked();

  std::recursive_mutex m_Mutex;
  bool m_bOggSide = false;
  bool m_bOutput = false;  // holds the audio output
};

extern cBgmManager g_Bgm;
