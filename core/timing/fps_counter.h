#pragma once
// The frames-per-second counter of the frame loop: frames are counted in one-second
// windows and the count of the last full window is published.

#include <cstdint>

// The first call opens a window at the current tick. With count set: when a second
// or more has passed since the window opened, the frames counted so far are
// published and a new window opens now (this call's frame is not counted);
// otherwise one frame is counted. Returns the published count (0 at first).
int32_t CountFps(int32_t count);

// Back to the state before the first call (tests, restarts).
void ResetFpsCounter();
