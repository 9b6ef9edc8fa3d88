#include <gtest/gtest.h>

#include <algorithm>

#include "records/script/flow_cmd.h"
#include "stage/objects/flow_cmd_state.h"
#include "stage/script/flow_cmd_shots.h"
#include "../objects/shot_world.h"

namespace {

class FlowCmdShotsTest : public ShotWorld {
 protected:
  void SetUp() override {
    ShotWorld::SetUp();
    SetLevel(2);
    chara_ = &AddShooter(1);
    chara_->m_bOnScreen = 1;
    NewEdShot(cmd_.m_Shot.Shared());
    cmd_.m_Shot->m_nCount = 1;
    cmd_.m_Shot->m_nDirection = 2;
    cmd_.m_Shot->m_nSpeed = 10;
    cmd_.m_Shot->m_bShotOpt9 = 1;
    cmd_.m_nSound = 4;
    state_.m_lpCmd = &cmd_;
  }

  int32_t Sounds() const {
    return static_cast<int32_t>(std::count_if(services_.m_Events.begin(), services_.m_Events.end(),
                                              [](const cStageEvent& e) { return e.strName == "PlayProjectSE"; }));
  }

  cChara* chara_ = nullptr;
  cFlowCmd cmd_;
  cFlowCmdState state_;
};

TEST_F(FlowCmdShotsTest, AShotFiresEveryTenthOfASecondFromItsFirstCall) {
  cmd_.m_nKind = 11;
  for (int32_t call = 0; call < 5 * 6 * 2; ++call) FlowCmd_Shot(chara_, &state_);
  EXPECT_EQ(play_.m_ShotList.size(), 5u);
  EXPECT_EQ(Sounds(), 5);
}

TEST_F(FlowCmdShotsTest, ASwordIsMadeOncePerRunWithItsOwnersLink) {
  cmd_.m_nKind = 12;
  for (int32_t call = 0; call < 40; ++call) FlowCmd_Sword(chara_, &state_);
  ASSERT_EQ(play_.m_ShotList.size(), 1u);
  EXPECT_EQ(play_.m_ShotList.front().m_bShot, 0);
  EXPECT_EQ(chara_->m_ShotLinks.size(), 1u);
  state_.m_nCount = 0;  // the command runs again
  FlowCmd_Sword(chara_, &state_);
  EXPECT_EQ(play_.m_ShotList.size(), 2u);
  EXPECT_EQ(chara_->m_ShotLinks.size(), 2u);
  EXPECT_EQ(BrokenLinks(), "");
}

TEST_F(FlowCmdShotsTest, AnOffScreenCharaFiresSilentlyWhenAsked) {
  cmd_.m_nKind = 11;
  chara_->m_bOnScreen = 0;
  FlowCmd_Shot(chara_, &state_);
  EXPECT_EQ(play_.m_ShotList.size(), 1u);
  EXPECT_EQ(Sounds(), 0);
}

}  // namespace
