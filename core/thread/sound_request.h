#pragma once
// The sound requests game code sends to the window thread, which owns the sound
// slots. Both wait until the window thread has handled the request.

#include <cstdint>

// Slot of the first project sound: project sound n plays in slot n + 16.
constexpr int kProjectSoundSlotBase = 16;

// Plays system sound slot n.
void PlaySE(int n);

// Plays sound n (taken as a signed 16-bit number) of the project's sound database.
// 0, negative numbers and numbers past the known sound count send nothing.
void PlayProjectSE(int n);

// The number of sounds in the project's sound database, once it is loaded. Negative
// (the start) means not known yet: any number from 1 up is sent.
void SetProjectSoundCount(int count);
