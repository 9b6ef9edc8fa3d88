#include <gtest/gtest.h>

#include "move_world.h"
#include "records/palette/block_def.h"
#include "records/settings/system_data.h"
#include "stage/grid/block_grid.h"

namespace ground_patrol_test {

// A one-block ledge: grid cell (15, 12), dots 480..511 across, its top at
// 384. Patrollers are 32 dots wide.
class GroundPatrolTest : public MoveWorld {
 protected:
  void SetUp() override {
    MoveWorld::SetUp();
    BlockAt(15, 12)->m_nHitClass = kBlockSolid;
    g_BlockGrid.RefreshCell(g_BlockGrid.CellIndex(15, 12));
  }

  static void Stand(cCharaBase& chara, double x, double bottom) {
    chara.m_dX = x;
    chara.m_dRight = x + 31;
    chara.m_dY = bottom - 31;
    chara.m_dBottom = bottom;
    chara.m_nCellLeft = static_cast<int32_t>(x) >> 5;
    chara.m_nCellRight = static_cast<int32_t>(x + 31) >> 5;
  }

  cChara& Patroller(int32_t id, double x, double bottom, int32_t facing, double speed) {
    NewMove(kFlowCmdGroundMove);
    state_.m_dSpeed = speed;
    cChara& chara = Mover(id, 0, facing);
    Stand(chara, x, bottom);
    return chara;
  }
};

TEST_F(GroundPatrolTest, APatrollerTurnsAtBothEdgesOfALedgeAndNotInTheAir) {
  struct Case {
    const char* name;
    double x, bottom;
    int32_t facing;
    double speed;
    int32_t legacy805 = 0;
    int8_t fixed = 0;
    double push = 0;
    int32_t newFacing;
    double vx;
  } cases[] = {
      {"on the ledge: walks on", 480, 383, 1, 2, 0, 0, 0, 1, 2},
      {"over the right edge: turns left", 484, 383, 1, 2, 0, 0, 0, 0, 2},
      {"over the left edge: turns right", 476, 383, 0, 2, 0, 0, 0, 1, -2},
      {"in the air: keeps its way", 484, 300, 1, 2, 0, 0, 0, 1, 2},
      {"a fixed facing is turned all the same", 484, 383, 1, 2, 0, 1, 0, 0, 2},
      {"backwards over the right edge: faces right to walk back", 484, 383, 0, -2, 0, 0, 0, 1, 2},
      {"backwards under the old rule: walks on off the edge", 484, 383, 0, -2, 1, 0, 0, 0, 2},
      {"backwards over the left edge", 476, 383, 1, -2, 0, 0, 0, 0, -2},
      {"knocked back: no turn", 484, 383, 1, 2, 0, 0, 1.5, 1, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    g_SystemData.m_bLegacy805 = c.legacy805;
    cChara& chara = Patroller(10 + static_cast<int32_t>(&c - cases), c.x, c.bottom, c.facing, c.speed);
    chara.m_Def.m_bFixedFacing = c.fixed;
    chara.m_dPushVX = c.push;
    Call(chara);
    EXPECT_EQ(chara.m_nFacing, c.newFacing);
    EXPECT_EQ(chara.m_dVX, c.vx);
  }
}

TEST_F(GroundPatrolTest, ASolidCharaThatPushedItTurnsItBackAndCarriesIt) {
  struct Case {
    const char* name;
    bool pusherThere;
    double pusherX;
    double vx;
  } cases[] = {
      {"the pusher came against its facing: twice its way", true, 97, -2 - 6},
      {"the pusher moved its way", true, 103, -2 + 3},
      {"the pusher is gone", false, 0, -2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const int32_t id = 30 + 2 * static_cast<int32_t>(&c - cases);
    cChara& chara = Patroller(id, 480, 383, 1, 2);
    if (c.pusherThere) Mover(id + 1, 0, 0).m_dX = c.pusherX;
    chara.m_bSolidPushed = 1;
    chara.m_nRiddenId = id + 1;
    chara.m_RiddenPos.left = 100;
    Call(chara);
    EXPECT_EQ(chara.m_dVX, c.vx);
    EXPECT_EQ(chara.m_nFacing, 0);
    EXPECT_EQ(chara.m_bSolidPushed, 0);
  }
}

TEST_F(GroundPatrolTest, AFlyingCharaDoesNotPatrol) {
  cChara& chara = Patroller(40, 484, 383, 1, 2);
  chara.m_bFlying = 1;
  chara.m_bHoldScreenPos = 1;
  Call(chara);
  EXPECT_EQ(chara.m_dVX, 0);
  EXPECT_EQ(chara.m_nFacing, 1);
  EXPECT_EQ(chara.m_bHoldScreenPos, 1);
}

}  // namespace ground_patrol_test
