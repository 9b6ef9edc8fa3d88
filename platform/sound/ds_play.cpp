#include <algorithm>

#include "platform/sound/sound_effects.h"
#include "platform/sound/volume_gain.h"

namespace {

cSoundBuffer* SlotBuffer(DSSOUNDDATA* slot, int32_t i) {
  if (slot == nullptr || i < 0 || i >= static_cast<int32_t>(slot->lpBuffers.size())) return nullptr;
  return slot->lpBuffers[static_cast<std::size_t>(i)];
}

}  // namespace

void DSPlay(DSSOUNDDATA* slot, int32_t) {
  if (g_lpDS == nullptr || slot == nullptr) return;
  // Under the mixer's lock: two threads playing one slot must not share nNext.
  g_lpDS->WithLock([slot] {
    cSoundBuffer* buffer = SlotBuffer(slot, slot->nNext);
    if (buffer == nullptr) return;
    buffer->position = 0;
    buffer->playing = true;
    slot->nNext = slot->nNext + 1 >= slot->nCount ? 0 : slot->nNext + 1;
  });
}

int32_t DSGetVolume(DSSOUNDDATA* slot, int32_t i) {
  if (g_lpDS == nullptr) return 0;
  cSoundBuffer* buffer = SlotBuffer(slot, i);
  return buffer == nullptr ? 0 : g_lpDS->GetVolume(buffer);
}

int32_t DSSetVolume(DSSOUNDDATA* slot, int32_t i, int32_t volume, int32_t relative) {
  if (g_lpDS == nullptr) return 0;
  cSoundBuffer* buffer = SlotBuffer(slot, i);
  if (buffer == nullptr) return 0;
  // Added wide: two large volumes must clamp, not wrap.
  int64_t wanted = volume;
  if (relative == 1) wanted += g_lpDS->GetVolume(buffer);
  return g_lpDS->SetVolume(buffer, static_cast<int32_t>(std::clamp<int64_t>(wanted, kVolumeSilent, kVolumeFull)));
}
