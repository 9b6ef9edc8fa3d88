#include "core/timing/fps_counter.h"

#include "core/timing/first_call_tick.h"
#include "core/timing/tick_source.h"

namespace {

struct FpsCounter {
  FirstCallTick windowStart;
  int32_t nFrames = 0;
  int32_t nPublished = 0;
};

FpsCounter g_Fps;

}  // namespace

int32_t CountFps(int32_t count) {
  uint32_t& windowStart = g_Fps.windowStart.Get();
  if (count != 0) {
    const uint32_t now = GetTickCount32();
    if (TicksBetween(windowStart, now) >= 1000) {
      g_Fps.nPublished = g_Fps.nFrames;
      windowStart = now;
      g_Fps.nFrames = 0;
    } else {
      ++g_Fps.nFrames;
    }
  }
  return g_Fps.nPublished;
}

void ResetFpsCounter() { g_Fps = FpsCounter{}; }
