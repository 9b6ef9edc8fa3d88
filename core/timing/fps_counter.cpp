#include "core/timing/fps_counter.h"

#include "core/timing/tick_source.h"

namespace {

struct FpsCounter {
  bool bStarted = false;
  uint32_t dwWindowStart = 0;
  int32_t nFrames = 0;
  int32_t nPublished = 0;
};

FpsCounter g_Fps;

}  // namespace

int32_t CountFps(int32_t count) {
  if (!g_Fps.bStarted) {
    g_Fps.bStarted = true;
    g_Fps.dwWindowStart = GetTickCount32();
  }
  if (count != 0) {
    const uint32_t now = GetTickCount32();
    if (TicksBetween(g_Fps.dwWindowStart, now) >= 1000) {
      g_Fps.nPublished = g_Fps.nFrames;
      g_Fps.dwWindowStart = now;
      g_Fps.nFrames = 0;
    } else {
      ++g_Fps.nFrames;
    }
  }
  return g_Fps.nPublished;
}

void ResetFpsCounter() { g_Fps = FpsCounter{}; }
