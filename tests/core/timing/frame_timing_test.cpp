// The rate limiter, the frame pacer and the fps counter against a fake clock, from
// an ordinary start tick and from one that crosses the 32-bit wrap.

#include <cstdint>
#include <vector>

#include "fake_clock.h"

namespace {

class FrameTimingTest : public FakeClockTest, public ::testing::WithParamInterface<uint32_t> {
 protected:
  void SetUp() override {
    FakeClockTest::SetUp();
    start_ = GetParam();
    now_ = start_;
  }
  void At(uint32_t offset) { now_ = start_ + offset; }

  uint32_t start_ = 0;
};

INSTANTIATE_TEST_SUITE_P(StartTicks, FrameTimingTest, ::testing::ValuesIn(kStartTicks));

struct TimedCall {
  uint32_t at;  // ms after the start tick
  int32_t rate;
  bool due;
};

TEST_P(FrameTimingTest, FrameRateDueSpacesFramesByWholeMilliseconds) {
  const TimedCall calls[] = {
      {0, 60, true},     {10, 60, false},   {16, 60, true},   {31, 60, false},
      {32, 60, true},    {33, 0, true},     {33, 0, true},    {100, 60, true},  // late
      {115, 60, false},  {116, 60, true},   {116, 60, false}, {132, 1000, true},
      {132, 1000, false}, {133, 1000, true}, {133, -5, true},  {400, 30, true},
      {432, 30, false},  {433, 30, true},
  };
  for (const TimedCall& call : calls) {
    At(call.at);
    EXPECT_EQ(FrameRateDue(call.rate), call.due) << "at +" << call.at << " rate " << call.rate;
  }
}

TEST_P(FrameTimingTest, FrameRateDueFirstCallIsDue) {
  At(700);
  EXPECT_TRUE(FrameRateDue(60));
  EXPECT_FALSE(FrameRateDue(60));
}

// Polls as the present does, with no work time between frames, and returns the
// offsets from the start tick at which frames passed.
std::vector<uint32_t> PacedFrameTicks(uint32_t& now, uint32_t start, int32_t rate, int frames) {
  std::vector<uint32_t> ticks;
  for (int i = 0; i < frames; ++i) {
    for (int polls = 0; !PaceFrame(rate); ++polls) {
      if (polls > 2000) return ticks;  // stuck: the caller sees too few frames
      ++now;
    }
    ticks.push_back(now - start);
  }
  return ticks;
}

TEST_P(FrameTimingTest, PaceFramePlacesFramesAtFixedOffsetsOfEachSecond) {
  SetDirect3DPacing(true);
  const std::vector<uint32_t> ticks = PacedFrameTicks(now_, start_, 60, 62);
  ASSERT_EQ(ticks.size(), 62u);
  // Frame i of the first second passes from 1000 * i / 60 ms on (16.67 x i).
  const uint32_t firstSecond[] = {0, 17, 34, 50, 67, 84, 100};
  for (size_t i = 0; i < std::size(firstSecond); ++i) EXPECT_EQ(ticks[i], firstSecond[i]) << i;
  EXPECT_EQ(ticks[59], 984u);  // 983.33
  // The next second starts at frame 59's tick and its frame 0 passes at once.
  EXPECT_EQ(ticks[60], 984u);
  EXPECT_EQ(ticks[61], 1001u);
}

TEST_P(FrameTimingTest, PaceFrameLateFrameDoesNotShiftTheOthersOfItsSecond) {
  SetDirect3DPacing(true);
  const TimedCall calls[] = {
      {0, 60, true},   {40, 60, true},  {40, 60, true},  // frames 1 and 2 catch up
      {40, 60, false}, {49, 60, false}, {50, 60, true},  // frame 3 keeps its place
      {50, 60, false}, {66, 60, false}, {67, 60, true},
  };
  for (const TimedCall& call : calls) {
    At(call.at);
    EXPECT_EQ(PaceFrame(call.rate), call.due) << "at +" << call.at;
  }
}

TEST_P(FrameTimingTest, PaceFrameIsAlwaysTrueInDirectDrawModeOrAtRateZero) {
  At(0);
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(PaceFrame(60));  // DirectDraw mode
  SetDirect3DPacing(true);
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(PaceFrame(0));
  EXPECT_TRUE(PaceFrame(60));
  EXPECT_FALSE(PaceFrame(60));
}

struct FpsCall {
  uint32_t at;
  int32_t published;
};

// Called every 10 ms: 100 frames in the first second; every later window loses
// the frame of the call that publishes, so 99.
TEST_P(FrameTimingTest, CountFpsPublishesFramesOfLastFullSecond) {
  std::vector<FpsCall> expected = {{0, 0}, {990, 0}, {1000, 100}, {1990, 100},
                                   {2000, 99}, {2990, 99}, {3000, 99}};
  size_t next = 0;
  for (uint32_t t = 0; t <= 3000; t += 10) {
    At(t);
    const int32_t published = CountFps(1);
    if (next < expected.size() && expected[next].at == t) {
      EXPECT_EQ(published, expected[next].published) << "at +" << t;
      ++next;
    }
  }
  EXPECT_EQ(next, expected.size());
}

TEST_P(FrameTimingTest, CountFpsWithoutCountOnlyReads) {
  At(0);
  CountFps(0);  // opens the window
  At(500);
  CountFps(1);
  At(999);
  EXPECT_EQ(CountFps(0), 0);
  At(1000);
  EXPECT_EQ(CountFps(1), 1);
  At(5000);
  EXPECT_EQ(CountFps(0), 1);
}

}  // namespace
