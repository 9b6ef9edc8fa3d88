#pragma once
// The millisecond clock every timer of the program reads: a 32-bit tick count
// that wraps after about 49.7 days. Compare ticks only through the helpers below,
// which stay right across the wrap.

#include <cstdint>
#include <functional>

// Milliseconds of the monotonic clock, cut to 32 bits; or the installed source.
uint32_t GetTickCount32();

// Replaces the clock (tests install a fake one). Install and reset it while no
// other thread reads the clock.
void SetTickSource(std::function<uint32_t()> source);
// Back to the monotonic clock.
void ResetTickSource();

// Milliseconds from earlier to later, right across the wrap.
inline uint32_t TicksBetween(uint32_t earlier, uint32_t later) { return later - earlier; }

// True when tick a comes before tick b, taking the nearer way round the wrap.
inline bool TickIsBefore(uint32_t a, uint32_t b) {
  return static_cast<int32_t>(a - b) < 0;
}
