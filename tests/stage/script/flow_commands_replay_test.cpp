// A stage whose charas run the shared flow commands every frame steps to the
// same states twice from the same build: the commands draw and decide only
// through the simulation, never through what the scene answered.

#include <gtest/gtest.h>

#include <vector>

#include "records/database/database.h"
#include "records/script/cmd_kind_table.h"
#include "records/script/direction_codes.h"
#include "records/script/ed_move.h"
#include "records/script/flow.h"
#include "stage/objects/state_digest.h"
#include "stage/script/cmd_param_table.h"
#include "support/stage_world.h"

namespace {

class FlowCommandsReplayTest : public StageWorld {
 protected:
  void SetUp() override {
    StageWorld::SetUp();
    savedAnimeSets_ = g_Database.m_AnimeSets;
    g_Database.m_AnimeSets.resize(1);
    cAnimeSet& set = g_Database.m_AnimeSets.CheckedVectorAt(0);
    set.m_Animes.resize(4);
    for (auto& anime : set.m_Animes) anime.m_Frames.resize(1);
    BuildCmdParamTable();
  }
  void TearDown() override {
    StageWorld::TearDown();
    g_Database.m_AnimeSets = savedAnimeSets_;
  }

  static cFlowCmd Command(int8_t kind, std::vector<int32_t> params) {
    cFlowCmd cmd;
    cmd.m_nKind = kind;
    params.resize(static_cast<std::size_t>(g_FlowCmdKinds[static_cast<std::size_t>(kind)].nParams), 0);
    cmd.m_Params.assign(params.begin(), params.end());
    return cmd;
  }

  static cFlow Busy() {
    cFlowCmd warp = Command(kFlowCmdWarp, {});
    NewEdMove(warp.m_Move.Shared());
    warp.m_Move->m_nDirection = kDirFront;
    warp.m_Move->m_nDistance = 1;
    cFlow flow;
    flow.m_nTrigger = kTriggerAlways;
    for (const cFlowCmd& cmd :
         {Command(kFlowCmdFlowOperation, {2, 1}), Command(kFlowCmdFlowOperation, {3, 1}),
          Command(kFlowCmdGameWait, {0}), Command(kFlowCmdMessage, {1}), warp,
          Command(kFlowCmdSetTarget, {1, 2, 0, 1, 0, 1}), Command(kFlowCmdStatus2, {0, 1, 1}),
          Command(kFlowCmdVanish, {3}), Command(kFlowCmdGraphic, {0, 1, 0}), Command(kFlowCmdAnimeSet, {0}),
          Command(kFlowCmdAnime, {0}), Command(kFlowCmdEffect, {0}), Command(kFlowCmdCharaEffect, {0, 0, 0}),
          Command(kFlowCmdScrEffect, {1, 0, 0}), Command(kFlowCmdPicture, {0})}) {
      flow.m_Commands.push_back(cmd);
    }
    return flow;
  }

  void WriteBusyStage() {
    cStageLayout layout;
    for (int32_t x = 0; x < 20; ++x) layout.Solid.emplace_back(x, 12);
    WriteStage(layout, g_Stage);
    for (int32_t x : {6, 9, 12}) {
      cCharaDef& def = g_Stage.m_PlacedCharas.emplace_back();
      def.m_nX = static_cast<int16_t>(x);
      def.m_nY = 4;
      def.m_nControl = cCharaDef::kControlComputer;
      def.m_nGraphic = 1;
      def.m_nMaxHp = 3;
      def.m_nCarriedItem = -1;
      def.m_nFly = 1;
      def.m_Flows.push_back(Busy());
      cFlow idle;
      idle.m_nTrigger = kTriggerAlways;
      idle.m_Commands.push_back(Command(kFlowCmdWait, {}));
      def.m_Flows.push_back(idle);
    }
    g_StageInitial.TakeHeaderOf(g_Stage);
  }

  std::vector<uint64_t> Run(int32_t frames) {
    std::vector<uint64_t> digests;
    EXPECT_TRUE(play_.SetStage(0, 1));
    for (int32_t f = 0; f < frames; ++f) {
      EXPECT_EQ(StepFrame(0, 0), kPlayGoOn);
      digests.push_back(StateDigest(play_));
    }
    return digests;
  }

  cVector<cAnimeSet> savedAnimeSets_;
};

TEST_F(FlowCommandsReplayTest, TheSameBuildStepsToTheSameStates) {
  WriteBusyStage();
  const std::vector<uint64_t> first = Run(40);
  const std::size_t requests = services_.m_Events.size();
  services_.m_Events.clear();
  EXPECT_EQ(Run(40), first);
  EXPECT_EQ(services_.m_Events.size(), requests);
  EXPECT_GT(requests, 40U);
}

}  // namespace
