#include <gtest/gtest.h>

#include <initializer_list>

#include "records/database/database.h"
#include "records/database/runtime/effect_state.h"
#include "records/database/runtime/effect_state_tables.h"

namespace {

// Effect records of one kind with parameters P0..P2, their templates built.
class CharaEffectStateTest : public ::testing::Test {
 protected:
  void SetUp() override { saved_ = g_Database.m_CharaEffects; }
  void TearDown() override {
    g_Database.m_CharaEffects = saved_;
    g_CharaEffectStates.clear();
    g_CharaEffectStatesRev.clear();
  }

  // Record 1 of kind with duration (tenths) and start, end.
  static void Prepare(int32_t kind, int32_t duration, int32_t start, int32_t end) {
    g_Database.m_CharaEffects.resize(2);
    cCharaEffect& record = g_Database.m_CharaEffects.CheckedVectorAt(1);
    record.m_nKind = kind;
    record.m_nParams[0] = duration;
    record.m_nParams[1] = start;
    record.m_nParams[2] = end;
    BuildCharaEffectStates(g_CharaEffectStates, g_CharaEffectStatesRev);
  }

  // Steps until the run ends; the frame count, or -1 past limit.
  static int32_t FramesToEnd(cCharaEffectState& state, int32_t limit = 10000) {
    for (int32_t frame = 1; frame <= limit; ++frame) {
      if (state.Step()) return frame;
    }
    return -1;
  }

  cVector<cCharaEffect> saved_;
};

TEST_F(CharaEffectStateTest, ForwardAndReversedRuns) {
  Prepare(11, 1, 32, 68);  // zoom 32 -> 68 over 6 frames, 6 a frame
  cCharaEffectState state;
  state.Start(1, 0, 0);
  EXPECT_EQ(state.m_nStart, 32);
  EXPECT_EQ(state.m_dStep, 6);
  EXPECT_EQ(FramesToEnd(state), 7);  // still at most 68 after the 6th step

  state.Start(1, 1, 0);
  EXPECT_EQ(state.m_bReversed, 1);
  EXPECT_EQ(state.m_nStart, 68);
  EXPECT_EQ(state.m_nEnd, 32);
  EXPECT_EQ(FramesToEnd(state), 7);
}

TEST_F(CharaEffectStateTest, EqualEndsRunForTheDurationOnly) {
  Prepare(11, 2, 40, 40);
  cCharaEffectState state;
  state.Start(1, 0, 0);
  EXPECT_DOUBLE_EQ(state.m_dStep, 1.0 / 6);
  EXPECT_EQ(FramesToEnd(state), 13);
}

TEST_F(CharaEffectStateTest, ThereAndBackTurnsOnceUnlessLooping) {
  Prepare(11, 1, 0, 60);
  cCharaEffectState state;
  state.Start(1, 2, 0);
  EXPECT_EQ(FramesToEnd(state), 7 + 7);
  EXPECT_EQ(state.m_bReversed, 1);

  state.Start(1, 2, 1);
  EXPECT_EQ(FramesToEnd(state, 100), -1);
  EXPECT_EQ(state.m_nCleared, 0);
}

TEST_F(CharaEffectStateTest, NegativeOrZeroDurationEndsAtTheFirstStep) {
  for (int32_t kind : {11, 6, 14}) {
    for (int32_t duration : {-5, 0}) {
      SCOPED_TRACE(::testing::Message() << "kind " << kind << " duration " << duration);
      Prepare(kind, duration, 0, 60);
      cCharaEffectState state;
      state.Start(1, 0, 0);
      EXPECT_EQ(FramesToEnd(state), 1);
    }
  }
}

TEST_F(CharaEffectStateTest, BlinkRunsItsDurationWithCountersCleared) {
  Prepare(6, 3, 9, 9);
  cCharaEffectState state;
  state.m_nCounter1 = 5;
  state.Start(1, 0, 0);
  EXPECT_EQ(state.m_nEnd, 3);
  EXPECT_EQ(state.m_nCounter1, 0);
  EXPECT_EQ(FramesToEnd(state), 19);  // value 0 -> 3 in sixths
}

}  // namespace
