#include <gtest/gtest.h>

#include "stage/objects/state_digest.h"
#include "support/stage_world.h"

class StageBuildTest : public StageWorld {};

TEST_F(StageBuildTest, SeedsFromTheClockAndAsksForTheFrameRateInOrder) {
  g_SystemData.m_bReplay = 0;
  services_.m_nTickCount = 0xDEADBEEF;
  cStageLayout layout;
  layout.nFps = 50;
  ASSERT_TRUE(Build(layout));
  EXPECT_EQ(play_.m_nSeed, 0xDEADBEEFu);
  EXPECT_EQ(play_.m_nTargetFps, 50);
  ASSERT_EQ(EventNames(), (std::vector<std::string>{"TickCount", "RequestStageBgm", "ClearLastBgmRequest",
                                                    "ResetPresentation", "ResetMenuCursor", "ResetDisplayPalette",
                                                    "SetTargetFps", "SetVirBackBuffer"}));
  const cStageEvent& tick = services_.m_Events[0];
  EXPECT_EQ(tick.answer, int64_t{0xDEADBEEF});
  const cStageEvent& fps = services_.m_Events[6];
  EXPECT_EQ(fps.nFrame, 0);
  EXPECT_EQ(fps.nSubStep, 0);
  ASSERT_EQ(fps.Args.size(), 1u);
  EXPECT_EQ(fps.Args[0].strName, "fps");
  EXPECT_EQ(std::get<int64_t>(fps.Args[0].value), 50);
  cRandom expected;
  expected.Seed(0xDEADBEEF);
  EXPECT_EQ(play_.m_Random.Rand(), expected.Rand());
  EXPECT_EQ(g_InputLog.m_nSeed, 0);  // nothing recorded without the replay switch
}

TEST_F(StageBuildTest, WithTheReplaySwitchTheAttemptsStartStateIsKept) {
  g_SystemData.m_bReplay = 1;
  g_SaveData.m_nLives = 4;
  g_InputLog.Append(INPUTWORDS{1, 0});
  g_InputLog.m_nSeed = 11;
  services_.m_nTickCount = 77;
  ASSERT_TRUE(Build(cStageLayout()));
  EXPECT_EQ(g_SaveDataAtStart.m_nLives, 4);
  EXPECT_EQ(g_InputLogPrev.m_nSeed, 11);
  EXPECT_EQ(g_InputLogPrev.m_DirWords.VectorSize(), 1);
  EXPECT_EQ(g_InputLog.m_nSeed, 77);
  EXPECT_TRUE(g_InputLog.m_DirWords.empty());
  EXPECT_EQ(play_.m_Replay.bPlaying, 0);
}

TEST_F(StageBuildTest, CountersInputAndScoreStartAgain) {
  ASSERT_TRUE(Build(cStageLayout()));
  play_.m_nStageClear = 1;
  play_.m_nNextStage = 3;
  play_.m_nNextObjectId = 8;
  play_.m_nNextItemId = 8;
  play_.m_nNextShotId = 8;
  play_.m_StageVar.CheckedVectorAt(1000) = 5;
  g_SaveData.m_nScore = 120;
  g_SaveData.m_nResultScore = 30;
  g_SaveData.m_Vars.CheckedVectorAt(1) = 6;
  cInput& input = g_InputList.CheckedVectorAt(0);
  input.wDir = 2;
  input.PushHistory();
  for (int i = 0; i < 3; ++i) play_.PhasePlay();
  ASSERT_TRUE(play_.SetStage(0, 1));
  EXPECT_EQ(play_.m_nFrameCount, 0);
  EXPECT_EQ(play_.m_nSubStep, 0);
  EXPECT_EQ(play_.m_nSubStepTotal, 0);
  EXPECT_EQ(play_.m_nStageClear, 0);
  EXPECT_EQ(play_.m_nNextStage, 0);
  EXPECT_EQ(play_.m_nNextObjectId, 1);  // the hero's
  EXPECT_EQ(play_.m_nNextItemId + play_.m_nNextShotId, 0);
  EXPECT_EQ(play_.m_StageVar.VectorSize(), kStageVarCount);
  EXPECT_EQ(play_.m_StageVar.CheckedVectorAt(1000), 0);
  EXPECT_EQ(g_SaveData.m_nScore, 0);
  EXPECT_EQ(g_SaveData.m_nResultScore, 30);  // a free-play run keeps its result
  EXPECT_EQ(g_SaveData.m_nResultSnapshot, 30);
  EXPECT_EQ(g_SaveData.m_VarsSnapshot.CheckedVectorAt(1), 6);
  EXPECT_EQ(input.wDir, 0);
  EXPECT_EQ(input.GetPastState(0, 0), 0);
}

TEST_F(StageBuildTest, StageResultsAreClearedInPlaybackAndForTheEditorsFreeStageOnly) {
  struct Case {
    int32_t gameMode, freeStage, fromEditor, cleared;
  } const cases[] = {{3, 1, 1, 1}, {3, 1, 0, 0}, {3, 0, 1, 0}, {2, 0, 0, 0}, {4, 0, 0, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.gameMode << c.freeStage << c.fromEditor);
    g_SaveData.m_nResultScore = 30;
    g_SaveData.m_nResult3 = 2;
    play_.m_Run = cRunFacts{c.gameMode, 2, c.freeStage, c.fromEditor};
    ASSERT_TRUE(Build(cStageLayout()));
    EXPECT_EQ(g_SaveData.m_nResultScore, c.cleared ? 0 : 30);
    EXPECT_EQ(g_SaveData.m_nResult3, c.cleared ? 0 : 2);
  }
}

TEST_F(StageBuildTest, ScrollAxesGetTheGridAndTheStageLimits) {
  cStageLayout layout;
  layout.nWidth = 30;
  layout.nHeight = 20;
  layout.bLimitLeft = 1;
  layout.nLimitLeft = 5;
  layout.bLimitBottom = 1;
  layout.nLimitBottom = 18;
  g_Stage.m_nScrollExtraX = 0;
  ASSERT_TRUE(Build(layout));
  const cScroll& x = play_.m_ScrollX;
  EXPECT_EQ(x.m_nAxis, 0);
  EXPECT_EQ(x.m_nView, 640);
  EXPECT_EQ(x.m_nCells, 50);
  EXPECT_EQ(x.m_nMargin, 320);
  EXPECT_EQ(x.m_nFurthest, 40 * 32);
  EXPECT_EQ(x.m_nProbeBound, 640);
  EXPECT_EQ(x.m_nMin, (5 + 10) * 32);
  const cScroll& y = play_.m_ScrollY;
  EXPECT_EQ(y.m_nAxis, 1);
  EXPECT_EQ(y.m_nView, 480);
  EXPECT_EQ(y.m_nCells, 40);
  EXPECT_EQ(y.m_nStride, 40);
  EXPECT_EQ(y.m_nShift, 0);
  EXPECT_EQ(y.m_nFurthest, 30 * 32);
  EXPECT_EQ(y.m_nMin, 320);
}

TEST_F(StageBuildTest, ALoadingBuildRestoresTheHeaderAndTheHeroPart) {
  cStageLayout layout;
  WriteStage(layout, g_Stage);
  cCharaDef& hero = g_Stage.m_PlacedCharas.emplace_back();
  hero.m_nControl = 0;
  hero.m_nGraphic = 3;
  g_StageInitial.TakeHeaderOf(g_Stage);
  g_HeroDef = hero;
  g_HeroDef.m_nMaxHp = 42;
  g_Stage.m_nTimeLimit = 99;  // changed by a command during the last attempt
  g_Stage.m_nFps = 30;
  ASSERT_TRUE(play_.SetStage(1, 1));
  EXPECT_EQ(g_Stage.m_nTimeLimit, g_StageInitial.m_nTimeLimit);
  EXPECT_EQ(play_.m_nTargetFps, 60);
  EXPECT_EQ(g_Stage.m_PlacedCharas.CheckedVectorAt(0).m_nMaxHp, 42);

  g_SystemData.m_bLegacy827 = 1;  // the old rule: the placement stays as it is
  g_HeroDef.m_nMaxHp = 7;
  ASSERT_TRUE(play_.SetStage(1, 1));
  EXPECT_EQ(g_Stage.m_PlacedCharas.CheckedVectorAt(0).m_nMaxHp, 42);
  EXPECT_EQ(TakeCloseRequests(), 0);
}
