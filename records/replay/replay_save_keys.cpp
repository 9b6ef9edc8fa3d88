#include "records/replay/replay_save_keys.h"

#include <optional>

#include "core/thread/sound_request.h"
#include "records/replay/file_dialog_request.h"
#include "records/replay/replay_file.h"
#include "records/settings/system_data.h"

namespace {

// The attempt whose key is down (F1 the current one, 0; F2 the previous one,
// 1); F1 first.
std::optional<WPARAM> PressedAttempt(const REPLAYKEYSTATE& keys) {
  if (keys.bF1Down) return 0;
  if (keys.bF2Down) return 1;
  return std::nullopt;
}

}  // namespace

int cReplaySaveKeys::Check(const REPLAYKEYSTATE& keys) {
  if (keys.bReplayPlayback || g_SystemData.m_bReplay == 0) return 0;
  if (m_nRefuseCooldown > 0) --m_nRefuseCooldown;
  const std::optional<WPARAM> attempt = PressedAttempt(keys);
  if (!attempt) return 0;
  if (ReplayAttempt(*attempt).lpLog->m_DirWords.empty()) {
    if (m_nRefuseCooldown <= 0) {
      PlaySE(kReplayRefuseSound);
      m_nRefuseCooldown = kReplayRefuseCooldown;
    }
    return 0;
  }
  PlaySE(kReplaySaveSound);
  RequestFileDialog(WM_APP_SAVE_REPLAY, *attempt);
  return 1;
}

int CheckReplaySaveKeys(const REPLAYKEYSTATE& keys) {
  static cReplaySaveKeys s_keys;
  return s_keys.Check(keys);
}
