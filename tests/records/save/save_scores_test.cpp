// Best scores per stage and the total over them.

#include "records/save/save_fixtures.h"

TEST_F(SaveDataTest, ClearsKeepTheBestScorePerStageAndRaiseTheTotalByWhatImproved) {
  cSaveData data = NewData();
  struct Step {
    int32_t score;
    int32_t total;
  };
  for (const Step& step : {Step{500, 500}, Step{300, 500}, Step{800, 800}}) {
    data.RecordStageClear("stg\\a.", "stg\\a.", 0, 1, 0, step.score);
    EXPECT_EQ(data.m_nTotalScore, step.total) << step.score;
  }
  ASSERT_EQ(data.m_StageClears.VectorSize(), 1);
  EXPECT_EQ(data.GetStageScore("stg\\a."), 800);

  // The same file with keys is another stage; names compare case-sensitively.
  data.RecordStageClear("stg\\a.", "stg\\a_c001_2.", 1, 1, 2, 50);
  EXPECT_EQ(data.m_StageClears.VectorSize(), 2);
  EXPECT_EQ(data.m_nTotalScore, 850);
  EXPECT_EQ(data.GetStageScore("stg\\a_c001_2."), 50);
  EXPECT_EQ(data.GetStageScore("STG\\A."), 0);
  EXPECT_EQ(data.GetStageScore("stg\\none."), 0);
}

TEST_F(SaveDataTest, TotalWrapsInsteadOfOverflowing) {
  cSaveData data = NewData();
  data.RecordStageClear("a.", "a.", 0, 1, 0, 2147483647);
  data.RecordStageClear("b.", "b.", 0, 1, 0, 2);
  EXPECT_EQ(data.m_nTotalScore, -2147483647);
  data.RecordStageClear("c.", "c.", 0, 1, 0, -5);
  data.RecordStageClear("c.", "c.", 0, 1, 0, 2147483647);
  EXPECT_EQ(data.GetStageScore("c."), 2147483647);
}

TEST_F(SaveDataTest, RecountCountsOnlyStagesStillOnTheWorldMap) {
  cWorldNode node;
  node.m_Stages.clear();
  for (const char* file : {"stg\\a-1.stg4_836", "stg\\b.stg4_836", "stg\\road.stg4_836"}) {
    cWorldStage stage;
    stage.m_strStageFile = file;
    node.m_Stages.push_back(stage);
  }
  node.m_Stages.CheckedVectorAt(1).m_bUseKey = 1;
  node.m_Stages.CheckedVectorAt(1).m_nKey1 = 3;
  node.m_Stages.CheckedVectorAt(1).m_nKey2 = 4;
  node.m_Stages.CheckedVectorAt(2).m_nKind = kWorldStageRoad;
  map_.m_Nodes.push_back(node);

  cSaveData data = NewData();
  data.RecordStageClear("stg\\a.", "stg\\a.", 0, 1, 0, 100);
  data.RecordStageClear("stg\\b.", "stg\\b_c003_4.", 1, 3, 4, 20);
  data.RecordStageClear("stg\\b.", "stg\\b_c003_5.", 1, 3, 5, 3000);   // keys not on the map
  data.RecordStageClear("stg\\road.", "stg\\road.", 0, 1, 0, 40000);  // not a stage entry
  data.RecordStageClear("stg\\gone.", "stg\\gone.", 0, 1, 0, 500000);
  data.RecountTotalScore();
  EXPECT_EQ(data.m_nTotalScore, 120);
}
