#pragma once
// The stopwatch and the frame-work measurement. They share one start tick: the
// frame loop restarts it at the start of each frame's work, so a stopwatch reading
// taken inside a frame counts from there.

#include <cstdint>

// Last measured frame-work time in ms; 1 before the first measurement.
extern uint32_t g_dwFrameWorkTime;

// Start tick = now.
void ResetStopwatch();
// Ms since the start tick; with restart, the start tick then becomes a fresh
// reading of now.
uint32_t GetStopwatch(bool restart);
// Start tick = now; called by the frame loop when a frame's work begins.
void BeginFrameWork();
// With measure: g_dwFrameWorkTime = ms since the start tick, returned. Without:
// the stored value.
uint32_t FrameWorkTime(bool measure);
