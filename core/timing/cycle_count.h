#pragma once
// An every-Nth-call counter: the stage's time limit acts once every 60 frames
// whatever the frame rate, and the play scene asks whether it has just wrapped.

#include <cstdint>

// mode 0: counter = 0, returns 0. mode 2: 1 when the counter is 0, else 0.
// Any other mode: one more call; when the counter reaches n it goes back to 0 and
// the result is 1, else 0.
int CycleCount(int32_t mode, uint32_t n);
