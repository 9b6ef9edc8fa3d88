#include <gtest/gtest.h>

#include <cmath>

#include "move_world.h"
#include "records/stage/stage_globals.h"

namespace circle_move_test {

class CircleMoveTest : public MoveWorld {
 protected:
  static void SetSubSteps(int32_t L) {
    g_Stage.m_nSubSteps = L;
    g_Stage.m_dSubSteps = L;
  }

  // A circle of radius (half blocks) from angle to endAngle in the move's
  // fields of the same shape.
  static cEdMove Circle(int16_t radius, int16_t angle, int16_t endAngle) {
    cEdMove move;
    move.m_nDirection = 0;
    move.m_nDistance = radius;
    move.m_nAngle = angle;
    move.m_nHoming = endAngle;
    move.m_bMirrorTargetX = 0;
    return move;
  }
};

TEST_F(CircleMoveTest, TheFlowPreparesRadiusAnglesTurnAndSpeedOrLength) {
  struct Case {
    const char* name;
    int32_t L;
    int16_t radius, angle, endAngle;
    int8_t speedMode = 0;
    int16_t speed = 10, tenths = 6;
    int8_t firstFacing = 0, mirrorX = 0, mirrorY = 0, direction = 0;
    int32_t wantRadius, wantStart, wantEnd;
    uint8_t wantDir;
    double wantSpeed;
    int32_t wantFrames;
  } cases[] = {
      {"length given: a full turn in 36 calls", 1, 2, 0, 360, 0, 10, 6, 0, 0, 0, 0, 32, 0, 360, 0, 10, 36},
      {"radius held at 20 half blocks, L 2", 2, 25, 90, 270, 0, 10, 3, 0, 0, 0, 0, 640, 180, 540, 0, 5, 36},
      {"speed given: the length follows", 2, 2, 0, 360, 1, 50, 6, 0, 0, 0, 0, 64, 0, 720, 0, 2.5, 144},
      {"a negative speed: the length made positive", 2, 2, 0, 360, 1, -50, 6, 0, 0, 0, 0, 64, 0, 720, 0, -2.5, 144},
      {"facing right first, x mirror: half a turn on, turned round", 1, 2, 0, 90, 0, 10, 6, 1, 1, 0, 0, 32, 180, 270, 1, 2.5, 36},
      {"both mirrors: turned round twice", 1, 2, 0, 90, 0, 10, 6, 1, 1, 1, 0, 32, 180, 270, 0, 2.5, 36},
      {"first facing left: no mirror", 1, 2, 0, 90, 0, 10, 6, 0, 1, 1, 0, 32, 0, 90, 0, 2.5, 36},
      {"a rotation by facing turns to its twin", 1, 2, 0, 90, 0, 10, 6, 1, 1, 0, 2, 32, 180, 270, 3, 2.5, 36},
      {"no length: the whole way in one call", 1, 2, 0, 90, 0, 10, 0, 0, 0, 0, 0, 32, 0, 90, 0, 90, 0},
  };
  int32_t id = 10;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetSubSteps(c.L);
    cEdMove move = Circle(c.radius, c.angle, c.endAngle);
    move.m_nSpeedMode = c.speedMode;
    move.m_nSpeed = c.speed;
    move.m_bMirrorTargetX = c.mirrorX;
    move.m_bMirrorTargetY = c.mirrorY;
    move.m_nDirection = c.direction;
    cChara& chara = AddTestChara(id++);
    chara.m_Def.m_nFacing = c.firstFacing;
    chara.m_Def.m_Flows.push_back(Flow(kTriggerByOperation, {MoveCmd(kFlowCmdCircleMove, move, c.tenths)}));
    chara.SetFlows(chara.m_Def.m_Flows, 0, -1);
    const cFlowCmdState& state = chara.m_Flows.CheckedVectorAt(0).m_States.CheckedVectorAt(0);
    EXPECT_EQ(state.m_nWork1, c.wantRadius);
    EXPECT_EQ(state.m_nWork2, c.wantStart);
    EXPECT_EQ(state.m_nWork3, c.wantEnd);
    EXPECT_EQ(state.m_byDir, c.wantDir);
    EXPECT_DOUBLE_EQ(state.m_dSpeed, c.wantSpeed);
    EXPECT_EQ(state.m_nFrames, c.wantFrames);
  }
}

TEST_F(CircleMoveTest, AFullTurnClosesTheCircle) {
  cChara& chara = WithFlows(20, {Flow(kTriggerByOperation, {MoveCmd(kFlowCmdCircleMove, Circle(2, 0, 360), 6)})});
  chara.m_bFlying = 1;
  Start(chara, 0);
  double x = 0;
  double y = 0;
  double left = 0;
  double right = 0;
  int32_t passes = 0;
  while (Running(chara, 0) && passes < 100) {
    Pass(chara);
    x += chara.m_dVX;
    y += chara.m_dVY;
    left = std::fmin(left, x);
    right = std::fmax(right, x);
    ++passes;
  }
  EXPECT_EQ(passes, 36);
  EXPECT_NEAR(x, 0, 1e-9);
  EXPECT_NEAR(y, 0, 1e-9);
  EXPECT_NEAR(right - left, 64, 0.5);  // across a circle of radius 32 dots, in steps of 10 degrees
}

TEST_F(CircleMoveTest, TheTurnFollowsTheRotationAndTheFacing) {
  // The second call's vertical velocity: "左回り" heads down from the start
  // angle, "右回り" up.
  struct Case {
    const char* name;
    uint8_t rotation;
    int32_t facing;
    bool down;
  } cases[] = {
      {"右回り", 0, 0, false},
      {"左回り", 1, 0, true},
      {"2 facing right: 左回り", 2, 1, true},
      {"2 facing left: 右回り", 2, 0, false},
      {"3 facing right: 右回り", 3, 1, false},
      {"3 facing left: 左回り", 3, 0, true},
      {"another byte turns as 右回り", 7, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    NewMove(kFlowCmdCircleMove);
    state_.m_byDir = c.rotation;
    state_.m_nWork1 = 32;
    state_.m_dSpeed = 10;
    cChara& chara = Mover(30 + static_cast<int32_t>(&c - cases), 1, c.facing);
    Call(chara);
    EXPECT_NEAR(chara.m_dVX, -0.017453292519943295 * 32 * 10, 1e-12);
    chara.m_dVY = 0;
    Call(chara);
    EXPECT_EQ(chara.m_dVY > 0, c.down);
  }
}

TEST_F(CircleMoveTest, NoRadiusDoesNothingAndAWalkingCharaOnlyMovesAcross) {
  NewMove(kFlowCmdCircleMove);
  state_.m_dSpeed = 10;
  cChara& still = Mover(40, 1, 0);
  still.m_bHoldScreenPos = 1;
  Call(still);
  EXPECT_EQ(still.m_dVX, 0);
  EXPECT_EQ(still.m_bHoldScreenPos, 1);

  state_.m_nWork1 = 32;
  cChara& walker = Mover(41, 0, 0);
  Call(walker);
  Call(walker);
  EXPECT_NE(walker.m_dVX, 0);
  EXPECT_EQ(walker.m_dVY, 0);
}

}  // namespace circle_move_test
