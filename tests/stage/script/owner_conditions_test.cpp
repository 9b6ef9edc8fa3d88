#include <gtest/gtest.h>

#include "../objects/chara_world.h"
#include "records/palette/grid_block.h"
#include "records/script/condition.h"
#include "stage/grid/block_grid.h"
#include "stage/objects/chara.h"
#include "stage/script/condition_eval.h"

namespace {

class OwnerConditionsTest : public CharaWorld {
 protected:
  // Stage variable 1 equals 1.
  static cCondition StageVarIsOne() {
    cCondition cond;
    cond.m_nKind = kCondStageVar;
    cond.m_nIndex = 1;
    cond.m_nValue = 1;
    return cond;
  }
};

TEST_F(OwnerConditionsTest, ABlockThatHeldOnceStaysSolidOnlyWithTheOnceFlag) {
  cStageLayout layout;
  layout.Solid = {{2, 14}, {3, 14}};
  ASSERT_TRUE(Build(layout));
  AddTestHero(1);
  for (int8_t once : {1, 0}) {
    SCOPED_TRACE(int{once});
    cBlock* block = BlockAt(12 + once, 24);
    ASSERT_NE(block, nullptr);
    block->m_Conditions.push_back(StageVarIsOne());
    block->m_bCondOnce = once;
    g_BlockGrid.RefreshCells();
    play_.m_StageVar.CheckedVectorAt(1) = 0;
    EXPECT_EQ(block->GetHitClass(0), 0);  // passable while the list fails
    play_.m_StageVar.CheckedVectorAt(1) = 1;
    EXPECT_NE(block->GetHitClass(0), 0);
    play_.m_StageVar.CheckedVectorAt(1) = 0;
    EXPECT_EQ(block->GetHitClass(0) != 0, once == 1);
    EXPECT_EQ(block->m_bMet, 1);
  }
}

TEST_F(OwnerConditionsTest, ThePresentationChecksTheBlocksTheMapWouldDraw) {
  cStageLayout layout;
  layout.nWidth = 60;
  layout.Solid = {{2, 5}, {3, 5}, {4, 5}, {45, 5}};
  ASSERT_TRUE(Build(layout));
  play_.m_ScrollX.m_dPos = 320;  // the view: columns 10..30
  play_.m_ScrollY.m_dPos = 320;
  play_.m_StageVar.CheckedVectorAt(1) = 1;
  struct Case {
    int32_t column;
    int16_t graphic;
    int8_t layer;
    int8_t met;
  } cases[] = {{12, 5, 0, 1}, {13, 5, 1, 1}, {14, 0, 0, 0}, {55, 5, 0, 0}};
  for (const Case& c : cases) {
    cBlock* block = BlockAt(c.column, 15);
    ASSERT_NE(block, nullptr);
    block->m_nGraphic = c.graphic;
    block->m_nLayer = c.layer;
    block->m_Conditions.push_back(StageVarIsOne());
  }
  g_BlockGrid.RefreshCells();
  play_.UpdatePresentation(0);
  for (const Case& c : cases) EXPECT_EQ(BlockAt(c.column, 15)->m_bMet, c.met) << c.column;
}

TEST_F(OwnerConditionsTest, ACharasOwnConditionsAreEvaluatedForItself) {
  cChara& chara = AddTestChara(4);
  chara.m_Def.m_Conditions.push_back(StageVarIsOne());
  EXPECT_EQ(play_.CheckCharaConditions(&chara), 0);
  play_.m_StageVar.CheckedVectorAt(1) = 1;
  EXPECT_EQ(play_.CheckCharaConditions(&chara), 1);
  EXPECT_EQ(chara.m_bCondMet, 1);
}

int32_t FarEnough(const cCharaBase& chara, const cCondition& cond) { return chara.m_nId == cond.m_nValue ? 1 : 0; }

TEST_F(OwnerConditionsTest, DistanceConditionsGoThroughTheCharasDistanceTest) {
  cChara& chara = AddTestChara(4);
  cCondition cond;
  cond.m_nKind = kCondDistance;
  cond.m_nValue = 4;
  const DistanceConditionEval saved = g_lpEvalDistanceCondition;
  g_lpEvalDistanceCondition = nullptr;
  EXPECT_FALSE(EvalCondition(play_, cond, &chara));  // no distance test linked: fails
  g_lpEvalDistanceCondition = FarEnough;
  EXPECT_TRUE(EvalCondition(play_, cond, &chara));
  EXPECT_FALSE(EvalCondition(play_, cond, nullptr));
  g_lpEvalDistanceCondition = saved;
}

}  // namespace
