#include "core/thread/sound_request.h"

#include <atomic>

#include "core/thread/messages.h"

namespace {
std::atomic<int> g_projectSoundCount{-1};
}  // namespace

void PlaySE(int n) {
  SendMessage(g_hWnd, WM_APP_PLAY_SOUND, static_cast<WPARAM>(n), 0);
}

void PlayProjectSE(int n) {
  const int sound = static_cast<std::int16_t>(n);
  // A number below 1 or past the database would name a slot that holds no sound
  // of the project (or none at all).
  if (sound <= 0) return;
  const int count = g_projectSoundCount.load();
  if (count >= 0 && sound > count) return;
  PlaySE(sound + kProjectSoundSlotBase);
}

void SetProjectSoundCount(int count) { g_projectSoundCount = count; }
