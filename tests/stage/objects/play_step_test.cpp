#include <gtest/gtest.h>

#include "records/replay/replay_file.h"
#include "stage/objects/state_digest.h"
#include "support/stage_world.h"
#include "support/temp_dir.h"

class PlayStepTest : public StageWorld {
 protected:
  cInput& Input() { return g_InputList.CheckedVectorAt(0); }
  int32_t Frame(int16_t dir, int16_t button) { return StepFrame(dir, button); }
};

TEST_F(PlayStepTest, CountsFramesAndSubStepsAndAdvancesTheAutoScrollPerSubStep) {
  cStageLayout layout;
  layout.nWidth = 60;
  layout.nCollisionLevel = 3;
  g_Stage.m_bAutoScrollX = 1;
  ASSERT_TRUE(Build(layout));
  const int32_t L = g_Stage.m_nSubSteps;
  ASSERT_GT(L, 1);
  play_.m_ScrollX.m_dPos = 320;
  play_.m_ScrollX.SetAutoScroll(1, 5 * L);  // 0.5 dots per sub-step; the hero no longer moves the view

  EXPECT_EQ(Frame(0, 0), kPlayGoOn);
  EXPECT_EQ(Frame(0, 0), kPlayGoOn);
  EXPECT_EQ(play_.m_nFrameCount, 2);
  EXPECT_EQ(play_.m_nSubStep, L);
  EXPECT_EQ(play_.m_nSubStepTotal, 2 * L);
  EXPECT_DOUBLE_EQ(play_.m_ScrollX.m_dPos, 320 + 2 * L * 0.5);
}

TEST_F(PlayStepTest, PollsOnceAFrameTaggedWithTheFrameAndPushesTheHistories) {
  ASSERT_TRUE(Build(cStageLayout()));
  services_.m_Events.clear();
  Frame(2, 0);
  Frame(2, 1);
  ASSERT_EQ(EventNames(), (std::vector<std::string>{"PollInput", "PollInput"}));
  EXPECT_EQ(services_.m_Events[0].nFrame, 1);
  EXPECT_EQ(services_.m_Events[1].nFrame, 2);
  EXPECT_EQ(Input().GetPastState(0, 1), 2);
  EXPECT_EQ(Input().GetPastState(1, 1), 0);
  EXPECT_EQ(Input().vDirPress.CheckedVectorAt(2).front().nFrames, 2);
}

TEST_F(PlayStepTest, HeldButtonsStayFromTheGameUntilReleased) {
  ASSERT_TRUE(Build(cStageLayout()));
  play_.m_bHoldButtons = 1;
  Frame(0, 1);
  EXPECT_EQ(Input().wButton, 0);
  EXPECT_EQ(play_.m_bHoldButtons, 1);
  Frame(0, 0);
  EXPECT_EQ(play_.m_bHoldButtons, 0);
  Frame(0, 1);
  EXPECT_EQ(Input().wButton, 1);
}

TEST_F(PlayStepTest, RecordsTheWordsTheGameSawWhenTheReplaySwitchIsOn) {
  g_SystemData.m_bReplay = 1;
  ASSERT_TRUE(Build(cStageLayout()));
  play_.m_bHoldButtons = 1;
  Frame(1, 2);  // the held button never reaches the game, nor the log
  Frame(1, 0);
  Frame(4, 2);
  EXPECT_EQ(g_InputLog.m_DirWords, (cVector<int16_t>{1, 4}));
  EXPECT_EQ(g_InputLog.m_DirRuns, (cVector<int32_t>{2, 1}));
  EXPECT_EQ(g_InputLog.m_ButtonWords, (cVector<int16_t>{0, 2}));
  EXPECT_EQ(g_InputLog.m_ButtonRuns, (cVector<int32_t>{2, 1}));
}

TEST_F(PlayStepTest, AReplayAtItsEndRestartsWithTheSameSeedAndTheStartState) {
  TempDir dir;
  const std::string path = dir.file("run.rpl4_836");
  g_SystemData.m_bReplay = 1;
  services_.m_nTickCount = 4242;
  cStageLayout layout;
  layout.Solid = {{3, 3}};
  ASSERT_TRUE(Build(layout));
  const int16_t keys[][2] = {{2, 0}, {2, 0}, {2, 1}, {0, 1}, {8, 0}, {0, 0}};
  for (const auto& k : keys) Frame(k[0], k[1]);
  ASSERT_EQ(g_InputLog.SaveReplay(path, g_Stage, g_StageInitial, g_SaveDataAtStart), 1);

  ASSERT_EQ(OpenReplayForPlay(path), 1);
  play_.m_Run = cRunFacts{4, 3, 0, 0};
  services_.m_nTickCount = 1;  // the clock must not be asked
  ASSERT_TRUE(play_.SetStage(0, 1));
  EXPECT_EQ(play_.m_nSeed, 4242u);
  EXPECT_EQ(play_.m_Replay.bPlaying, 1);
  const uint64_t start = StateDigest(play_);

  for (const auto& k : keys) {
    EXPECT_EQ(Frame(15, 255), kPlayGoOn);  // live keys are ignored in playback
    EXPECT_EQ(Input().wDir, k[0]);
    EXPECT_EQ(Input().wButton, k[1]);
    EXPECT_EQ(Input().nKeypad, DirBitsToKeypad(k[0]));
  }
  EXPECT_NE(StateDigest(play_), start);
  services_.m_Events.clear();
  EXPECT_EQ(Frame(0, 0), kPlayReplayRestart);
  EXPECT_EQ(play_.m_nFrameCount, 0);
  EXPECT_EQ(play_.m_nSeed, 4242u);
  EXPECT_EQ(StateDigest(play_), start);
  for (const cStageEvent& event : services_.m_Events) EXPECT_NE(event.strName, "TickCount");
  EXPECT_EQ(TakeCloseRequests(), 0);
  // And it plays the same frames again.
  EXPECT_EQ(Frame(0, 0), kPlayGoOn);
  EXPECT_EQ(Input().wDir, 2);
}

TEST_F(PlayStepTest, AReplayThatCannotBeReadAgainAsksToClose) {
  TempDir dir;
  const std::string path = dir.file("run.rpl4_836");
  g_SystemData.m_bReplay = 1;
  ASSERT_TRUE(Build(cStageLayout()));
  Frame(2, 0);
  ASSERT_EQ(g_InputLog.SaveReplay(path, g_Stage, g_StageInitial, g_SaveDataAtStart), 1);
  ASSERT_EQ(OpenReplayForPlay(path), 1);
  play_.m_Run = cRunFacts{4, 3, 0, 0};
  ASSERT_TRUE(play_.SetStage(0, 1));
  WriteFileBytes(path, "damaged");
  EXPECT_EQ(Frame(0, 0), kPlayGoOn);
  // At the log's end the replay is read again: it fails, the program is asked
  // to close and nothing of the old attempt is left to step.
  EXPECT_EQ(Frame(0, 0), kPlayClose);
  EXPECT_EQ(services_.m_Events.back().strName, "RequestClose");
  EXPECT_TRUE(g_Heroes.empty());
  EXPECT_TRUE(g_BlockGrid.empty());
  const int32_t frames = play_.m_nFrameCount;
  services_.m_Events.clear();
  EXPECT_EQ(Frame(0, 0), kPlayClose);
  EXPECT_EQ(play_.m_nFrameCount, frames);
  EXPECT_TRUE(services_.m_Events.empty());
}
