#pragma once
// The DirectDraw-mode rate limiter: the frame loop polls it with 1 ms sleeps until
// the next frame is due.

#include <cstdint>

// True when a frame at rate frames per second is due; the next one is then due
// 1000 / rate (whole) ms later. The schedule restarts from each due frame, so a
// late frame shifts the following ones. rate 0 or below is always due. The first
// call's tick is due.
bool FrameRateDue(int32_t rate);

// Back to the state before the first call (tests).
void ResetFrameRateLimiter();
