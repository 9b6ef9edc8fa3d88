#include "records/replay/replay_save_keys.h"

#include "core/thread/sound_request.h"
#include "records/replay/file_dialog_request.h"
#include "records/replay/input_log.h"
#include "records/settings/system_data.h"

namespace {

struct SaveTarget {
  WPARAM wParam;
  const cInputLog* log;
};

// The attempt whose key is down, F1 first; none when neither is.
const SaveTarget* PressedTarget(const REPLAYKEYSTATE& keys) {
  static const SaveTarget kCurrent{0, &g_InputLog};
  static const SaveTarget kPrevious{1, &g_InputLogPrev};
  if (keys.bF1Down) return &kCurrent;
  if (keys.bF2Down) return &kPrevious;
  return nullptr;
}

}  // namespace

int cReplaySaveKeys::Check(const REPLAYKEYSTATE& keys) {
  if (keys.bReplayPlayback || g_SystemData.m_bReplay == 0) return 0;
  if (m_nRefuseCooldown > 0) --m_nRefuseCooldown;
  const SaveTarget* target = PressedTarget(keys);
  if (!target) return 0;
  if (target->log->m_DirWords.empty()) {
    if (m_nRefuseCooldown <= 0) {
      PlaySE(kReplayRefuseSound);
      m_nRefuseCooldown = kReplayRefuseCooldown;
    }
    return 0;
  }
  PlaySE(kReplaySaveSound);
  RequestFileDialog(WM_APP_SAVE_REPLAY, target->wParam);
  return 1;
}

int CheckReplaySaveKeys(const REPLAYKEYSTATE& keys) {
  static cReplaySaveKeys s_keys;
  return s_keys.Check(keys);
}
