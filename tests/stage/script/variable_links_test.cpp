#include "stage/script/variable_links.h"

#include <gtest/gtest.h>

#include <climits>

#include "flow_world.h"
#include "records/database/database.h"
#include "records/save/save_data.h"
#include "stage/objects/hero.h"
#include "stage/script/flow_cmd_exec.h"
#include "stage/script/status_op.h"

namespace {

constexpr int32_t kLinkShotIndex = 11;
constexpr int32_t kLinkPowerRow = 27;
enum eLinkTestScope : int32_t { kLinkCommonVar = 0, kLinkStageVar, kLinkCharaVar };

class VariableLinksTest : public FlowWorld {
 protected:
  void SetUp() override {
    FlowWorld::SetUp();
    g_SaveData.m_Vars.assign(1001, 0);
    chara_ = &WithFlows(4, {});
  }

  static cFlowCmd ShotCmd() {
    cFlowCmd cmd = Cmd(kFlowCmdShot);
    NewEdShot(cmd.m_Shot.Shared());
    return cmd;
  }

  static cVector<int32_t> Link(int32_t index, int32_t row, int32_t op, int32_t scope, int32_t var) {
    cVector<int32_t> link;
    link.assign({index, row, op, scope, var});
    return link;
  }

  // The shot's 威力 from current by op with stage variable 1 = operand.
  int32_t Power(int32_t current, int32_t op, int32_t operand) {
    cFlowCmd cmd = ShotCmd();
    cmd.m_Shot->m_nPower = current;
    play_.m_StageVar.CheckedVectorAt(1) = operand;
    ApplyVariableLink(&cmd, Link(kLinkShotIndex, kLinkPowerRow, op, kLinkStageVar, 1), chara_);
    return cmd.m_Shot->m_nPower;
  }

  cChara* chara_ = nullptr;
};

TEST_F(VariableLinksTest, TheTableHasItsRowsAndTheAccessorsTheirEntries) {
  ASSERT_EQ(g_CmdParamTable.size(), 40U);
  int32_t rows = 0, kinds = 0;
  for (const cVector<CMDPARAMDESC>& descs : g_CmdParamTable) {
    rows += descs.VectorSize();
    kinds += descs.empty() ? 0 : 1;
  }
  EXPECT_EQ(rows, 112);
  EXPECT_EQ(kinds, 19);
  EXPECT_EQ(g_CmdParamTable.CheckedVectorAt(kLinkShotIndex).CheckedVectorAt(kLinkPowerRow).strLabel, "威力");
  EXPECT_EQ(g_CmdParamTable.CheckedVectorAt(kLinkShotIndex).CheckedVectorAt(kLinkPowerRow).nMin, -999999);
  for (int32_t index : {0, 1, 8, 9, 10, 16, 18, 23, 25, 27, 28, 30, 31, 35, 36, 37, 38, 39}) {
    EXPECT_EQ(g_CmdParamSetters[static_cast<std::size_t>(index)], nullptr) << index;
  }
  for (int32_t index : {3, 4, 7}) EXPECT_NE(g_CmdParamSetters[static_cast<std::size_t>(index)], nullptr) << index;
}

TEST_F(VariableLinksTest, OperationsAreExactThenClamped) {
  struct Case {
    int32_t current, op, operand, expect;
  } cases[] = {
      {50000, kStatusOpMul, 50000, 999999},       {50000, kStatusOpMul, -50000, -999999},   {65536, kStatusOpMul, 65537, 999999},
      {7, kStatusOpPercent, 50, 4},               {-7, kStatusOpPercent, 50, -4},           {999999, kStatusOpPercent, 5000, 999999},
      {-999999, kStatusOpPercent, 5000, -999999}, {1234, kStatusOpDiv, 0, 1234},            {1234, kStatusOpRem, 0, 1234},
      {999999, kStatusOpAdd, INT_MAX, 999999},    {-999999, kStatusOpSub, INT_MAX, -999999}, {INT_MIN, kStatusOpDiv, -1, 999999},
      {INT_MIN, kStatusOpRem, -1, 0},             {5000000, kStatusOpDiv, 0, 999999},       {10, kStatusOpAssign, -3, -3},
      {10, 9, 3, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.current << " op " << c.op << " " << c.operand);
    EXPECT_EQ(Power(c.current, c.op, c.operand), c.expect);
  }
}

TEST_F(VariableLinksTest, NarrowFieldsAndSettingRanges) {
  cFlowCmd cmd = ShotCmd();
  play_.m_StageVar.CheckedVectorAt(1) = 0;
  ApplyVariableLink(&cmd, Link(kLinkShotIndex, 5, kStatusOpAssign, kLinkStageVar, 1), chara_);  // 発射数 [1, 127]
  EXPECT_EQ(cmd.m_Shot->m_nCount, 1);
  cmd.m_Shot->m_nFormation = 2;  // its first parameter is an angle 0..180
  play_.m_StageVar.CheckedVectorAt(1) = 500;
  ApplyVariableLink(&cmd, Link(kLinkShotIndex, 2, kStatusOpAssign, kLinkStageVar, 1), chara_);
  EXPECT_EQ(cmd.m_Shot->m_nFormationParam[0], 180);
  cmd.m_Shot->m_nFormation = 40;  // no such formation: the link does nothing
  ApplyVariableLink(&cmd, Link(kLinkShotIndex, 2, kStatusOpAssign, kLinkStageVar, 1), chara_);
  EXPECT_EQ(cmd.m_Shot->m_nFormationParam[0], 180);
}

TEST_F(VariableLinksTest, LinksThatCannotApplyChangeNothingAndCloseNothing) {
  play_.m_StageVar.CheckedVectorAt(1) = 3;
  chara_->m_Vars.CheckedVectorAt(0) = 3;
  struct Case {
    const char* name;
    cFlowCmd cmd;
    cVector<int32_t> link;
  } cases[] = {
      {"another command index", ShotCmd(), Link(12, 2, kStatusOpAssign, kLinkStageVar, 1)},
      {"a row past the index's rows", ShotCmd(), Link(kLinkShotIndex, 40, kStatusOpAssign, kLinkStageVar, 1)},
      {"a negative row", ShotCmd(), Link(kLinkShotIndex, -1, kStatusOpAssign, kLinkStageVar, 1)},
      {"an index without rows", Cmd(kFlowCmdGroundMove), Link(3, 0, kStatusOpAssign, kLinkStageVar, 1)},
      {"a move kind without move settings", Cmd(kFlowCmdLinearMove), Link(2, 0, kStatusOpAssign, kLinkStageVar, 1)},
      {"an unknown scope", ShotCmd(), Link(kLinkShotIndex, kLinkPowerRow, kStatusOpAssign, 3, 1)},
      {"common variable 0", ShotCmd(), Link(kLinkShotIndex, kLinkPowerRow, kStatusOpAssign, kLinkCommonVar, 0)},
      {"stage variable 1001", ShotCmd(), Link(kLinkShotIndex, kLinkPowerRow, kStatusOpAssign, kLinkStageVar, 1001)},
      {"chara variable -1", ShotCmd(), Link(kLinkShotIndex, kLinkPowerRow, kStatusOpAssign, kLinkCharaVar, -1)},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    const cFlowCmd before = c.cmd;
    ApplyVariableLink(&c.cmd, c.link, chara_);
    EXPECT_TRUE(c.cmd == before);
    EXPECT_EQ(TakeCloseRequests(), 0);
  }
  // An item command of kind 0 is index 15: it has no summon settings to change.
  cFlowCmd item = Cmd(kFlowCmdNone);
  item.m_nSet = kCmdSetItem;
  ApplyVariableLink(&item, Link(15, 0, kStatusOpAssign, kLinkStageVar, 1), chara_);
  EXPECT_EQ(TakeCloseRequests(), 0);
}

TEST_F(VariableLinksTest, AnExclusiveGraphicPastTheBitmapsBecomesOne) {
  const cVector<cBmpCharaExc> saved = g_Database.m_BmpCharaExcs;
  g_Database.m_BmpCharaExcs.resize(5);
  cFlowCmd cmd = Cmd(kFlowCmdGraphic, {4, 1, 0});
  play_.m_StageVar.CheckedVectorAt(1) = 7;
  ApplyVariableLink(&cmd, Link(26, 0, kStatusOpAssign, kLinkStageVar, 1), chara_);
  EXPECT_EQ(cmd.m_Params.CheckedVectorAt(1), 1);
  cmd.m_Params.CheckedVectorAt(0) = 1;  // a chara sheet keeps the value
  ApplyVariableLink(&cmd, Link(26, 0, kStatusOpAssign, kLinkStageVar, 1), chara_);
  EXPECT_EQ(cmd.m_Params.CheckedVectorAt(1), 7);
  g_Database.m_BmpCharaExcs = saved;
}

TEST_F(VariableLinksTest, ALinkChangesOnlyTheRunningCharasOwnCopy) {
  cFlow flow = Flow(kTriggerByOperation, {Cmd(kFlowCmdArrange, {34, 0, 0, 2, 1}), Cmd(kFlowCmdBackground, {1, 0})});
  cChara& runner = WithFlows(5, {flow});
  cChara& other = WithFlows(6, {flow});
  runner.m_Vars.CheckedVectorAt(1) = 4;
  SetFrames(runner, 0, 0, 1);
  Start(runner, 0);
  Pass(runner);
  Pass(runner);
  EXPECT_EQ(runner.m_Def.m_Flows.CheckedVectorAt(0).m_Commands.CheckedVectorAt(1).m_Params.CheckedVectorAt(0), 4);
  EXPECT_EQ(other.m_Def.m_Flows.CheckedVectorAt(0).m_Commands.CheckedVectorAt(1).m_Params.CheckedVectorAt(0), 1);
}

TEST_F(VariableLinksTest, TheHerosQueueAppliesToItemCommands) {
  cHero& hero = AddTestHero(1);
  cFlowCmd arrange = Cmd(kFlowCmdNone);
  arrange.m_nSet = kCmdSetItem;
  arrange.m_nKind = kItemCmdArrange;
  arrange.m_Params.assign({34, 0, kStatusOpAssign, kLinkStageVar, 1});
  ExecArrange(&hero, &arrange);
  ASSERT_EQ(hero.m_VarLinks.size(), 1U);
  cFlowCmd background = Cmd(kFlowCmdNone);
  background.m_nSet = kCmdSetItem;
  background.m_nKind = kFlowCmdBackground - kItemToFlowKind;
  background.m_Params.assign({1, 0});
  play_.m_StageVar.CheckedVectorAt(1) = 6;
  ApplyCharaVariableLinks(&background, &hero);
  EXPECT_EQ(background.m_Params.CheckedVectorAt(0), 6);
}

}  // namespace
