#include "core/timing/frame_rate_limiter.h"

#include "core/timing/tick_source.h"

namespace {

struct RateLimiter {
  bool bStarted = false;
  uint32_t dwNextDue = 0;
};

RateLimiter g_Limiter;

}  // namespace

bool FrameRateDue(int32_t rate) {
  if (!g_Limiter.bStarted) {
    g_Limiter.bStarted = true;
    g_Limiter.dwNextDue = GetTickCount32();
  }
  const uint32_t now = GetTickCount32();
  if (rate <= 0) return true;
  if (TickIsBefore(now, g_Limiter.dwNextDue)) return false;
  g_Limiter.dwNextDue = now + static_cast<uint32_t>(1000 / rate);
  return true;
}

void ResetFrameRateLimiter() { g_Limiter = RateLimiter{}; }
