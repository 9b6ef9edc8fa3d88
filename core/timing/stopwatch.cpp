#include "core/timing/stopwatch.h"

#include "core/timing/tick_source.h"

uint32_t g_dwFrameWorkTime = 1;

namespace {
uint32_t g_dwWorkStart = 0;
}  // namespace

void ResetStopwatch() { g_dwWorkStart = GetTickCount32(); }

uint32_t GetStopwatch(bool restart) {
  const uint32_t elapsed = TicksBetween(g_dwWorkStart, GetTickCount32());
  if (restart) g_dwWorkStart = GetTickCount32();
  return elapsed;
}

void BeginFrameWork() { g_dwWorkStart = GetTickCount32(); }

uint32_t FrameWorkTime(bool measure) {
  if (measure) g_dwFrameWorkTime = TicksBetween(g_dwWorkStart, GetTickCount32());
  return g_dwFrameWorkTime;
}
