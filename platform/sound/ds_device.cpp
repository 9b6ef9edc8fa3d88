#include <string>

#include "core/log/ec_log.h"
#include "core/log/report_log.h"
#include "platform/sound/audio_output.h"
#include "platform/sound/sound_effects.h"

cMixer* g_lpDS = nullptr;

bool DS_Init(HWND, int32_t, int32_t, int32_t) {
  if (g_lpDS != nullptr) return true;
  std::string reason;
  if (!g_AudioOutput.Acquire(&reason)) {
    EcLog("DIRECTSOUNDCREATE_ERR!");
    // The EC log is off and start-up then ends without a box: this line is the
    // only trace of why.
    ReportLog("DS_Init: %s", reason.c_str());
    return false;
  }
  g_lpDS = &g_AudioOutput.Mixer();
  g_SoundList = {};
  return true;
}

void DS_Release() {
  if (g_lpDS == nullptr) return;
  // Start-up may fail between DS_Init and DSCreateSounds: release what exists.
  if (g_SoundList.lpSlots != nullptr) {
    for (DSSOUNDDATA& slot : *g_SoundList.lpSlots) DSReleaseSound(&slot);
  }
  g_SoundList = {};
  g_lpDS = nullptr;
  g_AudioOutput.Release();
}
