#pragma once
// The menu filters every scene runs on the polled input at the top of a frame:
// held directions repeat after a delay, and a button push is reported once.
//
//   SetRepeat(input, 18, 6);       // start-up
//   RepeatDirection(input);        // right held: frames 0, 18, 24, 30 ...
//   EdgeButtons(input, 3);         // buttons 1 and 2 once per push; 3..8 pass

#include <cstdint>

#include "core/input/input_state.h"

void SetRepeat(cInput& input, int32_t nDelay, int32_t nInterval);

// Removes the bits of an axis held unchanged, except on the delay frame and
// every interval after it; each axis counts on its own. An interval below 1
// counts as 1.
void RepeatDirection(cInput& input);

// Reports the first frame with a masked button down (mask 0: all eight), then
// no masked button until all of them were released for a frame.
void EdgeButtons(cInput& input, int32_t nMask);
