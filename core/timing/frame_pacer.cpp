#include "core/timing/frame_pacer.h"

#include <atomic>

#include "core/timing/first_call_tick.h"
#include "core/timing/stopwatch.h"
#include "core/timing/tick_source.h"

namespace {

// Set by the graphics layer on the window thread, read by the presenting thread.
std::atomic<bool> g_bDirect3DPacing{false};

constexpr int kPacerSamples = 16;

struct FramePacer {
  FirstCallTick dwTime_OneSec;  // start of the current one-second window
  int32_t nFrameCt_OneSec = 0;
  // The overlay's samples: frame rate and work time of the last due frames.
  uint32_t fps[kPacerSamples] = {};
  uint32_t work[kPacerSamples] = {};
  int32_t nSamples = 0;
  int32_t nNext = 0;
  uint32_t dwLastDue = 0;
  bool bHasLastDue = false;
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
  const uint32_t interval = g_Pacer.bHasLastDue ? TicksBetween(g_Pacer.dwLastDue, now) : 0;
  g_Pacer.fps[g_Pacer.nNext] = interval > 0 ? 1000u / interval : static_cast<uint32_t>(rate);
  g_Pacer.work[g_Pacer.nNext] = FrameWorkTime(false);
  g_Pacer.nNext = (g_Pacer.nNext + 1) % kPacerSamples;
  if (g_Pacer.nSamples < kPacerSamples) ++g_Pacer.nSamples;
  g_Pacer.dwLastDue = now;
  g_Pacer.bHasLastDue = true;
  if (++g_Pacer.nFrameCt_OneSec >= rate) {
    g_Pacer.nFrameCt_OneSec = 0;
    windowStart = now;
  }
  return true;
}

void ResetFramePacer() { g_Pacer = FramePacer{}; }

cFramePacerSnapshot FramePacerSnapshot() {
  cFramePacerSnapshot snapshot;
  snapshot.dwTime_OneSec = g_Pacer.dwTime_OneSec.Get();
  snapshot.nFrameCt_OneSec = g_Pacer.nFrameCt_OneSec;
  uint64_t fps = 0, work = 0;
  for (int i = 0; i < g_Pacer.nSamples; ++i) {
    fps += g_Pacer.fps[i];
    work += g_Pacer.work[i];
  }
  if (g_Pacer.nSamples > 0) {
    snapshot.nFpsAverage = static_cast<uint32_t>(fps / static_cast<uint64_t>(g_Pacer.nSamples));
    snapshot.nWorkAverage = static_cast<uint32_t>(work / static_cast<uint64_t>(g_Pacer.nSamples));
  }
  return snapshot;
}
