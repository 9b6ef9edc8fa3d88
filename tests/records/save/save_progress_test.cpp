// The ranking table choice, the story's next round, and the variables on a
// retry.

#include <climits>

#include "records/save/save_fixtures.h"

TEST_F(SaveDataTest, StepSelectionMovesAmongTheModesTablesAndWraps) {
  settings_.m_ModeFlagList.CheckedVectorAt(1).m_Flags = {0, 1, 0, 1, 0};
  struct Row {
    int32_t from, count, to;
  };
  const Row rows[] = {
      {1, 1, 3},  {3, 1, 1},  {1, -1, 3}, {0, -1, 3},       {1, 2, 1},
      {0, 0, 1},  {3, 0, 3},  {4, 0, 1},  {7, 0, 3},        {-1, 1, 1},
      {1, INT32_MAX, 3},      {1, INT32_MIN, 1},            {2, -1, 1},
  };
  cSaveData data = NewData();
  for (const Row& row : rows) {
    data.m_nRankTable = row.from;
    data.StepSelection(1, row.count);
    EXPECT_EQ(data.m_nRankTable, row.to) << "from " << row.from << " count " << row.count;
  }

  settings_.m_ModeFlagList.CheckedVectorAt(1).m_Flags = {0, 0, 0, 0, 0};
  data.m_nRankTable = 2;
  data.StepSelection(1, 1);
  EXPECT_EQ(data.m_nRankTable, 2);
  EXPECT_FALSE(ClosePosted());
}

TEST_F(SaveDataTest, NewGameStartsTheNextRoundAtTheMapStart) {
  cSaveData data = DistinctData();
  data.m_MapFlags.CheckedVectorAt(0) = 0;
  const int32_t round = data.m_nRound;
  data.NewGame();
  EXPECT_EQ(data.m_nRound, round + 1);
  EXPECT_EQ(data.m_MapFlags.CheckedVectorAt(0), 1);
  EXPECT_EQ(data.m_MapFlags.CheckedVectorAt(5), 0);
  EXPECT_EQ(data.m_MapFlags.VectorSize(), 1000);
  EXPECT_EQ(data.m_nMapX, 9);
  EXPECT_EQ(data.m_nMapY, 7);
}

TEST_F(SaveDataTest, RetryRestoresVariablesByTheRunsSwitchAndReplayRestoresLivesToo) {
  settings_.m_bStoryRestoreVars = 1;
  settings_.m_bChallengeRestoreVars = 0;
  settings_.m_bFreeRestoreVars = 1;
  settings_.m_bFreeStageRestoreVars = 0;
  struct Row {
    int replay;
    int32_t playMode;
    int freeStage;
    bool varsBack;
    bool livesBack;
  };
  const Row rows[] = {
      {1, 1, 0, true, true},   // a replay restarting, whatever the switches
      {0, 0, 0, true, false},  {0, 1, 0, false, false}, {0, 2, 0, true, false},
      {0, 2, 1, false, false},  // a FreeStage run has its own switch
      {0, 3, 0, true, false},   // modes without a switch always
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.playMode * 10 + row.replay + 100 * row.freeStage);
    cSaveData data = NewData();
    data.m_Vars.CheckedVectorAt(1) = 5;
    data.m_nLives = 3;
    data.m_nResultScore = 100;
    data.SnapshotVariables();
    data.m_Vars.CheckedVectorAt(1) = 9;
    data.m_nLives = 2;
    data.m_nResultScore = 400;

    data.RestoreOnRetry(row.replay, row.playMode, row.freeStage);
    EXPECT_EQ(data.m_Vars.CheckedVectorAt(1), row.varsBack ? 5 : 9);
    EXPECT_EQ(data.m_nLives, row.livesBack ? 3 : 2);
    EXPECT_EQ(data.m_nResultScore, 100);
  }
}

TEST_F(SaveDataTest, RetryWithoutASnapshotKeepsEveryVariableIndexable) {
  cSaveData data = NewData();
  data.m_Vars.CheckedVectorAt(1000) = 7;
  data.RestoreOnRetry(1, 0, 0);
  EXPECT_EQ(data.m_Vars, cVector<int32_t>(1001, 0));
  EXPECT_FALSE(ClosePosted());
}
