#include "platform/sound/sound_slots.h"

#include <cstring>

#include "core/globals/global_order.h"

VP_GLOBAL(kGlobalSoundSlots, cVector<DSSOUNDDATA> g_SoundSlots);
VP_GLOBAL(kGlobalSoundFiles, cVector<SOUNDFILEDATA> g_SoundFiles);
constinit SOUNDLIST g_SoundList;

bool CopySoundPath(char (&field)[kSoundPathSize], const char* path) {
  const std::size_t length = std::strlen(path);
  if (length >= kSoundPathSize) return false;
  std::memcpy(field, path, length + 1);
  return true;
}
