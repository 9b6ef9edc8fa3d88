#include <gtest/gtest.h>

#include "core/input/input_state.h"

namespace {

void Push(cInput& input, int16_t dir, int16_t button, int frames) {
  for (int i = 0; i < frames; ++i) {
    input.wDir = dir;
    input.wButton = button;
    input.PushHistory();
    input.BuildPressHistory();
  }
}

bool AllRunsZero(const cVector<cVector<PRESSRUNDATA>>& histories) {
  for (const auto& history : histories) {
    if (history.VectorSize() != kInputHistoryLength) return false;
    for (const PRESSRUNDATA& run : history) {
      if (run.bPressed != 0 || run.nFrames != 0) return false;
    }
  }
  return true;
}

}  // namespace

TEST(InputStateTest, ConstructedStateIsNeutralWithRepeatTimingAndEmptyHistories) {
  cInput input;
  EXPECT_EQ(input.nRepeatDelay, 18);
  EXPECT_EQ(input.nRepeatInterval, 6);
  EXPECT_EQ(input.nKeypad, 5);
  EXPECT_EQ(input.wDir, 0);
  EXPECT_EQ(input.vDirPress.VectorSize(), kDirPatternCount);
  EXPECT_EQ(input.vButtonPress.VectorSize(), kButtonPatternCount);
  EXPECT_TRUE(AllRunsZero(input.vDirPress));
  EXPECT_TRUE(AllRunsZero(input.vButtonPress));
  EXPECT_EQ(g_InputList.VectorSize(), 1);
}

TEST(InputStateTest, PastStateFollowsTheRingAcrossChangesAndClears) {
  cInput input;
  Push(input, 0, 1, 3);
  Push(input, 0, 3, 1);  // the button word changes this frame
  EXPECT_EQ(input.GetPastState(1, 0), 3);
  EXPECT_EQ(input.GetPastState(1, 1), 1);
  EXPECT_EQ(input.GetPastState(1, 3), 1);
  // Fewer frames recorded than asked for: once round the ring, the newest word.
  EXPECT_EQ(input.GetPastState(1, 4), 3);

  input.ClearHistory();
  Push(input, 0, 4, 1);
  for (int32_t n : {1, 2, 31, 1000, 2147483647}) {
    SCOPED_TRACE(n);
    EXPECT_EQ(input.GetPastState(1, n), 4);
  }
  EXPECT_EQ(input.GetPastState(2, 0), 0);  // no third ring
  EXPECT_EQ(input.GetPastState(-1, 0), 0);
}

TEST(InputStateTest, RingKeepsThirtyTwoWordsAndCountsRepeats) {
  cInput input;
  for (int16_t w = 1; w <= 40; ++w) Push(input, w, 0, 1);
  EXPECT_EQ(input.GetPastState(0, 0), 40);
  EXPECT_EQ(input.GetPastState(0, 31), 9);
  Push(input, 40, 0, 4);
  EXPECT_EQ(input.aHistory[0][input.nHistoryPos[0]].nFrames, 5);
}

TEST(InputStateTest, PressHistoryPutsANewRunInFrontAndKeepsThirtyTwo) {
  cInput input;
  Push(input, 2, 0, 100);  // right for 100 frames
  const auto& right = input.vDirPress.CheckedVectorAt(2);
  EXPECT_EQ(right.front().bPressed, 1);
  EXPECT_EQ(right.front().nFrames, 100);
  Push(input, 0, 0, 1);
  EXPECT_EQ(right.VectorSize(), kInputHistoryLength);
  EXPECT_EQ(right.CheckedVectorAt(0).bPressed, 0);
  EXPECT_EQ(right.CheckedVectorAt(0).nFrames, 1);
  EXPECT_EQ(right.CheckedVectorAt(1).nFrames, 100);

  // 40 alternations: still 32 runs, the oldest dropped.
  for (int i = 0; i < 40; ++i) Push(input, static_cast<int16_t>(i % 2 ? 2 : 0), 0, 1);
  EXPECT_EQ(right.VectorSize(), kInputHistoryLength);
}

TEST(InputStateTest, RingAndPressRunsSaturateInsteadOfWrapping) {
  constexpr int32_t kMax = 2147483647;
  cInput input;
  Push(input, 2, 1, 1);
  input.aHistory[0][input.nHistoryPos[0]].nFrames = kMax;
  input.aHistory[1][input.nHistoryPos[1]].nFrames = kMax - 1;
  input.vDirPress.CheckedVectorAt(2).front().nFrames = kMax;
  input.vButtonPress.CheckedVectorAt(1).front().nFrames = kMax;
  Push(input, 2, 1, 3);
  EXPECT_EQ(input.aHistory[0][input.nHistoryPos[0]].nFrames, kMax);
  EXPECT_EQ(input.aHistory[1][input.nHistoryPos[1]].nFrames, kMax);
  EXPECT_EQ(input.vDirPress.CheckedVectorAt(2).front().nFrames, kMax);
  EXPECT_EQ(input.vButtonPress.CheckedVectorAt(1).front().nFrames, kMax);
  EXPECT_EQ(input.GetPastState(0, kMax), 2) << "a saturated run still answers the furthest look back";
}

TEST(InputStateTest, PatternsMatchExactlyButAnyDirectionAndButtonsByMask) {
  struct Case {
    int16_t dir, button;
    int dir_pressed, button_pressed;  // index pressed after one frame
  } const cases[] = {
      {5, 0, 5, 0},   // up-left is pattern 5, not left or up
      {9, 0, 6, 0},   // down-left
      {6, 0, 7, 0},   // up-right
      {10, 0, 8, 0},  // down-right
      {0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dir);
    cInput input;
    Push(input, c.dir, c.button, 1);
    for (int i = 0; i < kDirPatternCount - 1; ++i) {
      EXPECT_EQ(input.vDirPress.CheckedVectorAt(i).front().bPressed, i == c.dir_pressed ? 1 : 0) << i;
    }
    EXPECT_EQ(input.vDirPress.CheckedVectorAt(9).front().bPressed, c.dir != 0 ? 1 : 0);
  }
  cInput input;
  Push(input, 0, 0x82, 1);  // buttons 2 and 8
  for (int k = 0; k < kButtonPatternCount; ++k) {
    EXPECT_EQ(input.vButtonPress.CheckedVectorAt(k).front().bPressed, (k == 2 || k == 8) ? 1 : 0) << k;
  }
}

TEST(InputStateTest, ResetEmptiesEverythingTheStageReads) {
  cInput input;
  Push(input, 3, 7, 5);
  input.nKeypad = 1;
  input.Reset();
  EXPECT_EQ(input.wDir, 0);
  EXPECT_EQ(input.wButton, 0);
  EXPECT_EQ(input.nKeypad, 5);
  EXPECT_EQ(input.nHistoryPos[0], 0);
  EXPECT_EQ(input.GetPastState(0, 0), 0);
  EXPECT_TRUE(AllRunsZero(input.vDirPress));
  EXPECT_TRUE(AllRunsZero(input.vButtonPress));
}

TEST(InputStateTest, KeypadDigitIsInScreenOrderAndAxesCancel) {
  struct Case {
    int32_t dir, keypad;
  } const cases[] = {{0, 5}, {1, 4}, {2, 6}, {4, 2}, {8, 8}, {5, 1}, {6, 3}, {9, 7}, {10, 9}, {3, 5}, {12, 5}, {15, 5}, {7, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dir);
    EXPECT_EQ(DirBitsToKeypad(c.dir), c.keypad);
  }
}
