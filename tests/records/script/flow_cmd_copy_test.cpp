// Commands own their parts by value: every copy, assignment and vector
// operation gives the destination parts of its own.

#include <gtest/gtest.h>

#include <utility>

#include "flow_cmd_fixtures.h"
#include "records/script/cmd_kind_table.h"

namespace {

cFlowCmd CommandWithParts() {
  cFlowCmd cmd = MakeCommand(kCmdSetFlow, kFlowCmdLinearMove);
  NewEdMove(cmd.m_Move.Shared());
  cmd.m_Move->m_nSpeed = 25;
  NewEdShot(cmd.m_Shot.Shared());
  cmd.m_Shot->m_nGraphic = 7;
  NewCondList(cmd.m_CondList.Shared());
  cmd.m_CondList->m_Conditions.push_back(cCondition());
  return cmd;
}

void ExpectOwnParts(const cFlowCmd& a, const cFlowCmd& b) {
  EXPECT_NE(a.m_Move.get(), b.m_Move.get());
  EXPECT_NE(a.m_Shot.get(), b.m_Shot.get());
  EXPECT_NE(a.m_CondList.get(), b.m_CondList.get());
}

}  // namespace

TEST(FlowCmdCopyTest, ChangingACopysSettingsLeavesTheOriginal) {
  const cFlowCmd original = CommandWithParts();

  cFlowCmd constructed = original;
  cFlowCmd assigned;
  assigned = original;
  for (cFlowCmd* copy : {&constructed, &assigned}) {
    EXPECT_EQ(*copy, original);
    ExpectOwnParts(*copy, original);
    copy->m_Move->m_nSpeed = 99;
    copy->m_Shot->m_nGraphic = 8;
    copy->m_CondList->m_Conditions.clear();
  }
  EXPECT_EQ(original.m_Move->m_nSpeed, 25);
  EXPECT_EQ(original.m_Shot->m_nGraphic, 7);
  EXPECT_EQ(original.m_CondList->m_Conditions.size(), 1u);
}

TEST(FlowCmdCopyTest, AnAbsentSourcePartMakesTheDestinationsAbsent) {
  const cFlowCmd empty = MakeCommand(kCmdSetFlow, kFlowCmdWait);
  cFlowCmd target = CommandWithParts();
  target = empty;
  EXPECT_FALSE(target.m_Move);
  EXPECT_FALSE(target.m_Shot);
  EXPECT_FALSE(target.m_CondList);
  EXPECT_EQ(target, empty);
}

TEST(FlowCmdCopyTest, ListsOfCommandsAndFlowsCopyParts) {
  cFlow flow;
  flow.m_Commands.push_back(CommandWithParts());
  cFlowCmd item = MakeCommand(kCmdSetItem, kItemCmdChangeFlows, {0, 0});
  item.m_SubFlows.push_back(flow);

  // Vector assignment assigns existing elements in place: still no sharing.
  cVector<cFlowCmd> list(2);
  cVector<cFlowCmd> source;
  source.push_back(item);
  list = source;
  ASSERT_EQ(list.size(), 1u);
  const cFlowCmd& copied = list.CheckedVectorAt(0).m_SubFlows.CheckedVectorAt(0).m_Commands.CheckedVectorAt(0);
  const cFlowCmd& from = item.m_SubFlows.CheckedVectorAt(0).m_Commands.CheckedVectorAt(0);
  EXPECT_EQ(copied, from);
  ExpectOwnParts(copied, from);

  // A copied flow list (a chara part handing its flows to a running chara).
  cVector<cFlow> flows;
  flows.push_back(flow);
  cVector<cFlow> flowsCopy = flows;
  flowsCopy.CheckedVectorAt(0).m_Commands.CheckedVectorAt(0).m_Move->m_nSpeed = 1;
  EXPECT_EQ(flows.CheckedVectorAt(0).m_Commands.CheckedVectorAt(0).m_Move->m_nSpeed, 25);
}

TEST(FlowCmdCopyTest, MovingKeepsThePartsWithoutSharing) {
  cFlowCmd source = CommandWithParts();
  const cEdMove* move = source.m_Move.get();
  cFlowCmd moved = std::move(source);
  EXPECT_EQ(moved.m_Move.get(), move);
  EXPECT_EQ(moved, CommandWithParts());
}
