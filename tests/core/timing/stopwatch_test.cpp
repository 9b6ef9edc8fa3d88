#include "core/timing/stopwatch.h"

#include "fake_clock.h"

namespace {

using StopwatchTest = FakeClockTest;

TEST_F(StopwatchTest, MeasuresAcrossTheTickWrap) {
  now_ = 0xFFFFFFF0u;
  ResetStopwatch();
  now_ += 32;  // wraps to 0x10
  EXPECT_EQ(GetStopwatch(false), 32u);
  EXPECT_EQ(GetStopwatch(true), 32u);
  now_ += 5;
  EXPECT_EQ(GetStopwatch(false), 5u);
}

TEST_F(StopwatchTest, FrameWorkTimeKeepsLastMeasurement) {
  now_ = 0xFFFFFFFAu;
  BeginFrameWork();
  now_ += 12;
  EXPECT_EQ(FrameWorkTime(true), 12u);
  EXPECT_EQ(g_dwFrameWorkTime, 12u);
  now_ += 40;
  EXPECT_EQ(FrameWorkTime(false), 12u);
  // The stopwatch and the frame work share one start.
  EXPECT_EQ(GetStopwatch(false), 52u);
}

}  // namespace
