#include <gtest/gtest.h>

#include "chara_world.h"
#include "records/script/flow_cmd.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara.h"
#include "stage/objects/flow_cmd_state.h"

namespace {

class CharaJumpTest : public CharaWorld {
 protected:
  void SetUp() override {
    CharaWorld::SetUp();
    command_.m_nSound = 9;
    command_.m_bSoundOnScreenOnly = 1;
    state_.m_lpCmd = &command_;
    state_.m_dSpeed = -5;
    state_.m_nRemain = 40;
    chara_.m_bInAir = 0;
  }

  int32_t Sounds() const {
    int32_t sounds = 0;
    for (const std::string& name : EventNames()) sounds += name == "PlayProjectSE";
    return sounds;
  }

  cFlowCmd command_;
  cFlowCmdState state_;
  cChara chara_;
};

TEST_F(CharaJumpTest, TakesOffWithTheSoundOnlyOnScreen) {
  for (int32_t onScreen : {0, 1}) {
    SCOPED_TRACE(onScreen);
    services_.m_Events.clear();
    cFlowCmdState state = state_;
    cChara chara;
    chara.m_bRiding = 1;
    chara.m_bOnScreen = onScreen;
    chara.StepJump(state);
    EXPECT_EQ(state.m_nWork1, 1);
    EXPECT_EQ(chara.m_dVY, -5);
    EXPECT_EQ(chara.m_bJumpRising + chara.m_bJumpHit, 2);
    EXPECT_EQ(chara.m_bRiding, 0);
    EXPECT_EQ(Sounds(), onScreen);
  }
}

TEST_F(CharaJumpTest, AFallingCharaGivesUpAfterFourFrames) {
  g_Stage.SetCollisionLevel(2);
  chara_.m_bInAir = 1;
  chara_.m_bPushed = 1;
  for (int32_t call = 1; call < 8; ++call) chara_.StepJump(state_);
  EXPECT_EQ(state_.m_nWork1, 0);
  EXPECT_EQ(state_.m_nRemain, 40);
  chara_.StepJump(state_);  // the 8th sub-step: 4 frames at L 2
  EXPECT_EQ(state_.m_nWork1, 1);
  EXPECT_EQ(state_.m_nRemain, 0);
  EXPECT_EQ(chara_.m_bPushed, 0);
  EXPECT_EQ(chara_.m_dVY, 0);  // never took off
}

TEST_F(CharaJumpTest, EndsOnLanding) {
  chara_.StepJump(state_);
  chara_.StepJump(state_);  // in the air: goes on
  EXPECT_EQ(state_.m_nRemain, 40);
  chara_.m_bRiding = 1;
  chara_.m_bJumpLocked = 1;
  chara_.StepJump(state_);
  EXPECT_EQ(state_.m_nRemain, 0);
  EXPECT_EQ(chara_.m_bJumpLocked, 0);
}

TEST_F(CharaJumpTest, FreeJumpTakesOffWheneverItCanAndNeverGivesUp) {
  g_SystemData.m_bLegacy749 = 1;
  chara_.m_bInAir = 1;
  for (int32_t call = 0; call < 20; ++call) chara_.StepJump(state_);
  EXPECT_EQ(state_.m_nRemain, 40);
  EXPECT_EQ(state_.m_nWork1, 0);
  chara_.m_bInAir = 0;
  chara_.StepJump(state_);  // off screen, yet the sound plays
  chara_.StepJump(state_);  // and again: a free jump takes off on every pass it can
  EXPECT_EQ(Sounds(), 2);
  EXPECT_EQ(state_.m_nRemain, 40);
}

}  // namespace
