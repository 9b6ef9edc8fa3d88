#pragma once
// cOggPlayer: the music manager's Ogg side, one IVox per channel; at most one of
// them plays (m_nCurrent).

#include <cstdint>
#include <vector>

#include "platform/sound/bgm_tables.h"
#include "platform/sound/mixer.h"
#include "platform/sound/vox.h"

class cOggPlayer {
 public:
  cOggPlayer();
  explicit cOggPlayer(cMixer& mixer);
  ~cOggPlayer();
  cOggPlayer(const cOggPlayer&) = delete;
  cOggPlayer& operator=(const cOggPlayer&) = delete;

  // 1: the decoder is linked into the program, so it is always there (tests
  // switch it off with m_bAvailable to run the manager without an Ogg side).
  int32_t LoadDll();
  int32_t CreatePlayers(int32_t n);
  int32_t Play(int32_t i, const BGMOGGDATA* entry, int32_t loop, int32_t volume);
  void Stop();
  void SetVolume(int32_t i, float volume);
  void Release();

  std::vector<IVox*> m_lpPlayers;
  int32_t m_nCount = 0;
  int32_t m_nCurrent = -1;
  bool m_bAvailable = true;

 private:
  IVox* Player(int32_t i) const;
  void DeletePlayers();
  cMixer& mixer_;
};
