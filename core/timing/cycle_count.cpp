#include "core/timing/cycle_count.h"

namespace {
uint32_t g_dwCycleCounter = 0;
}  // namespace

int CycleCount(int32_t mode, uint32_t n) {
  if (mode == 0) {
    g_dwCycleCounter = 0;
    return 0;
  }
  if (mode == 2) return g_dwCycleCounter == 0 ? 1 : 0;
  ++g_dwCycleCounter;
  if (g_dwCycleCounter >= n) {
    g_dwCycleCounter = 0;
    return 1;
  }
  return 0;
}
