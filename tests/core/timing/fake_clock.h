#pragma once
// A tick source the test moves by hand. Installed for the fixture's lifetime; the
// timers' own state is reset so every test starts from a first call.

#include <gtest/gtest.h>

#include <cstdint>

#include "core/timing/fps_counter.h"
#include "core/timing/frame_pacer.h"
#include "core/timing/frame_rate_limiter.h"
#include "core/timing/tick_source.h"

class FakeClockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetTickSource([this] { return now_; });
    ResetFpsCounter();
    ResetFrameRateLimiter();
    ResetFramePacer();
    SetDirect3DPacing(false);
  }
  void TearDown() override {
    SetDirect3DPacing(false);
    ResetTickSource();
  }

  uint32_t now_ = 0;
};

// Start ticks every timing table runs from: an ordinary one, and one just before
// the 32-bit tick count wraps so the run crosses 0xFFFFFFFF -> 0.
inline constexpr uint32_t kStartTicks[] = {5000u, 0xFFFFFF00u};
