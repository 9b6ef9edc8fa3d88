#include "core/timing/frame_pacer.h"

#include <atomic>

#include "core/timing/first_call_tick.h"
#include "core/timing/tick_source.h"

namespace {

// Set by the graphics layer on the window thread, read by the presenting thread.
std::atomic<bool> g_bDirect3DPacing{false};

struct FramePacer {
  FirstCallTick dwTime_OneSec;  // start of the current one-second window
  int32_t nFrameCt_OneSec = 0;
};

FramePacer g_Pacer;

// Frame ct of a window is due once elapsed >= 1000 * ct / rate. Compared exactly in
// integers: a floating-point product can land a hair above a whole millisecond and
// hold a frame back by one tick.
bool FrameIsDue(uint32_t elapsed, int32_t rate, int32_t ct) {
  return static_cast<uint64_t>(elapsed) * static_cast<uint64_t>(rate) >=
         1000u * static_cast<uint64_t>(ct);
}

}  // namespace

void SetDirect3DPacing(bool enabled) { g_bDirect3DPacing.store(enabled); }

bool IsDirect3DPacing() { return g_bDirect3DPacing.load(); }

bool PaceFrame(int32_t rate) {
  if (!IsDirect3DPacing() || rate <= 0) return true;
  uint32_t& windowStart = g_Pacer.dwTime_OneSec.Get();
  const uint32_t now = GetTickCount32();
  if (!FrameIsDue(TicksBetween(windowStart, now), rate, g_Pacer.nFrameCt_OneSec)) {
    return false;
  }
  if (++g_Pacer.nFrameCt_OneSec >= rate) {
    g_Pacer.nFrameCt_OneSec = 0;
    windowStart = now;
  }
  return true;
}

void ResetFramePacer() { g_Pacer = FramePacer{}; }
