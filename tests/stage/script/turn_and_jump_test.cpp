#include <gtest/gtest.h>

#include "move_world.h"

namespace turn_and_jump_test {

class TurnAndJumpTest : public MoveWorld {
 protected:
  // "向き変更" with P0 turnTo and sound 7, for a chara whose facing is fixed.
  cChara& Turner(int32_t id, int32_t turnTo, int32_t facing) {
    cmd_ = Cmd(kFlowCmdFacing, {turnTo});
    cmd_.m_nSound = 7;
    state_ = cFlowCmdState();
    state_.m_lpCmd = &cmd_;
    cChara& chara = Mover(id, 0, facing);
    chara.m_Def.m_bFixedFacing = 1;
    return chara;
  }

  int32_t Sounds() const {
    int32_t n = 0;
    for (const cStageEvent& event : services_.m_Events) n += event.strName == "PlayProjectSE";
    return n;
  }
};

TEST_F(TurnAndJumpTest, ChangeDirectionTurnsAFixedCharaTheWayItsParameterSays) {
  // Target 1 stands right of the turner, target 2 left of it.
  struct Case {
    const char* name;
    int32_t turnTo, facing;
    int8_t fixed = 1;
    int32_t wallSide = -1;
    bool targets = true;
    int32_t newFacing, sounds, count;
  } cases[] = {
      {"左を向く", 0, 1, 1, -1, true, 0, 1, 1},
      {"右を向く", 1, 0, 1, -1, true, 1, 1, 1},
      {"towards target 1", 2, 0, 1, -1, true, 1, 1, 1},
      {"away from target 1", 3, 1, 1, -1, true, 0, 1, 1},
      {"towards target 2", 4, 1, 1, -1, true, 0, 1, 1},
      {"away from target 2", 5, 0, 1, -1, true, 1, 1, 1},
      {"towards the last wall", 10, 0, 1, 1, true, 1, 1, 1},
      {"away from the last wall", 11, 1, 1, 1, true, 0, 1, 1},
      {"no wall yet", 11, 1, 1, -1, true, 1, 1, 1},
      {"an empty slot: the sound, no turn, no count", 2, 0, 1, -1, false, 0, 1, 0},
      {"a chara free to turn is left to its moves", 0, 1, 0, -1, true, 1, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    services_.m_Events.clear();
    const int32_t id = 10 + 3 * static_cast<int32_t>(&c - cases);
    cChara& chara = Turner(id, c.turnTo, c.facing);
    chara.m_Def.m_bFixedFacing = c.fixed;
    chara.m_nWallSide = c.wallSide;
    chara.m_dX = 100;
    if (c.targets) {
      cChara& right = Mover(id + 1, 0, 0);
      right.m_dX = 300;
      Target(chara, 0, right);
      Target(chara, 1, Mover(id + 2, 0, 0));  // at x 0
    }
    Call(chara);
    EXPECT_EQ(chara.m_nFacing, c.newFacing);
    EXPECT_EQ(Sounds(), c.sounds);
    EXPECT_EQ(state_.m_nCount, c.count);
  }
}

TEST_F(TurnAndJumpTest, ChangeDirectionTurnsOncePerTenthOfASecond) {
  cChara& lonely = Turner(40, 2, 0);
  for (int32_t call = 0; call < 3; ++call) Call(lonely);
  EXPECT_EQ(Sounds(), 3);  // an empty slot: the sound on every call
  EXPECT_EQ(state_.m_nCount, 0);

  services_.m_Events.clear();
  cChara& chara = Turner(41, 0, 1);
  for (int32_t call = 0; call < 7; ++call) Call(chara);
  EXPECT_EQ(Sounds(), 2);  // calls 1 and 7: the count wraps at 6 x L
  EXPECT_EQ(state_.m_nCount, 1);
}

TEST_F(TurnAndJumpTest, DisableMoveStopsEveryMotionAndGravity) {
  cChara& chara = Mover(50, 0, 0);
  chara.m_dPushVX = chara.m_dPushVY = 1;
  chara.m_dInertiaX = chara.m_dInertiaY = 2;
  chara.m_dVX = chara.m_dVY = 3;
  chara.m_bHoldScreenPos = chara.m_nHoldMode = 1;
  cmd_ = Cmd(kFlowCmdDisableMove);
  state_.m_lpCmd = &cmd_;
  Call(chara);
  EXPECT_EQ(chara.m_dPushVX + chara.m_dPushVY + chara.m_dInertiaX + chara.m_dInertiaY + chara.m_dVX + chara.m_dVY, 0);
  EXPECT_EQ(chara.m_bHoldScreenPos + chara.m_nHoldMode, 0);
  EXPECT_EQ(chara.m_bMoveDisabled, 1);
}

TEST_F(TurnAndJumpTest, JumpHandsTheCallToTheCharasOwnJump) {
  cChara& chara = Mover(60, 0, 0);
  chara.m_bInAir = 0;
  chara.m_bHoldScreenPos = 1;
  cmd_ = Cmd(kFlowCmdJump);
  state_ = cFlowCmdState();
  state_.m_lpCmd = &cmd_;
  state_.m_dSpeed = -7;
  Call(chara);
  EXPECT_EQ(chara.m_dVY, -7);  // took off
  EXPECT_EQ(chara.m_bHoldScreenPos, 0);
  EXPECT_EQ(state_.m_nCount, 1);
}

TEST_F(TurnAndJumpTest, ANewRunOfAJumpJumpsAgainThoughTheLastRunEndedInTheAir) {
  // The command lasts the rise time, so a run ends before the chara lands.
  struct Case {
    const char* name;
    bool newRun;
    double vy;
  } const cases[] = {
      {"the next run takes off", true, -7},
      {"the same run, landed, does not", false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cChara& chara = Mover(70 + static_cast<int32_t>(&c - cases), 0, 0);
    chara.m_bInAir = 0;
    cmd_ = Cmd(kFlowCmdJump);
    state_ = cFlowCmdState();
    state_.m_lpCmd = &cmd_;
    state_.m_dSpeed = -7;
    Call(chara);
    ASSERT_EQ(chara.m_dVY, -7);
    // Landed again, as the movement step leaves it.
    chara.m_dVY = 0;
    chara.m_bInAir = 0;
    chara.m_bJumpRising = chara.m_bJumpHit = 0;
    if (c.newRun) state_.Reset();
    Call(chara);
    EXPECT_EQ(chara.m_dVY, c.vy);
  }
}

}  // namespace turn_and_jump_test
