#pragma once
// The Direct3D-mode frame pacer: the present polls it with 1 ms sleeps when
// vertical sync is off. Frame i of each one-second window is due 1000 * i / rate
// ms after the window opened, so a late frame does not shift the others of its
// second; after rate frames the next window opens at the tick of the last one.
//
// Which mode is active is a platform matter; core only keeps the switch. The
// graphics layer calls SetDirect3DPacing(true) once a Direct3D-mode device exists
// and false when it falls back to or starts in DirectDraw mode (the default).

#include <cstdint>

void SetDirect3DPacing(bool enabled);
bool IsDirect3DPacing();

// True at once in DirectDraw mode or for rate 0 or below; otherwise true when the
// next frame of the current window is due (and then counts it).
bool PaceFrame(int32_t rate);

// Back to the state before the first call (tests, device changes). Leaves the
// mode switch as it is.
void ResetFramePacer();

// What the frame-rate overlay shows, read after a due frame: the window start,
// the frame count, and averages over the last 16 due frames of the frame rate
// (from the ticks between them) and of the frame-work time.
struct cFramePacerSnapshot {
  uint32_t dwTime_OneSec = 0;
  int32_t nFrameCt_OneSec = 0;
  uint32_t nFpsAverage = 0;
  uint32_t nWorkAverage = 0;
};
cFramePacerSnapshot FramePacerSnapshot();
