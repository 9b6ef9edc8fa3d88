#include "core/timing/tick_source.h"

#include <time.h>

#include <utility>

namespace {

std::function<uint32_t()>& InstalledSource() {
  static std::function<uint32_t()> source;
  return source;
}

// The monotonic clock: never steps back when the wall clock is set. (<chrono> is
// avoided: under the CP932 execution charset its C++20 unit suffixes do not compile.)
uint32_t MonotonicTicks() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  const uint64_t ms = static_cast<uint64_t>(ts.tv_sec) * 1000u + static_cast<uint64_t>(ts.tv_nsec) / 1000000u;
  return static_cast<uint32_t>(ms);
}

}  // namespace

uint32_t GetTickCount32() {
  const auto& source = InstalledSource();
  return source ? source() : MonotonicTicks();
}

void SetTickSource(std::function<uint32_t()> source) { InstalledSource() = std::move(source); }

void ResetTickSource() { InstalledSource() = nullptr; }
