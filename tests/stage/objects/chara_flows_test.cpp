#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chara_world.h"
#include "records/settings/system_data.h"
#include "stage/objects/chara.h"
#include "support/recording_chara_flow_calls.h"

namespace {

class CharaFlowsTest : public CharaWorld {
 protected:
  void SetUp() override {
    CharaWorld::SetUp();
    m_lpSavedCalls = g_lpCharaFlowCalls;
    g_lpCharaFlowCalls = &calls_;
  }
  // The flow engine's calls are the default the other tests run with.
  void TearDown() override {
    g_lpCharaFlowCalls = m_lpSavedCalls;
    CharaWorld::TearDown();
  }
  cCharaFlowCalls* m_lpSavedCalls = nullptr;

  // A chara with one running flow per trigger (a trigger below 0: a flow
  // without commands).
  cChara& WithFlows(const std::vector<int8_t>& triggers) {
    cChara& chara = AddTestChara(4);
    chara.m_nHp = 10;
    chara.m_Def.m_nMaxHp = 10;
    for (int8_t trigger : triggers) {
      cFlow& flow = chara.m_Def.m_Flows.emplace_back();
      flow.m_nTrigger = trigger < 0 ? 0 : trigger;
      if (trigger >= 0) flow.m_Commands.emplace_back();
      cFlowInstance& instance = chara.m_Flows.emplace_back();
      instance.m_States.resize(flow.m_Commands.size());
      instance.m_nIndex = chara.m_Flows.VectorSize() - 1;
      instance.m_bRunning = 1;
    }
    return chara;
  }

  cRecordingCharaFlowCalls calls_;
};

TEST_F(CharaFlowsTest, APassRunsEachRunningFlowAndStopsOnesWithoutCommands) {
  cChara& chara = WithFlows({0, -1, 5});
  chara.m_Flows.CheckedVectorAt(2).m_bPaused = 1;
  calls_.m_OnRun = [&](cCharaBase&, int32_t) {
    EXPECT_EQ(play_.m_nFlowOwnerId, 4);
    EXPECT_EQ(play_.m_nFlowIndex, 0);
  };
  EXPECT_EQ(chara.RunFlows(0), 0);
  EXPECT_EQ(calls_.m_FlowOps, (std::vector<std::string>{"animes", "run 0", "stop 1"}));
  EXPECT_EQ(play_.m_nFlowOwnerId, kNoLink);
  EXPECT_EQ(play_.m_nFlowIndex, kNoLink);
}

TEST_F(CharaFlowsTest, ADyingPassRunsOnlyTheDeathsFlows) {
  cChara& chara = WithFlows({0, 3});
  chara.m_nHp = 0;
  EXPECT_EQ(chara.RunFlows(1), 1);
  EXPECT_EQ(calls_.m_FlowOps, (std::vector<std::string>{"animes", "run 1"}));
}

TEST_F(CharaFlowsTest, HpRunningOutEndsThePassAndClearsTheOwner) {
  cChara& chara = WithFlows({0, 0});
  chara.m_Anime.m_nSequence = 5;
  calls_.m_OnRun = [](cCharaBase& c, int32_t) { c.m_nHp = 0; };
  EXPECT_EQ(chara.RunFlows(0), 1);
  EXPECT_EQ(calls_.m_FlowOps, (std::vector<std::string>{"animes", "run 0"}));
  EXPECT_EQ(play_.m_nFlowOwnerId, kNoLink);  // the play step may erase this chara next
  EXPECT_EQ(play_.m_nFlowIndex, kNoLink);
  EXPECT_EQ(chara.m_Anime.m_nSequence, 5);  // the pass ended before the animation step

  cChara& vanishing = WithFlows({0});
  calls_.m_OnRun = [](cCharaBase& c, int32_t) { c.m_bVanish = 1; };
  EXPECT_EQ(vanishing.RunFlows(0), 1);
  EXPECT_EQ(play_.m_nFlowOwnerId, kNoLink);
}

TEST_F(CharaFlowsTest, BaseSpeedsFollowTheAutoScrollUnlessAllFollow) {
  play_.m_ScrollX.m_dAutoSpeed = 0.5;
  play_.m_ScrollX.m_bClamped = 0;
  play_.m_ScrollY.m_dAutoSpeed = -0.25;
  play_.m_ScrollY.m_bClamped = 1;
  struct Case {
    int32_t legacy214, follows, flying;
    double vx, vy;
  };
  const Case cases[] = {
      {0, 1, 1, 0.5, 0},   // y clamped: 0
      {0, 1, 0, 0.5, 7},   // walking keeps its vy
      {0, 0, 1, 0, 0},
      {1, 1, 1, 0, 0},     // all-follow: the scroll carries every chara elsewhere
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.legacy214 << c.follows << c.flying);
    g_SystemData.m_bLegacy214 = c.legacy214;
    cChara chara;
    chara.m_bFollowScroll = c.follows;
    chara.m_bFlying = c.flying;
    chara.m_dVX = 3;
    chara.m_dVY = 7;
    chara.RunFlows(0);
    EXPECT_EQ(chara.m_dVX, c.vx);
    EXPECT_EQ(chara.m_dVY, c.vy);
  }
}

TEST_F(CharaFlowsTest, PassResetsTheRequestsAndChoosesTheBaseAnimation) {
  static constexpr int32_t kStep[] = {1, 10, 0, kAnimeStepLoop, 0, 0};
  static constexpr const int32_t* kFour[] = {kStep, kStep, kStep, kStep, nullptr};
  cChara& chara = WithFlows({0});
  chara.m_Anime.Build(kFour);
  chara.m_bMoveDisabled = chara.m_bTransparentNow = 1;
  chara.m_nPostureFrames = 2;
  chara.m_FlowFlagRelease.CheckedVectorAt(3) = 1;
  chara.m_FlowFlagBusy.CheckedVectorAt(3) = 1;
  chara.m_bFlagReleasePending = 1;
  chara.m_Flows.CheckedVectorAt(0).m_bDelete = 1;
  chara.m_bFlowDeletePending = 1;
  calls_.m_OnRun = [](cCharaBase& c, int32_t) {
    EXPECT_EQ(c.m_bMoveDisabled + c.m_bTransparentNow, 0);
    c.m_bAnimeChosen = 1;
    c.m_nAnimeChosen = 3;
  };
  chara.RunFlows(0);
  EXPECT_EQ(chara.m_nPostureFrames, 1);
  EXPECT_EQ(chara.m_bFrictionX + chara.m_bFrictionY, 2);
  EXPECT_EQ(chara.m_Anime.m_nSequence, 3);
  EXPECT_EQ(chara.m_FlowFlagBusy.CheckedVectorAt(3), 0);
  EXPECT_EQ(chara.m_bFlagReleasePending + chara.m_bFlowDeletePending, 0);
  EXPECT_EQ(calls_.m_FlowOps.back(), "delete 0");

  calls_.m_OnRun = nullptr;
  chara.m_bFlying = 1;
  chara.RunFlows(0);
  EXPECT_EQ(chara.m_Anime.m_nSequence, 2);  // no request: flying
  chara.m_Anime.m_nSequence = 1;
  chara.m_dInertiaX = 0.5;  // moving by inertia keeps the animation
  chara.RunFlows(0);
  EXPECT_EQ(chara.m_Anime.m_nSequence, 1);
}

}  // namespace
