#pragma once
// The sound slots: every sound the game can play has a slot with its own buffers,
// built at start-up from a list of sound files (g_SoundFiles) into g_SoundSlots,
// same index. Playing a slot restarts its next buffer from the beginning.

#include <cstdint>
#include <vector>

#include "core/containers/checked_vector.h"
#include "platform/sound/sound_buffer.h"

inline constexpr int kSoundPathSize = 260;

// One sound as start-up describes it.
struct SOUNDFILEDATA {
  char szPath[kSoundPathSize] = {};  // the WAV file (data path)
  int32_t nCount = 1;                // buffers of the slot: plays that may overlap
  int32_t nVolume = 0;               // hundredths of a dB set at creation; 0 leaves full
  int32_t nExtra = 0;                // not read by the sound layer
};

// One slot. It counts as loaded once lpBuffers is not empty (even when the file
// failed: a failed slot stays silent and is not tried again).
struct DSSOUNDDATA {
  char szName[kSoundPathSize] = {};
  std::vector<cSoundBuffer*> lpBuffers;  // owned by the mixer; null where none was made
  int32_t nCount = 0;                    // buffers made
  int32_t nNext = 0;                     // the buffer the next play uses
};

// What DSCreateSounds was given, so DS_Release can release the slots.
struct SOUNDLIST {
  cVector<DSSOUNDDATA>* lpSlots = nullptr;
  const cVector<SOUNDFILEDATA>* lpFiles = nullptr;
};

extern cVector<DSSOUNDDATA> g_SoundSlots;
extern cVector<SOUNDFILEDATA> g_SoundFiles;
extern SOUNDLIST g_SoundList;

// Copies path into a slot-sized field; false (field untouched) when it does not fit.
bool CopySoundPath(char (&field)[kSoundPathSize], const char* path);
