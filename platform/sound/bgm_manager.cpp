#include "platform/sound/bgm_manager.h"

#include <cstring>
#include <string>

#include "core/globals/global_order.h"
#include "core/log/report_log.h"
#include "core/mesbox/error_mesbox.h"
#include "platform/sound/audio_output.h"
#include "platform/sound/ggs4_api.h"

VP_GLOBAL(kGlobalBgm, cBgmManager g_Bgm);

namespace {

enum : int32_t { kBgmUndecided = 0, kBgmOgg = 1, kBgmMidi = 2 };

bool CopyBgmPath(char (&field)[kBgmPathSize], const std::string& path) {
  if (path.size() >= kBgmPathSize) return false;
  std::memcpy(field, path.c_str(), path.size() + 1);
  return true;
}

}  // namespace

cBgmManager::cBgmManager() : cBgmManager(g_AudioOutput.Mixer()) {}
cBgmManager::cBgmManager(cMixer& mixer) : m_OggPlayer(mixer), m_GgsMidi(mixer), m_MidiStreams(mixer) {}
cBgmManager::~cBgmManager() { Release(); }

int32_t cBgmManager::Init(int32_t channels, BGMOGGDATA* oggTable, BGMMIDDATA* midTable, int32_t count) {
  std::lock_guard lock(m_Mutex);
  m_bInit = 1;
  if (!m_bOutput) {
    std::string reason;
    m_bOutput = g_AudioOutput.Acquire(&reason);
    if (!m_bOutput) ReportLog("BGM: %s", reason.c_str());
  }
  // Sized first: a failing Ogg side must not leave later calls an empty table.
  m_lpOggTable = oggTable;
  m_lpMidTable = midTable;
  m_vKind.assign(static_cast<std::size_t>(count < 0 ? 0 : count), kBgmUndecided);
  if (m_GgsMidi.Open()) {
    m_bGgs = 1;
  } else {
    m_bGgs = 0;
    m_MidiStreams.Reset(0);
  }
  m_bOggSide = m_OggPlayer.LoadDll() != 0;
  SetChannelsLocked(channels);
  if (!m_bOggSide) {
    ErrMesBoxF("oggの初期化に失敗！");
    return 0;
  }
  return 1;
}

int32_t cBgmManager::SetChannels(int32_t channels) {
  std::lock_guard lock(m_Mutex);
  return SetChannelsLocked(channels);
}

int32_t cBgmManager::SetChannelsLocked(int32_t channels) {
  if (!m_bInit) return 1;
  const int32_t n = channels < 0 ? 0 : channels;
  if (!m_bGgs) m_MidiStreams.Reset(n);
  if (m_bOggSide) m_OggPlayer.CreatePlayers(n);
  m_vPlaying.assign(static_cast<std::size_t>(n), 0);
  return 1;
}

int32_t cBgmManager::SetFile(int32_t index, const char* path, int32_t volume) {
  std::lock_guard lock(m_Mutex);
  if (!m_bInit) return 1;
  if (index < 0 || index >= m_vKind.VectorSize() || m_lpOggTable == nullptr || m_lpMidTable == nullptr) return 0;
  std::string file = path;
  if (file.size() >= kBgmPathSize) return 0;
  BGMOGGDATA& ogg = m_lpOggTable[index];
  BGMMIDDATA& mid = m_lpMidTable[index];
  const std::size_t dot = file.rfind('.');
  if (dot == std::string::npos) {
    file.clear();
    volume = 0;
  } else {
    const std::string ext = file.substr(dot + 1);
    if (ext == "mid" || ext == "MID") {
      CopyBgmPath(mid.szPath, file.substr(0, dot + 1) + "mid");
      mid.nVolume = volume;
      m_vKind.CheckedVectorAt(index) = kBgmMidi;
      return 1;
    }
    if (ext == "ogg" || ext == "OGG") {
      CopyBgmPath(ogg.szPath, file);
      ogg.nVolume = volume;
      m_vKind.CheckedVectorAt(index) = kBgmOgg;
      return 1;
    }
  }
  CopyBgmPath(ogg.szPath, file);
  CopyBgmPath(mid.szPath, file);
  ogg.nVolume = volume;
  mid.nVolume = volume;
  m_vKind.CheckedVectorAt(index) = kBgmUndecided;
  return 0;
}

int32_t cBgmManager::PlayOgg(int32_t channel, int32_t index, int32_t loop) {
  if (!m_bOggSide) return 0;
  const BGMOGGDATA& ogg = m_lpOggTable[index];
  return m_OggPlayer.Play(channel, &ogg, loop, ogg.nVolume);
}

int32_t cBgmManager::PlayMidi(int32_t channel, int32_t index, int32_t loop) {
  const BGMMIDDATA& mid = m_lpMidTable[index];
  return m_bGgs ? m_GgsMidi.Play(channel, mid.szPath, loop, mid.nVolume)
                : m_MidiStreams.Play(channel, mid.szPath, loop);
}

void cBgmManager::StopMidi(int32_t pause) {
  if (m_bGgs) {
    m_GgsMidi.Stop(pause);
  } else {
    m_MidiStreams.Stop(pause);
  }
}

int32_t cBgmManager::Play(int32_t channel, int32_t index, int32_t loop, int32_t pause, int32_t force) {
  std::lock_guard lock(m_Mutex);
  if (!m_bInit || (index == m_nCurrent && !force)) return 1;
  if (index < 0 || index >= m_vKind.VectorSize() || channel < 0 || channel >= m_vPlaying.VectorSize()) return 0;
  m_nCurrent = index;
  int32_t& playing = m_vPlaying.CheckedVectorAt(channel);
  const int32_t kind = m_vKind.CheckedVectorAt(index);
  if (kind != kBgmMidi && PlayOgg(channel, index, loop)) {
    playing = kBgmOgg;
    StopMidi(kind == kBgmUndecided && pause ? 1 : 0);
    return 1;
  }
  if (kind != kBgmOgg && PlayMidi(channel, index, loop)) {
    playing = kBgmMidi;
    m_OggPlayer.Stop();
    return 1;
  }
  playing = 0;
  m_nCurrent = -1;
  m_OggPlayer.Stop();
  StopMidi(0);
  return 0;
}

void cBgmManager::Stop() {
  std::lock_guard lock(m_Mutex);
  StopLocked();
}

void cBgmManager::StopLocked() {
  if (!m_bInit) return;
  StopMidi(0);
  m_OggPlayer.Stop();
}

int32_t cBgmManager::Release() {
  std::lock_guard lock(m_Mutex);
  if (!m_bInit) return 0;
  m_OggPlayer.Release();
  if (m_bGgs) {
    m_GgsMidi.Close();
    cGgs4Api::Unload();
  } else {
    m_MidiStreams.Reset(0);
  }
  m_bInit = 0;
  m_bGgs = 0;
  if (m_bOutput) g_AudioOutput.Release();
  m_bOutput = false;
  return 1;
}
