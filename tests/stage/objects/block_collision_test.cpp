#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/grid/block_grid.h"
#include "stage/objects/chara.h"
#include "support/recording_chara_flow_calls.h"
#include "support/stage_world.h"

// A 32 x 32 chara of scale 1 on a 20 x 15 stage; grid cell (c, r) is the
// stage block (c - 10, r - 10).
class BlockCollisionTest : public StageWorld {
 protected:
  void SetUp() override {
    StageWorld::SetUp();
    g_SystemData.m_bLegacy677 = 0;
  }
  void BuildWith(std::vector<std::pair<int32_t, int32_t>> solid) {
    cStageLayout layout;
    layout.Solid = std::move(solid);
    ASSERT_TRUE(Build(layout));
    calls_.m_Calls.clear();  // the build's stage-start trigger of the hero
    play_.m_ScrollX.m_nProbeBound = 1 << 20;
    play_.m_ScrollY.m_nProbeBound = 1 << 20;
  }
  static void Place(cChara& chara, double x, double y, int32_t control) {
    chara.m_nId = 7;
    chara.m_nControl = control;
    chara.m_Def.m_nGiant = 1;
    chara.m_nWidth = chara.m_nWidthBase = 32;
    chara.m_nHeight = chara.m_nHeightBase = 32;
    chara.m_dX = x;
    chara.m_dY = y;
    chara.m_dRight = x + 31;
    chara.m_dBottom = y + 31;
  }
  cRecordingCharaFlowCalls calls_;
  cCharaFlowCallsScope scope_{&calls_};
};

TEST_F(BlockCollisionTest, MovingRightIntoAWallPushesTheRightEdgeToTheColumnBefore) {
  BuildWith({{8, 5}});  // grid column 18: dots 576..607
  cChara hero;
  Place(hero, 100 + 448, 15 * 32, 0);  // right edge 579, 3 dots into the block
  hero.m_dVX = 2;
  EXPECT_EQ(play_.CollideBlocksX(hero), 0);
  EXPECT_EQ(hero.m_dX, 96 + 448);
  EXPECT_EQ(hero.m_bContactRight, 1);
  EXPECT_EQ(hero.m_nWallSide, 1);
  EXPECT_EQ(calls_.m_Calls, (std::vector<std::pair<int32_t, int32_t>>{{7, 9}, {7, 10}, {7, 12}}));
}

TEST_F(BlockCollisionTest, ADeadlyBlockKillsTheHeroAndWallsAnOrdinaryChara) {
  struct Case {
    int32_t control;
    int32_t flying, flyMode;
    int32_t result;
    double x;  // after the test
  } const cases[] = {
      {0, 0, 1, 2, 110},   // the hero dies, untouched
      {1, 0, 1, 0, 128},   // a chara is pushed out to the next column
      {1, 1, 2, 2, 110},   // a flyer that dies on blocks
      {1, 1, 0, 0, 110},   // a flyer through blocks
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.control << c.flying << c.flyMode);
    BuildWith({{-7, 0}});  // grid column 3, row 10: dots 96..127
    BlockAt(3, 10)->m_nHitClass = kBlockDeadly;
    g_BlockGrid.RefreshCell(g_BlockGrid.CellIndex(3, 10));
    cChara chara;
    Place(chara, 110, 320, c.control);
    chara.m_bFlying = c.flying;
    chara.m_nFlyBlockMode = static_cast<uint8_t>(c.flyMode);
    EXPECT_EQ(play_.CollideBlockLeft(chara), c.result);
    EXPECT_EQ(chara.m_dX, c.x);
  }
}

TEST_F(BlockCollisionTest, RisingThroughAPlatformLandsOnlyUnderTheOldRule) {
  for (int32_t legacy : {0, 1}) {
    SCOPED_TRACE(legacy);
    g_SystemData.m_bLegacy677 = legacy;
    BuildWith({{5, 5}});  // grid (15, 15): dots 480..511 down
    cChara hero;
    Place(hero, 480, 15 * 32 - 20, 0);  // bottom edge inside the block
    hero.m_dVY = -3;
    hero.m_nId = 7;
    calls_.m_Calls.clear();
    EXPECT_EQ(play_.CollideBlockDown(hero), 0);
    EXPECT_EQ(hero.m_bContactBottom, legacy);
    EXPECT_EQ(hero.m_nFloorBlock, g_BlockGrid.CellIndex(15, 15));
  }
}

TEST_F(BlockCollisionTest, AFallStartsOnlyAfterTheFallDelay) {
  BuildWith({});
  cChara chara;
  Place(chara, 480, 200, 1);
  const int32_t delay = g_Stage.m_nFallSteps;
  ASSERT_GT(delay, 0);
  for (int32_t step = 1; step <= delay; ++step) {
    EXPECT_EQ(chara.m_bInAir, 0) << step;
    EXPECT_EQ(play_.CollideBlocksY(chara), 0);
    EXPECT_EQ(chara.m_nFloorBlock, kNoLink);
  }
  EXPECT_EQ(chara.m_bInAir, 1);
  // A riding hero does not start falling.
  cChara rider;
  Place(rider, 480, 200, 0);
  rider.m_bRiding = 1;
  rider.m_nNoFloorSteps = delay;
  play_.CollideBlocksY(rider);
  EXPECT_EQ(rider.m_bInAir, 0);
}
