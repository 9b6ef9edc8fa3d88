#pragma once
// A timer's start tick that is taken at the timer's first call, not at program
// start, and kept from then on.

#include <cstdint>

#include "core/timing/tick_source.h"

struct FirstCallTick {
  bool bTaken = false;
  uint32_t dwTick = 0;

  // The tick, taken now when this is the first use.
  uint32_t& Get() {
    if (!bTaken) {
      bTaken = true;
      dwTick = GetTickCount32();
    }
    return dwTick;
  }
};
