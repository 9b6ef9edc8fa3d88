#include "core/timing/cycle_count.h"

#include <gtest/gtest.h>

namespace {

TEST(CycleCountTest, CountsEveryNthCallAndReportsTheWrap) {
  const struct {
    int32_t mode;
    uint32_t n;
    int expected;
  } steps[] = {
      {0, 60, 0},                          // reset
      {1, 3, 0}, {1, 3, 0}, {1, 3, 1},     // every third call
      {2, 999, 1},                         // has just wrapped
      {1, 3, 0}, {2, 0, 0},                // one call later it has not
      {7, 3, 0}, {1, 3, 1}, {2, 3, 1},     // any other mode counts too
      {1, 3, 0}, {0, 3, 0}, {2, 3, 1},     // a reset wraps it
      {1, 1, 1}, {1, 1, 1},                // n = 1 acts every call
  };
  int step = 0;
  for (const auto& s : steps) {
    EXPECT_EQ(CycleCount(s.mode, s.n), s.expected) << "step " << step;
    ++step;
  }
}

}  // namespace
