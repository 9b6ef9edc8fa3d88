#include <gtest/gtest.h>

#include <vector>

#include "flow_world.h"
#include "records/database/database.h"
#include "records/database/runtime/anime_steps.h"
#include "records/stage/stage_globals.h"

namespace {

class FlowSetupTest : public FlowWorld {
 protected:
  void SetUp() override {
    FlowWorld::SetUp();
    savedAnimes_ = g_Database.m_Animes;
    savedSteps_ = g_AnimeSteps;
  }
  void TearDown() override {
    g_Database.m_Animes = savedAnimes_;
    g_AnimeSteps = savedSteps_;
    FlowWorld::TearDown();
  }

  static cFlow WithId(int8_t id, int8_t keyHold = 0) {
    cFlow flow = Flow(kTriggerByOperation, {Cmd(kFlowCmdWait), Cmd(kFlowCmdWait)});
    flow.m_nFlowId = id;
    flow.m_bKeyHold = keyHold;
    flow.m_KeyConds.emplace_back();
    return flow;
  }

  // Every instance points at its own flow, key conditions and commands.
  static void ExpectLinked(const cCharaBase& chara) {
    ASSERT_EQ(chara.m_Flows.size(), chara.m_Def.m_Flows.size());
    for (int32_t i = 0; i < chara.m_Flows.VectorSize(); ++i) {
      const cFlowInstance& instance = chara.m_Flows.CheckedVectorAt(i);
      const cFlow& flow = chara.m_Def.m_Flows.CheckedVectorAt(i);
      EXPECT_EQ(instance.m_nIndex, i);
      EXPECT_EQ(instance.m_lpFlow, &flow);
      ASSERT_EQ(instance.m_KeyConds.size(), flow.m_KeyConds.size());
      for (int32_t k = 0; k < flow.m_KeyConds.VectorSize(); ++k) {
        EXPECT_EQ(instance.m_KeyConds.CheckedVectorAt(k), &flow.m_KeyConds.CheckedVectorAt(k));
      }
      ASSERT_EQ(instance.m_States.size(), flow.m_Commands.size());
      for (int32_t c = 0; c < flow.m_Commands.VectorSize(); ++c) {
        EXPECT_EQ(instance.m_States.CheckedVectorAt(c).m_lpCmd, &flow.m_Commands.CheckedVectorAt(c));
      }
    }
  }

  static std::vector<int32_t> FlowIds(const cCharaBase& chara) {
    std::vector<int32_t> ids;
    for (const cFlowInstance& instance : chara.m_Flows) ids.push_back(instance.Flow().m_nFlowId);
    return ids;
  }
  static std::vector<int32_t> Serials(const cCharaBase& chara) {
    std::vector<int32_t> serials;
    for (const cFlowInstance& instance : chara.m_Flows) serials.push_back(instance.m_nSerial);
    return serials;
  }

  // Anime 1: a lead-in of tenths before its hold frame.
  static void AnimeWithLeadIn(int32_t tenths) {
    g_Database.m_Animes.resize(2);
    cAnime& anime = g_Database.m_Animes.CheckedVectorAt(1);
    anime.m_Frames.clear();
    anime.m_Frames.emplace_back().m_nDuration = tenths;
    cAnimeFrame& hold = anime.m_Frames.emplace_back();
    hold.m_nDuration = 9;
    hold.m_bHold = 1;
    g_AnimeSteps.resize(2);
    g_AnimeSteps.CheckedVectorAt(1) = {{3, 6 * tenths, 0}, {4, 54, 1}, {kAnimeStepEnd, 0, 0}};
  }

  static cFlowCmd Timed(int8_t kind, int16_t tenths, int8_t parallel = 0, int16_t anime = 0) {
    cFlowCmd cmd = Cmd(kind, {}, parallel);
    cmd.m_nDuration = tenths;
    cmd.m_nAnime = anime;
    return cmd;
  }

  cVector<cAnime> savedAnimes_;
  cAnimeStepTable savedSteps_;
};

TEST_F(FlowSetupTest, ReplaceInsertAndAppendKeepSerialsLinksAndTheKeyLatch) {
  cChara& chara = WithFlows(4, {WithId(1), WithId(2)});
  EXPECT_EQ(Serials(chara), (std::vector<int32_t>{0, 1}));
  ExpectLinked(chara);

  cVector<cFlow> inserted;
  inserted.push_back(WithId(7, 0));
  inserted.push_back(WithId(8, 1));
  chara.SetFlows(inserted, 1, 1);
  EXPECT_EQ(FlowIds(chara), (std::vector<int32_t>{1, 7, 8, 2}));
  EXPECT_EQ(Serials(chara), (std::vector<int32_t>{0, 2, 3, 1}));
  EXPECT_EQ(chara.m_Flows.CheckedVectorAt(1).m_bKeyLatch, 1);  // a key held now does not start it
  EXPECT_EQ(chara.m_Flows.CheckedVectorAt(2).m_bKeyLatch, 0);  // hold mode tests every frame
  ExpectLinked(chara);

  cVector<cFlow> appended;
  appended.push_back(WithId(9));
  for (int32_t index : {-1, 99}) {
    chara.SetFlows(appended, 1, index);
    EXPECT_EQ(FlowIds(chara).back(), 9);
  }
  EXPECT_EQ(chara.m_Flows.size(), 6U);
  ExpectLinked(chara);

  chara.SetFlows(inserted, 0, -1);
  EXPECT_EQ(FlowIds(chara), (std::vector<int32_t>{7, 8}));
  EXPECT_EQ(chara.m_Flows.CheckedVectorAt(0).m_bKeyLatch, 0);
  ExpectLinked(chara);
}

TEST_F(FlowSetupTest, DeletingByIdRemovesEveryMatchAndGivesTheFirstIndex) {
  cChara& chara = WithFlows(4, {WithId(1), WithId(2), WithId(1), WithId(3)});
  EXPECT_EQ(chara.DeleteFlowsById(1), 0);
  EXPECT_EQ(FlowIds(chara), (std::vector<int32_t>{2, 3}));
  ExpectLinked(chara);
  EXPECT_EQ(chara.DeleteFlowsById(5), -1);
  chara.DeleteFlowAt(0);
  EXPECT_EQ(FlowIds(chara), (std::vector<int32_t>{3}));
  ExpectLinked(chara);
  EXPECT_EQ(chara.DeleteFlowsById(0), 0);
  EXPECT_TRUE(chara.m_Flows.empty());
  EXPECT_TRUE(chara.m_Def.m_Flows.empty());
}

TEST_F(FlowSetupTest, ACopiedCharaRunsItsOwnCommands) {
  cChara& chara = WithFlows(4, {WithId(1), WithId(2)});
  cChara copy;
  copy.CopyFrom(chara);
  ExpectLinked(copy);
  cChara assigned = chara;  // a plain copy points into chara's definition until relinked
  assigned.EnsureFlowLinks();
  ExpectLinked(assigned);
}

TEST_F(FlowSetupTest, CommandLengthsGrowWithTheCloneIndexAndSubSteps) {
  g_Stage.SetCollisionLevel(4);
  ASSERT_EQ(g_Stage.m_nSubSteps, 4);
  cFlowCmd wait = Timed(kFlowCmdWait, 3);
  wait.m_nDurationPerClone = 2;
  cFlowCmd huge = Timed(kFlowCmdWait, 32767);
  huge.m_nDurationPerClone = 32767;
  cChara& chara = AddTestChara(4);
  chara.m_nIndex = 2;
  chara.m_Def.m_Flows.push_back(Flow(kTriggerByOperation, {wait, huge}));
  chara.SetFlows(chara.m_Def.m_Flows, 0, -1);
  EXPECT_EQ(chara.m_Flows.CheckedVectorAt(0).m_States.CheckedVectorAt(0).m_nFrames, 168);
  EXPECT_EQ(chara.m_Flows.CheckedVectorAt(0).m_States.CheckedVectorAt(1).m_nFrames, 2359224);  // 98301 x 24
}

TEST_F(FlowSetupTest, LoopsAreUnrolledWhenTheFlowsAreSet) {
  cChara& chara = WithFlows(4, {Flow(kTriggerByOperation, {Cmd(kFlowCmdLoop, {3, 1}), Cmd(kFlowCmdWait)})});
  EXPECT_EQ(chara.m_Flows.CheckedVectorAt(0).m_States.size(), 3U);
  ExpectLinked(chara);
}

TEST_F(FlowSetupTest, AnimationsStartSoTheirLeadInEndsAsTheirCommandBegins) {
  AnimeWithLeadIn(2);  // 12 sub-steps at L 1
  struct Case {
    const char* name;
    std::vector<cFlowCmd> cmds;
    int32_t start, skip, play, stretch;
  } cases[] = {
      {"room enough: early", {Timed(kFlowCmdWait, 5), Timed(kFlowCmdWait, 2, 0, 1)}, 18, 0, 12, 1},
      {"too little room: cut at the front", {Timed(kFlowCmdWait, 1), Timed(kFlowCmdWait, 2, 0, 1)}, 0, 6, 6, 1},
      {"parallel commands make no room",
       {Timed(kFlowCmdWait, 1), Timed(kFlowCmdWait, 5, 1), Timed(kFlowCmdWait, 2, 0, 1)}, 0, 6, 6, 1},
      {"a jump is not stretched", {Timed(kFlowCmdWait, 5), Timed(kFlowCmdJump, 2, 0, 1)}, 18, 0, 12, 0},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    cFlow flow = Flow(kTriggerByOperation, {});
    for (const cFlowCmd& cmd : c.cmds) flow.m_Commands.push_back(cmd);
    cChara& chara = WithFlows(10 + static_cast<int32_t>(&c - cases), {flow});
    const cVector<ANIMESTART>& starts = chara.m_Flows.CheckedVectorAt(0).m_AnimeStarts;
    ASSERT_EQ(starts.size(), 1U);
    EXPECT_EQ(starts.CheckedVectorAt(0).nStart, c.start);
    EXPECT_EQ(starts.CheckedVectorAt(0).nSkip, c.skip);
    EXPECT_EQ(starts.CheckedVectorAt(0).nPlay, c.play);
    EXPECT_EQ(starts.CheckedVectorAt(0).bStretch, c.stretch);
  }
}

TEST_F(FlowSetupTest, ACommandAnimationStartsAtItsPassOwnedByTheFlow) {
  AnimeWithLeadIn(1);  // 6 sub-steps
  cChara& chara = WithFlows(4, {Flow(kTriggerByOperation, {Timed(kFlowCmdWait, 2), Timed(kFlowCmdWait, 3, 0, 1)})});
  Start(chara, 0);
  for (int32_t pass = 0; pass < 6; ++pass) {
    EXPECT_TRUE(chara.m_AnimePlayers.empty()) << pass;
    Pass(chara);
  }
  Pass(chara);  // pass 6: 12 - 6
  ASSERT_EQ(chara.m_AnimePlayers.size(), 1U);
  const ANIMEPLAYER& player = chara.m_AnimePlayers.front();
  EXPECT_EQ(player.nOwnerKey, chara.m_Flows.CheckedVectorAt(0).m_nSerial);
  // The hold step lasts the command's 18 frames: stretched by 17.
  EXPECT_EQ(player.Anime.m_Sequences.CheckedVectorAt(0).CheckedVectorAt(1).nTicks, 54 + 17);
}

}  // namespace
