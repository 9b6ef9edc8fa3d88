#include <algorithm>

#include "core/log/ec_log.h"
#include "core/log/report_log.h"
#include "platform/sound/sample_block.h"
#include "platform/sound/sound_effects.h"
#include "platform/sound/wave_reader.h"

bool DSCreateBuffer(cSoundBuffer** buffer, const char* path) {
  if (g_lpDS == nullptr) return true;
  WAVEDATA wave;
  if (!DSReadWaveFile(path, &wave)) {
    ReportLog("%s の読み込みに失敗しました！", path);
    return false;
  }
  cSoundBuffer* made = g_lpDS->CreateBuffer(ConvertWaveToOutput(wave));
  DSFreeWaveData(&wave);
  if (made == nullptr) {
    EcLog("%s生成失敗！", path);
    return false;
  }
  *buffer = made;
  return true;
}

bool DSDuplicateBuffer(cSoundBuffer** buffer, cSoundBuffer* source) {
  if (g_lpDS == nullptr) return true;
  *buffer = g_lpDS->DuplicateBuffer(source);
  return *buffer != nullptr;
}

bool DSCreateSound(DSSOUNDDATA* slot, const char* path, int32_t count, int32_t volume) {
  if (g_lpDS == nullptr) return true;
  DSReleaseSound(slot);
  *slot = DSSOUNDDATA{};
  // A count below 1 would leave no buffer to create the sound into.
  slot->lpBuffers.assign(static_cast<std::size_t>(std::max(count, 1)), nullptr);
  if (!DSCreateBuffer(&slot->lpBuffers.front(), path)) return false;
  int32_t made = 1;
  for (; made < static_cast<int32_t>(slot->lpBuffers.size()); ++made) {
    if (!DSDuplicateBuffer(&slot->lpBuffers[static_cast<std::size_t>(made)], slot->lpBuffers.front())) {
      EcLog("%sのメモリ共用バッファの生成失敗！", path);
      // The buffers made so far play and are released with the slot.
      slot->nCount = made;
      return false;
    }
  }
  slot->nCount = made;
  CopySoundPath(slot->szName, path);
  if (volume != 0) {
    for (int32_t i = 0; i < slot->nCount; ++i) DSSetVolume(slot, i, volume, 0);
  }
  return true;
}

int32_t DSCreateSounds(cVector<DSSOUNDDATA>* slots, const cVector<SOUNDFILEDATA>* files, int32_t volume) {
  g_SoundList.lpSlots = slots;
  g_SoundList.lpFiles = files;
  // A slot without a definition (or the reverse) has nothing to pair with.
  const int32_t count = std::min(slots->VectorSize(), files->VectorSize());
  for (int32_t i = 0; i < count; ++i) {
    DSSOUNDDATA& slot = slots->CheckedVectorAt(i);
    if (!slot.lpBuffers.empty()) continue;
    const SOUNDFILEDATA& file = files->CheckedVectorAt(i);
    DSCreateSound(&slot, file.szPath, file.nCount, volume != 0 ? volume : file.nVolume);
  }
  return 1;
}

void DSReleaseSound(DSSOUNDDATA* slot) {
  if (g_lpDS == nullptr || slot->lpBuffers.empty()) return;
  // Duplicates first, then the buffer they were made from.
  for (std::size_t i = slot->lpBuffers.size(); i-- > 0;) {
    g_lpDS->ReleaseBuffer(slot->lpBuffers[i]);
    slot->lpBuffers[i] = nullptr;
  }
  slot->lpBuffers.clear();
  slot->nCount = 0;
  slot->nNext = 0;
}
