#include "core/timing/wait_data.h"

#include <gtest/gtest.h>

namespace {

TEST(WaitDataTest, SetStartsWaitWithKeyDelayOnlyForFreshMessageKeyWait) {
  const struct {
    int32_t mode, keyWait, frames, noDelay;
    int32_t keyDelay;
  } cases[] = {
      {1, 1, 60, 0, 10},  // a message waiting for the key
      {1, 1, 60, 1, 0},   // a continued message takes the key at once
      {2, 1, 60, 0, 0},   // another wait
      {1, 0, 60, 0, 0},   // a timed message
      {3, 1, 0, 0, 0},
      {4, 0, 30, 0, 0},
  };
  for (const auto& c : cases) {
    WAITDATA wait;
    wait.nCount = 7;
    wait.nKeyDelay = 3;
    wait.Set(c.mode, c.keyWait, c.frames, c.noDelay);
    EXPECT_EQ(wait.nMode, c.mode);
    EXPECT_EQ(wait.bKeyWait, c.keyWait);
    EXPECT_EQ(wait.nFrames, c.frames);
    EXPECT_EQ(wait.nCount, 0);
    EXPECT_EQ(wait.nKeyDelay, c.keyDelay)
        << "mode " << c.mode << " key " << c.keyWait << " noDelay " << c.noDelay;
  }
}

}  // namespace
