#include "core/timing/frame_rate_limiter.h"

#include "core/timing/first_call_tick.h"
#include "core/timing/tick_source.h"

namespace {

// The next due tick; the first call's tick at first.
FirstCallTick g_NextDue;

}  // namespace

bool FrameRateDue(int32_t rate) {
  uint32_t& nextDue = g_NextDue.Get();
  const uint32_t now = GetTickCount32();
  if (rate <= 0) return true;
  if (TickIsBefore(now, nextDue)) return false;
  nextDue = now + static_cast<uint32_t>(1000 / rate);
  return true;
}

void ResetFrameRateLimiter() { g_NextDue = FirstCallTick{}; }
