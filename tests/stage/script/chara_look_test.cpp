#include <gtest/gtest.h>

#include <vector>

#include "flow_world.h"
#include "records/database/runtime/anime_steps.h"
#include "records/palette/common_palette.h"
#include "stage/objects/flow_cmd_state.h"
#include "stage/script/flow_cmd_executors.h"
#include "stage/script/flow_cmd_table.h"
#include "stage/objects/hero.h"
#include "stage/objects/object_lists.h"

namespace {

class CharaLookTest : public FlowWorld {
 protected:
  void SetUp() override {
    FlowWorld::SetUp();
    savedPalette_ = g_CommonPalette.m_ItemPalette;
    savedSteps_ = g_AnimeSteps;
  }
  void TearDown() override {
    g_CommonPalette.m_ItemPalette = savedPalette_;
    g_AnimeSteps = savedSteps_;
    FlowWorld::TearDown();
  }

  // Items 0..n-1 of the common palette. Each first plays its own index as a
  // sound (so a run shows as a PlayProjectSE request), then runs its list:
  // k >= 0 takes common item k (アイテムの取得), -1 clears the stage.
  static void Items(std::vector<std::vector<int32_t>> items) {
    g_CommonPalette.m_ItemPalette.resize(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
      cVector<cFlowCmd>& cmds = g_CommonPalette.m_ItemPalette.CheckedVectorAt(static_cast<int32_t>(i)).m_Commands;
      cmds.clear();
      cmds.push_back(ItemCmd(kItemCmdPlaySound, {static_cast<int32_t>(i)}));
      for (int32_t command : items[i]) {
        cmds.push_back(command < 0 ? ItemCmd(kItemCmdStageClear, {}) : ItemCmd(kItemCmdGetItem, {0, command}));
      }
    }
  }

  static cFlowCmd ItemCmd(int8_t kind, std::vector<int32_t> params) {
    cFlowCmd cmd;
    cmd.m_nKind = kind;
    cmd.m_bSoundOnScreenOnly = 0;  // the hero stands off screen here
    params.resize(9, 0);
    cmd.m_Params.assign(params.begin(), params.end());
    return cmd;
  }

  // The hero the item commands run on.
  cHero& Hero() {
    g_Heroes.resize(1);
    g_Heroes.front().m_nHp = 10;
    return g_Heroes.front();
  }

  // The items that ran, in order.
  std::vector<int64_t> ItemsRun() const {
    std::vector<int64_t> run;
    for (const cStageEvent& event : services_.m_Events) {
      if (event.strName == "PlayProjectSE") run.push_back(std::get<int64_t>(event.Args.front().value));
    }
    return run;
  }

  cVector<cItemDef> savedPalette_;
  cAnimeStepTable savedSteps_;
};

TEST_F(CharaLookTest, TakingAnItemKeepsAnEarlierStageEndUnlessItEndsTheStage) {
  Items({{}, {-1}});
  Hero();
  cChara& chara = AddTestChara(4);
  cFlowCmd harmless = Cmd(kFlowCmdGetItem, {0, 0});
  play_.m_nStageClear = 2;
  EXPECT_EQ(ExecGetItem(&chara, &harmless), 0);
  EXPECT_EQ(play_.m_nStageClear, 2);

  play_.m_nStageClear = 0;
  cFlowCmd clears = Cmd(kFlowCmdGetItem, {0, 1});
  cFlowCmdState state;
  state.m_lpCmd = &clears;
  DispatchFlowCmd(&chara, &state);
  EXPECT_EQ(play_.m_nStageClear, 1);

  // Another palette names no item.
  cFlowCmd none = Cmd(kFlowCmdGetItem, {2, 1});
  EXPECT_EQ(ExecGetItem(&chara, &none), 0);
  EXPECT_EQ(ItemsRun(), (std::vector<int64_t>{0, 1}));
}

TEST_F(CharaLookTest, AnItemThatTakesItselfAgainDoesNotRecurse) {
  // 0 takes 1, 1 takes 0 and then itself: each runs once.
  Items({{1}, {0, 1}});
  Hero();
  cFlowCmd take = Cmd(kFlowCmdGetItem, {0, 0});
  EXPECT_EQ(ExecGetItem(nullptr, &take), 0);
  EXPECT_EQ(ItemsRun(), (std::vector<int64_t>{0, 1}));
}

TEST_F(CharaLookTest, NoHeroTakesNothing) {
  Items({{}});
  g_Heroes.clear();
  cFlowCmd take = Cmd(kFlowCmdGetItem, {0, 0});
  EXPECT_EQ(ExecGetItem(nullptr, &take), 0);
  EXPECT_TRUE(ItemsRun().empty());
}

TEST_F(CharaLookTest, GraphicChangesKeepLowBytesAndSignExtendTheDrawnOne) {
  cChara& chara = AddTestChara(4);
  cFlowCmd cmd = Cmd(kFlowCmdGraphic, {0x1FF, 0x18000, 0x12345});
  ExecChangeGraphic(&chara, &cmd);
  EXPECT_EQ(chara.m_Def.m_nGraphicSource, -1);
  EXPECT_EQ(chara.m_Def.m_nGraphic, -32768);
  EXPECT_EQ(chara.m_Def.m_nGraphicCell, 0x2345);
  EXPECT_EQ(chara.m_nGraphicNo, -32768);
}

TEST_F(CharaLookTest, TheNewestAnimePlayerComesFirstKeyedToItsFlow) {
  g_AnimeSteps.resize(3);
  g_AnimeSteps.CheckedVectorAt(1).push_back(ANIMESTEP{5, 10, 0});
  g_AnimeSteps.CheckedVectorAt(2).push_back(ANIMESTEP{9, 10, 0});
  cChara& chara = WithFlows(4, {Flow(kTriggerByOperation, {Cmd(kFlowCmdAnime, {1}), Cmd(kFlowCmdAnime, {2})})});
  SetFrames(chara, 0, 0, 1);
  SetFrames(chara, 0, 1, 1);
  Start(chara, 0);
  Pass(chara);
  Pass(chara);
  ASSERT_EQ(chara.m_AnimePlayers.size(), 2U);
  EXPECT_EQ(chara.m_AnimePlayers.front().Anime.GetPattern(), 9);
  EXPECT_EQ(chara.m_AnimePlayers.front().nOwnerKey, chara.m_Flows.CheckedVectorAt(0).m_nSerial);

  // Run on the hero from inside the chara's flow (an item command): no key,
  // so no hero flow of the same serial ends it.
  cHero& hero = AddTestHero(1);
  play_.m_nFlowOwnerId = chara.m_nId;
  play_.m_nFlowIndex = 0;
  cFlowCmd onHero = Cmd(kFlowCmdAnime, {1});
  ExecRunAnime(&hero, &onHero);
  EXPECT_EQ(hero.m_AnimePlayers.front().nOwnerKey, -1);
  play_.m_nFlowOwnerId = play_.m_nFlowIndex = -1;
}

}  // namespace
