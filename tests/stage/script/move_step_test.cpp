#include <gtest/gtest.h>

#include "move_world.h"
#include "stage/script/move_velocity.h"

namespace move_step_test {

class MoveStepTest : public MoveWorld {};

TEST_F(MoveStepTest, InertiaAcceleratesBySixtiethsAndStaysWithinTheMaximum) {
  struct Case {
    const char* name;
    double factor, inertia, v, maxSpeed;
    double expected;
    int32_t friction;  // the flag after the step (it starts set)
  } cases[] = {
      {"against the motion at factor 1.0: as forwards", 1.0, 0.5, -60, 5, -0.5, 1},
      {"against the motion at factor 2.0: twice", 2.0, 0.5, -60, 5, -1.5, 1},
      {"against the motion, held at the maximum", 2.0, 0.5, -60, 1, -1.0, 1},
      {"with the motion: no factor, no friction", 2.0, 0.5, 60, 5, 1.5, 0},
      {"with the motion, held at the maximum", 1.0, 0.9, 60, 1, 1.0, 0},
      {"from rest", 2.0, 0, -30, 5, -0.5, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cEdMove& move = NewMove(kFlowCmdLinearMove);
    move.m_bInertia = 1;
    move.m_dReverseAccel = c.factor;
    state_.m_dMaxSpeed = c.maxSpeed;
    cChara& chara = Mover(10 + static_cast<int32_t>(&c - cases), 0, 0);
    chara.m_dInertiaX = c.inertia;
    chara.m_bFrictionX = 1;
    ApplyMoveStep(chara, c.v, 0, kFaceKeep, state_, move, 0);
    EXPECT_DOUBLE_EQ(chara.m_dInertiaX, c.expected);
    EXPECT_EQ(chara.m_bFrictionX, c.friction);
    EXPECT_EQ(chara.m_dVX, 0);  // an inertial move leaves the velocity to the inertia
  }
}

TEST_F(MoveStepTest, OnlyForcedMovesTurnACharaWhoseFacingIsFixed) {
  struct Case {
    const char* name;
    int8_t fixed, keep;
    int32_t force, faceTo;
    int32_t facing;  // from facing right
  } cases[] = {
      {"a free chara turns", 0, 0, 0, kFaceLeft, 0},
      {"a fixed one does not", 1, 0, 0, kFaceLeft, 1},
      {"a forced move turns it", 1, 0, 1, kFaceLeft, 0},
      {"a move keeping the facing never turns", 0, 1, 1, kFaceLeft, 1},
      {"no facing asked", 0, 0, 0, kFaceKeep, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cEdMove& move = NewMove(kFlowCmdLinearMove);
    move.m_bKeepFacing = c.keep;
    cChara& chara = Mover(20 + static_cast<int32_t>(&c - cases), 0, 1);
    chara.m_Def.m_bFixedFacing = c.fixed;
    ApplyMoveStep(chara, -1, 0, c.faceTo, state_, move, c.force);
    EXPECT_EQ(chara.m_nFacing, c.facing);
    EXPECT_EQ(chara.m_dVX, -1);
  }
}

TEST_F(MoveStepTest, AnimationRequestsKeepTheHigherPriority) {
  struct Case {
    const char* name;
    int8_t mode;
    int32_t flying, priorityBefore;
    int32_t chosen, priority;
  } cases[] = {
      {"moving, walking", kMoveAnimeMoving, 0, 0, 1, 2},
      {"moving, flying", kMoveAnimeMoving, 1, 0, 3, 2},
      {"standing, walking", kMoveAnimeStanding, 0, 0, 0, 1},
      {"standing, flying", kMoveAnimeStanding, 1, 0, 2, 1},
      {"standing after a moving request: moving stays", kMoveAnimeStanding, 0, 2, -1, 2},
      {"moving over standing", kMoveAnimeMoving, 0, 1, 1, 2},
      {"a higher request stays", kMoveAnimeMoving, 0, 3, -1, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cEdMove& move = NewMove(kFlowCmdLinearMove);
    move.m_nAnimeMode = c.mode;
    cChara& chara = Mover(30 + static_cast<int32_t>(&c - cases), c.flying, 1);
    chara.m_nAnimePriority = c.priorityBefore;
    chara.m_nAnimeChosen = -1;
    ApplyMoveStep(chara, 0, 0, kFaceKeep, state_, move, 0);
    EXPECT_EQ(chara.m_bAnimeChosen, 1);
    EXPECT_EQ(chara.m_nAnimeChosen, c.chosen);
    EXPECT_EQ(chara.m_nAnimePriority, c.priority);
  }
  cEdMove& other = NewMove(kFlowCmdLinearMove);
  other.m_nAnimeMode = kMoveAnimeOther;
  cChara& chara = Mover(40, 0, 1);
  ApplyMoveStep(chara, 0, 0, kFaceKeep, state_, other, 0);
  EXPECT_EQ(chara.m_bAnimeChosen, 0);
}

}  // namespace move_step_test
