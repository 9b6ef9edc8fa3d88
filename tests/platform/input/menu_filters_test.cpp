#include "platform/input/menu_filters.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Frames on which RepeatDirection lets the given axis bits through.
std::vector<int> ReportedFrames(cInput& input, int frames, int16_t (*dirAt)(int), int16_t axis) {
  std::vector<int> reported;
  for (int f = 0; f < frames; ++f) {
    input.wDir = dirAt(f);
    RepeatDirection(input);
    if (input.wDir & axis) reported.push_back(f);
  }
  return reported;
}

TEST(RepeatDirectionTest, HeldDirectionRepeatsAfterTheDelayAtTheInterval) {
  cInput input;
  SetRepeat(input, 18, 6);
  auto right = [](int) -> int16_t { return 2; };
  EXPECT_EQ(ReportedFrames(input, 37, right, 3), (std::vector<int>{0, 18, 24, 30, 36}));
}

TEST(RepeatDirectionTest, EachAxisCountsOnItsOwn) {
  auto rightThenDown = [](int f) -> int16_t { return f < 20 ? 2 : 2 | 8; };
  cInput horizontal;
  EXPECT_EQ(ReportedFrames(horizontal, 45, rightThenDown, 3), (std::vector<int>{0, 18, 24, 30, 36, 42}));
  cInput vertical;
  EXPECT_EQ(ReportedFrames(vertical, 45, rightThenDown, 12), (std::vector<int>{20, 38, 44}));
}

TEST(RepeatDirectionTest, ReleaseOrReversalRestartsTheAxis) {
  auto pattern = [](int f) -> int16_t { return f < 20 ? 2 : f < 21 ? 0 : 1; };
  cInput input;
  EXPECT_EQ(ReportedFrames(input, 40, pattern, 3), (std::vector<int>{0, 18, 21, 39}));
}

TEST(RepeatDirectionTest, NeverSetAndNonPositiveIntervalsStaySafe) {
  auto right = [](int) -> int16_t { return 2; };
  cInput neverSet;  // the constructor's timing
  EXPECT_EQ(ReportedFrames(neverSet, 25, right, 3), (std::vector<int>{0, 18, 24}));
  for (int32_t interval : {0, -1, -6}) {
    SCOPED_TRACE(interval);
    cInput input;
    SetRepeat(input, 3, interval);
    EXPECT_EQ(ReportedFrames(input, 6, right, 3), (std::vector<int>{0, 3, 4, 5}));
  }
}

TEST(EdgeButtonsTest, APushIsReportedOnceUntilEveryMaskedButtonIsReleased) {
  struct Step {
    int16_t in;
    int16_t out;
  };
  struct Case {
    const char* name;
    int32_t mask;
    std::vector<Step> steps;
  };
  const Case cases[] = {
      {"mask 3",
       3,
       {{1, 1}, {1, 0}, {3, 0}, {2, 0}, {0, 0}, {2 | 4, 6}, {2 | 4, 4}, {4, 4}, {1 | 128, 129}, {1 | 128, 128}}},
      {"mask 0 is all eight", 0, {{128, 128}, {128, 0}, {128 | 1, 0}, {0, 0}, {129, 129}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cInput input;
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
      SCOPED_TRACE(testing::Message() << "frame " << i);
      input.wButton = c.steps[i].in;
      EdgeButtons(input, c.mask);
      EXPECT_EQ(input.wButton, c.steps[i].out);
    }
  }
}

}  // namespace
