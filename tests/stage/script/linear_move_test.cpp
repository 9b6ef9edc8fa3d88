#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

#include "core/input/input_state.h"
#include "move_world.h"
#include "records/script/direction_codes.h"
#include "records/settings/system_data.h"
#include "stage/objects/wave.h"
#include "stage/script/flow_cmd_move.h"
#include "stage/script/move_velocity.h"

namespace linear_move_test {

class LinearMoveTest : public MoveWorld {};

TEST_F(LinearMoveTest, DirectionsAndAnglesGiveTheVelocityOfTheirAxes) {
  const double k = 2 * g_dInvSqrt2;
  struct Case {
    const char* name;
    int8_t direction;
    int16_t angle;
    int32_t flying, input, initialFacing;
    double vx, vy;
    int32_t facing;
  } cases[] = {
      {"左上 walking: slowed, not lifted", kDirUpLeft, 0, 0, 0, 0, -k, 0, 0},
      {"左上 flying: both axes", kDirUpLeft, 0, 1, 0, 0, -k, -k, 0},
      {"入力方向 up-left walking: left at full speed", kDirInput, 0, 0, 5, 0, -2, 0, 0},
      {"入力方向 up-left flying: diagonal", kDirInput, 0, 1, 5, 0, -k, -k, 0},
      {"入力方向 without input: the facing", kDirInput, 0, 1, 0, 0, 2, 0, 1},
      {"入力方向 any: stands", kDirInput, 0, 1, 9, 0, 0, 0, 1},
      {"前 facing right", kDirFront, 0, 0, 0, 0, 2, 0, 1},
      {"下 walking: stands", kDirDown, 0, 0, 0, 0, 0, 0, 1},
      {"右下 flying", kDirDownRight, 0, 1, 0, 0, k, k, 1},
      {"左 turned by 90: up", kDirLeft, 90, 1, 0, 0, 0, -2, 0},
      {"angle 450 is 90", kDirLeft, 450, 1, 0, 0, 0, -2, 0},
      {"mirrored for a chara first facing right: 270, down", kDirLeft, 90, 1, 0, 1, 0, 2, 0},
      {"angled walking: no vertical part", kDirLeft, 90, 0, 0, 0, 0, 0, 0},
  };
  int32_t id = 20;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cEdMove move;
    move.m_nDirection = c.direction;
    move.m_nAngle = c.angle;
    move.m_nSpeed = 20;
    cChara& chara = WithFlows(id++, {Flow(kTriggerByOperation, {MoveCmd(kFlowCmdLinearMove, move)})});
    chara.m_Def.m_nFacing = static_cast<int8_t>(c.initialFacing);
    chara.m_Def.m_bFixedFacing = 0;
    chara.m_bFlying = c.flying;
    chara.m_nFacing = 1;
    Start(chara, 0);
    chara.m_Flows.CheckedVectorAt(0).m_nStartInputDir = c.input;
    Pass(chara);
    EXPECT_NEAR(chara.m_dVX, c.vx, 1e-12);
    EXPECT_NEAR(chara.m_dVY, c.vy, 1e-12);
    EXPECT_EQ(chara.m_nFacing, c.facing);
  }
}

TEST_F(LinearMoveTest, TargetPointsInEachCoordinateReference) {
  // Centre (436, 386) in the stage: screen box at (100, 50), 32 x 32, view at
  // (320, 320); placed at (400, 380). Each point is 3 right and 4 down.
  struct Case {
    const char* name;
    int8_t coord;
    int16_t dx, dy;
    int8_t moveX = 1, lockX = 0, mirrorX = 0;
    int32_t initialFacing = 0;
    double vx = 3, vy = 4;
  } cases[] = {
      {"from the placement", 0, 39, 10},
      {"relative", 1, 3, 4},
      {"stage: the middle of the cell", 2, 103, 54},
      {"screen", 3, 103, 54},
      {"a reference the vocabulary lacks moves nothing", 4, 3, 4, 1, 0, 0, 0, 0, 0},
      {"mirrored for a chara first facing right", 1, 3, 4, 1, 0, 1, 1, -3, 4},
      {"x not moved: the whole speed down", 1, 3, 4, 0, 0, 0, 0, 0, 5},
      {"x locked: the rest of the way down", 1, 3, 4, 1, 1, 0, 0, 0, 4},
  };
  play_.m_ScrollX.m_dPos = play_.m_ScrollY.m_dPos = 320;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cEdMove& move = NewMove(kFlowCmdLinearMove);
    move.m_nMode = kMoveToTarget;
    move.m_nTargetCoord = c.coord;
    move.m_nTargetDotX = c.dx;
    move.m_nTargetDotY = c.dy;
    move.m_bMoveX = c.moveX;
    move.m_bLockX = c.lockX;
    move.m_bMirrorTargetX = c.mirrorX;
    move.m_bStopAtTarget = 0;
    state_.m_dSpeed = 5;
    cChara& chara = Mover(30 + static_cast<int32_t>(&c - cases), 1, 0);
    chara.m_rcScreen = {100, 50, 131, 81};
    chara.m_nGraphicW = chara.m_nGraphicH = 32;
    chara.m_dHomeX = 400;
    chara.m_dHomeY = 380;
    chara.m_Def.m_nFacing = static_cast<int8_t>(c.initialFacing);
    Call(chara);
    EXPECT_NEAR(chara.m_dVX, c.vx, 1e-12);
    EXPECT_NEAR(chara.m_dVY, c.vy, 1e-12);
  }
}

TEST_F(LinearMoveTest, StopAtTargetLastsTheCallsTheWayTakes) {
  struct Case {
    const char* name;
    int16_t distance;
    int8_t snap;
    int32_t passes;
    double moved;
  } cases[] = {
      {"10 dots at 3: three calls, one dot short", 10, 0, 3, 9},
      {"2 dots at 3 with the snap: no move", 2, 1, 1, 0},
      {"2 dots at 3 without it: one call overshoots", 2, 0, 1, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cEdMove move;
    move.m_nMode = kMoveToTarget;
    move.m_nTargetCoord = 1;
    move.m_nTargetDotX = c.distance;
    move.m_bSnapAtTarget = c.snap;
    move.m_nSpeed = 30;
    cChara& chara = WithFlows(40 + static_cast<int32_t>(&c - cases),
                              {Flow(kTriggerByOperation, {MoveCmd(kFlowCmdLinearMove, move, 100)})});
    Start(chara, 0);
    double moved = 0;
    int32_t passes = 0;
    while (Running(chara, 0) && passes < 50) {
      Pass(chara);
      moved += chara.m_dVX;
      ++passes;
    }
    EXPECT_EQ(passes, c.passes);
    EXPECT_DOUBLE_EQ(moved, c.moved);
  }
}

TEST_F(LinearMoveTest, AFarPointAtATinySpeedCountsAtMostTheIntRange) {
  cEdMove& move = NewMove(kFlowCmdLinearMove);
  move.m_nMode = kMoveToTarget;
  move.m_nTargetCoord = 1;
  move.m_nTargetX = 1000;
  state_.m_dSpeed = 1e-300;
  Call(Mover(50, 1, 0));
  EXPECT_EQ(state_.m_nRemain, INT_MAX);
}

TEST_F(LinearMoveTest, LocksAndReversalUnderTheOldRules) {
  struct Case {
    const char* name;
    int8_t mode;
    int8_t lockX;
    int32_t legacy773, legacy783;
    double firstVX, afterTurnVX;
  } cases[] = {
      {"a lock holds x at 0", kMoveByDirection, 1, 0, 0, 0, 0},
      {"the old rule lets a direction move through its lock", kMoveByDirection, 1, 1, 0, -2, 2},
      {"a direction move reverses when turned", kMoveByDirection, 0, 0, 0, -2, 2},
      {"a target move keeps its way", kMoveToTarget, 0, 0, 0, -2, -2},
      {"the old rule reverses a target move too", kMoveToTarget, 0, 0, 1, -2, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    g_SystemData.m_bLegacy773 = c.legacy773;
    g_SystemData.m_bLegacy783 = c.legacy783;
    cEdMove& move = NewMove(kFlowCmdLinearMove);
    move.m_nMode = c.mode;
    move.m_nTargetCoord = 1;
    move.m_nTargetDotX = -100;
    move.m_bStopAtTarget = 0;
    move.m_bLockX = c.lockX;
    state_.m_byDir = kDirLeft;
    state_.m_dSpeed = 2;
    cChara& chara = Mover(60 + static_cast<int32_t>(&c - cases), 1, 0);
    chara.m_Def.m_bFixedFacing = 1;
    Call(chara);
    EXPECT_DOUBLE_EQ(chara.m_dVX, c.firstVX);
    chara.m_dVX = 0;
    chara.m_nFacing = 1;  // "向き変更" turned it
    Call(chara);
    EXPECT_DOUBLE_EQ(chara.m_dVX, c.afterTurnVX);
  }
}

TEST_F(LinearMoveTest, TheLiveInputIsThePlayersInputNow) {
  cInput& input = g_InputList.CheckedVectorAt(0);
  input.vDirPress.assign(kDirPatternCount, cVector<PRESSRUNDATA>());
  input.vDirPress.CheckedVectorAt(5).push_back({1, 3});  // up-left held
  cChara& player = Mover(80, 0, 1);
  player.m_nControl = 0;
  EXPECT_EQ(ResolveMoveDirection(player, kDirInput, 1, 1, 1), kDirUpLeft);
  EXPECT_EQ(ResolveMoveDirection(player, kDirInput, 1, 1, 0), kDirLeft);
  // Without a running flow nothing was remembered: the facing.
  EXPECT_EQ(ResolveMoveDirection(player, kDirInput, 0, 1, 1), kDirRight);
  EXPECT_EQ(ResolveMoveDirection(player, kDirBackY, 1, 1, 1), kDirUp);
}

TEST_F(LinearMoveTest, MovesWithoutTheirMoveSettingsDoNothing) {
  for (int8_t kind : {kFlowCmdLinearMove, kFlowCmdGroundMove, kFlowCmdCircleMove, kFlowCmdChargeMove,
                      kFlowCmdHomingMove, kFlowCmdAvoidMove}) {
    SCOPED_TRACE(static_cast<int>(kind));
    cmd_ = Cmd(kind);
    state_ = cFlowCmdState();
    state_.m_lpCmd = &cmd_;
    state_.m_dSpeed = 2;
    state_.m_nWork1 = 32;
    cChara& chara = Mover(70 + kind, 1, 1);
    chara.m_bHoldScreenPos = 1;
    Call(chara);
    EXPECT_EQ(chara.m_dVX, 0);
    EXPECT_EQ(chara.m_dVY, 0);
    EXPECT_EQ(chara.m_bHoldScreenPos, 1);
    EXPECT_EQ(chara.m_bAnimeChosen, 0);
    EXPECT_EQ(state_.m_nCount, 0);
  }
}

}  // namespace linear_move_test
