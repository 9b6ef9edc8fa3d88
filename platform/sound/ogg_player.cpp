#include "platform/sound/ogg_player.h"

#include "core/mesbox/error_mesbox.h"
#include "platform/sound/audio_output.h"
#include "platform/sound/ogg_decoder.h"

cOggPlayer::cOggPlayer() : cOggPlayer(g_AudioOutput.Mixer()) {}
cOggPlayer::cOggPlayer(cMixer& mixer) : mixer_(mixer) {}
cOggPlayer::~cOggPlayer() { Release(); }

int32_t cOggPlayer::LoadDll() { return m_bAvailable ? 1 : 0; }

IVox* cOggPlayer::Player(int32_t i) const {
  if (i < 0 || i >= static_cast<int32_t>(m_lpPlayers.size())) return nullptr;
  return m_lpPlayers[static_cast<std::size_t>(i)];
}

void cOggPlayer::DeletePlayers() {
  for (IVox* player : m_lpPlayers) {
    if (player != nullptr) player->Delete();
  }
  m_lpPlayers.clear();
  m_nCount = 0;
  m_nCurrent = -1;
}

int32_t cOggPlayer::CreatePlayers(int32_t n) {
  // The old players are deleted, not just forgotten: one of them may be sounding.
  DeletePlayers();
  for (int32_t i = 0; i < n; ++i) {
    IVox* player = CreateVox(mixer_);
    if (player == nullptr) {
      OutOfMemoryClose();
      return 0;
    }
    m_lpPlayers.push_back(player);
  }
  m_nCount = static_cast<int32_t>(m_lpPlayers.size());
  return 1;
}

int32_t cOggPlayer::Play(int32_t i, const BGMOGGDATA* entry, int32_t loop, int32_t volume) {
  if (entry == nullptr || entry->szPath[0] == '\0') return 0;
  IVox* player = Player(i);
  if (player == nullptr) return 0;
  Stop();
  player->Reset();
  if (player->Load(entry->szPath) == 0) {
    m_nCurrent = -1;
    return 0;
  }
  // Every volume is set: skipping 100 would leave a player at the last music's level.
  player->SetVolume(volume >= 100 ? 1.0f : volume <= 0 ? 0.0f : static_cast<float>(volume * 0.01));
  player->SetLoop(loop ? kLoopForever : 0);
  player->Play();
  m_nCurrent = i;
  return 1;
}

void cOggPlayer::Stop() {
  if (m_nCurrent == -1) return;
  if (IVox* player = Player(m_nCurrent)) player->Stop();
  m_nCurrent = -1;
}

void cOggPlayer::SetVolume(int32_t i, float volume) {
  if (IVox* player = Player(i)) player->SetVolume(volume);
}

void cOggPlayer::Release() { DeletePlayers(); }
