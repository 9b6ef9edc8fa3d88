// Item commands run on the hero: the table's dispatch and フローの変更.

#include <gtest/gtest.h>

#include <vector>

#include "flow_world.h"
#include "stage/objects/hero.h"
#include "stage/script/item_change_flow.h"
#include "stage/script/item_cmd_table.h"

class ItemCmdTest : public FlowWorld {
 protected:
  static cFlow IdFlow(int8_t id) {
    cFlow flow = Flow(kTriggerAlways, {Cmd(kFlowCmdWait)});
    flow.m_nFlowId = id;
    return flow;
  }

  // A hero whose flows carry the IDs given, in order.
  cHero& HeroWithFlows(std::initializer_list<int8_t> ids) {
    cHero& hero = AddTestHero(1);
    for (const int8_t id : ids) hero.m_Def.m_Flows.push_back(IdFlow(id));
    hero.SetFlows(hero.m_Def.m_Flows, 0, -1);
    return hero;
  }

  static cFlowCmd ChangeFlow(int32_t verb, int32_t id, std::initializer_list<int8_t> subIds) {
    cFlowCmd cmd;
    cmd.m_nSet = kCmdSetItem;
    cmd.m_nKind = kItemCmdChangeFlows;
    cmd.m_Params.assign({verb, id});
    for (const int8_t sub : subIds) cmd.m_SubFlows.push_back(IdFlow(sub));
    return cmd;
  }

  static std::vector<int> FlowIds(const cHero& hero) {
    std::vector<int> ids;
    for (const cFlowInstance& instance : hero.m_Flows) ids.push_back(instance.Flow().m_nFlowId);
    return ids;
  }
};

TEST_F(ItemCmdTest, ChangeFlowVerbs) {
  struct Case {
    const char* name;
    int32_t verb;
    int32_t id;
    std::vector<int> expect;
  };
  // The hero starts with flows A B A; the command's sub-flows are E F.
  const Case cases[] = {
      {"add", kChangeFlowAdd, 1, {1, 2, 1, 5, 6}},
      {"change A", kChangeFlowReplace, 1, {5, 6, 2}},
      {"change B", kChangeFlowReplace, 2, {1, 5, 6, 1}},
      {"change a missing ID appends", kChangeFlowReplace, 9, {1, 2, 1, 5, 6}},
      {"change every flow", kChangeFlowReplace, 0, {5, 6}},
      {"delete A", kChangeFlowDelete, 1, {2}},
      {"delete every flow", kChangeFlowDelete, 0, {}},
      {"unknown verb", 3, 1, {1, 2, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClearHeroes(play_);
    cHero& hero = HeroWithFlows({1, 2, 1});
    cFlowCmd cmd = ChangeFlow(c.verb, c.id, {5, 6});
    EXPECT_EQ(DispatchItemCmd(&hero, &cmd), 0);
    EXPECT_EQ(FlowIds(hero), c.expect);
    // Every instance runs the definition's flow of its own index.
    for (int32_t i = 0; i < hero.m_Flows.VectorSize(); ++i) {
      EXPECT_EQ(&hero.m_Flows.CheckedVectorAt(i).Flow(), &hero.m_Def.m_Flows.CheckedVectorAt(i));
    }
  }
}

TEST_F(ItemCmdTest, ChangeTakenWhileTheHerosFlowsRunWaitsForTheEndOfThePass) {
  cHero& hero = HeroWithFlows({1, 2});
  cFlowCmd cmd = ChangeFlow(kChangeFlowReplace, 0, {7});
  play_.m_nFlowOwnerId = hero.m_nId;
  DispatchItemCmd(&hero, &cmd);
  EXPECT_EQ(FlowIds(hero), (std::vector<int>{1, 2}));
  ASSERT_EQ(hero.m_PendingItemCmds.VectorSize(), 1);
  // Another chara's flows running do not hold it back.
  play_.m_nFlowOwnerId = hero.m_nId + 1;
  cFlowCmd add = ChangeFlow(kChangeFlowAdd, 0, {3});
  DispatchItemCmd(&hero, &add);
  EXPECT_EQ(FlowIds(hero), (std::vector<int>{1, 2, 3}));
  // The hero's pass ends and runs what waited.
  play_.m_nFlowOwnerId = -1;
  ExecChangeFlow(&hero, &hero.m_PendingItemCmds.CheckedVectorAt(0), 1);
  EXPECT_EQ(FlowIds(hero), (std::vector<int>{7}));
}

TEST_F(ItemCmdTest, KindsOutsideTheTableDoNothing) {
  cHero& hero = HeroWithFlows({1});
  for (const int8_t kind : {int8_t{-1}, int8_t{25}, int8_t{127}}) {
    SCOPED_TRACE(int{kind});
    cFlowCmd cmd = ChangeFlow(kChangeFlowDelete, 0, {});
    cmd.m_nKind = kind;
    EXPECT_EQ(DispatchItemCmd(&hero, &cmd), 0);
    EXPECT_EQ(FlowIds(hero), (std::vector<int>{1}));
  }
}

TEST_F(ItemCmdTest, SharedKindsReachTheFlowExecutors) {
  cHero& hero = HeroWithFlows({});
  hero.m_bOnScreen = 1;
  cFlowCmd sound;
  sound.m_nSet = kCmdSetItem;
  sound.m_nKind = 20;  // 効果音の再生
  sound.m_Params.assign({9});
  cFlowCmd bgm;
  bgm.m_nSet = kCmdSetItem;
  bgm.m_nKind = 21;  // BGMの再生
  bgm.m_Params.assign({3, 1});
  DispatchItemCmd(&hero, &sound);
  DispatchItemCmd(&hero, &bgm);
  EXPECT_EQ(EventNames(), (std::vector<std::string>{"PlayProjectSE", "RequestStageBgm"}));
}

TEST_F(ItemCmdTest, MessageSetsTheItemMessageFlag) {
  cHero& hero = HeroWithFlows({});
  cFlowCmd message;
  message.m_nSet = kCmdSetItem;
  message.m_nKind = 4;  // メッセージ
  play_.m_bItemMessage = 0;
  EXPECT_EQ(DispatchItemCmd(&hero, &message), 0);
  EXPECT_EQ(play_.m_bItemMessage, 1);
}
