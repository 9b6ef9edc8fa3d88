#pragma once
// The sound-effect functions over the program's mixer. g_lpDS is the mixer while
// the sound side holds the audio output (between DS_Init and DS_Release), null
// otherwise; without it every function returns at once (the creators report
// success, so a program without sound runs on).
//
//   DS_Init(g_hWnd, 22050, 8, 1);                       // takes the output
//   DSCreateSounds(&g_SoundSlots, &g_SoundFiles, -500);  // every slot at -5 dB
//   DSPlay(&g_SoundSlots.CheckedVectorAt(3), 0);         // any thread
//   DSSetVolume(&slot, 0, -1000, 1);                     // 10 dB quieter
//   DS_Release();
//
// Volumes are hundredths of a decibel, -10000 (silent) to 0 (full).

#include <cstdint>

#include "core/thread/messages.h"
#include "platform/sound/mixer.h"
#include "platform/sound/sound_slots.h"

extern cMixer* g_lpDS;

// Takes the audio output. The window, rate, bits and channels describe the old
// device format and are not used: the output format is fixed.
bool DS_Init(HWND window, int32_t samplesPerSec, int32_t bitsPerSample, int32_t channels);
// Releases every slot DSCreateSounds was given and lets the output go.
void DS_Release();

// Creates every slot not loaded yet, slot i from file i. A volume other than 0
// replaces the files' own volumes. Returns 1.
int32_t DSCreateSounds(cVector<DSSOUNDDATA>* slots, const cVector<SOUNDFILEDATA>* files, int32_t volume);
bool DSCreateSound(DSSOUNDDATA* slot, const char* path, int32_t count, int32_t volume);
void DSReleaseSound(DSSOUNDDATA* slot);
bool DSCreateBuffer(cSoundBuffer** buffer, const char* path);
bool DSDuplicateBuffer(cSoundBuffer** buffer, cSoundBuffer* source);

// Restarts the slot's next buffer from its beginning; flags are not used.
void DSPlay(DSSOUNDDATA* slot, int32_t flags);
// Sets buffer i's volume (added to its current one when relative is 1), clamped;
// returns the value set, 0 when there is no such buffer.
int32_t DSSetVolume(DSSOUNDDATA* slot, int32_t i, int32_t volume, int32_t relative);
int32_t DSGetVolume(DSSOUNDDATA* slot, int32_t i);
