// Flows and key conditions in their stored form, the trigger renumbering of
// older files, and the removal of flows flagged to be dropped after loading.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "flow_cmd_fixtures.h"
#include "records/script/cmd_kind_table.h"
#include "records/script/flow_list.h"
#include "script_record_fixtures.h"

namespace {

cFlow DistinctFlow() {
  cFlow flow;
  flow.m_nFlowId = 1;
  flow.m_nFlagNo = 2;
  flow.m_bDropAfterLoad = 0;
  flow.m_nCondMode = 1;
  flow.m_bCondOnce = 1;
  flow.m_nTrigger = kTriggerBlockAbove;
  flow.m_bTargetFromEvent = 1;
  flow.m_nTargetSlot = 3;
  flow.m_nKeySlack = 5;
  flow.m_bKeyHold = 1;
  return flow;
}

// The image of a flow stored at a version (the memo as given).
std::string FlowImageAt(cFlow flow, int32_t version) { return RecordImageAt(flow, version); }

cFlow LoadFlow(const std::string& image) {
  cFlow flow;
  EXPECT_EQ(LoadRecordImage(flow, ToImage(image)), eRecordFile::Ok);
  return flow;
}

}  // namespace

TEST(FlowLayoutTest, CurrentVersionIsTenBytesAMemoAndThreeLists) {
  cFlow flow = DistinctFlow();
  flow.m_strMemo = "メモ";
  const std::string expected = cRecordBytes()
                                   .Int32(836)
                                   .Int32(10)
                                   .Int8(1).Int8(2).Int8(0).Int8(1).Int8(1)  // id .. once
                                   .Int8(kTriggerBlockAbove)
                                   .Int8(1).Int8(3)  // target from event, slot
                                   .Int8(5).Int8(1)  // key slack, key hold
                                   .Int32(1).Text("メモ")
                                   .Int32(0)  // conditions
                                   .Int32(0)  // key conditions
                                   .Int32(0)  // commands
                                   .Bytes();
  EXPECT_EQ(FlowImageAt(flow, 836), expected);

  // The player keeps no memo.
  const cFlow loaded = LoadFlow(expected);
  EXPECT_TRUE(loaded.m_strMemo.empty());
  EXPECT_EQ(loaded, DistinctFlow());
}

TEST(FlowLayoutTest, ListsRoundTrip) {
  cFlow flow = DistinctFlow();
  cCondition condition;
  condition.m_nKind = kCondCommonVar;
  condition.m_nValue = -4;
  flow.m_Conditions.push_back(condition);
  cKeyCond key;
  key.m_Keys.CheckedVectorAt(kKeyRight) = kKeyPressed;
  key.m_Keys.CheckedVectorAt(kKeyButton1) = kKeyReleased;
  key.m_nHoldMin = 2;
  key.m_nHoldMax = 300;
  key.m_nKeyMode = kKeyExactlyOne;
  flow.m_KeyConds.push_back(key);
  flow.m_KeyConds.push_back(cKeyCond());
  flow.m_Commands.push_back(MakeCommand(kCmdSetFlow, kFlowCmdFacing, {3}));
  flow.m_Commands.push_back(MakeCommand(kCmdSetFlow, kFlowCmdWait));

  const std::string image = FlowImageAt(flow, 836);
  EXPECT_EQ(LoadFlow(image), flow);
}

TEST(FlowLayoutTest, OlderVersionsStoreFewerFields) {
  struct Case {
    int32_t version;
    int32_t fields;
    int32_t strings;
    int8_t targetFromEvent;  // as loaded
    int8_t targetSlot;
  } cases[] = {
      {675, 8, 0, 0, 0}, {676, 8, 1, 0, 0}, {762, 9, 1, 1, 0}, {767, 10, 1, 1, 3}, {836, 10, 1, 1, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    const std::string image = FlowImageAt(DistinctFlow(), c.version);
    EXPECT_EQ(FieldCountOf(image), c.fields);
    EXPECT_EQ(Int32At(image, 8 + c.fields), c.strings);
    const cFlow loaded = LoadFlow(image);
    EXPECT_EQ(loaded.m_bTargetFromEvent, c.targetFromEvent);
    EXPECT_EQ(loaded.m_nTargetSlot, c.targetSlot);
    EXPECT_EQ(loaded.m_nKeySlack, 5);
    EXPECT_EQ(loaded.m_bKeyHold, 1);
  }
}

TEST(FlowLayoutTest, KeyConditionIsSevenBytesAndItsKeyStates) {
  cKeyCond key;
  key.m_bMirror = 1;
  key.m_nHoldMin = 0x0102;
  key.m_nHoldMax = -1;
  key.m_bAnyHold = 1;
  key.m_nKeyMode = kKeyAnyTrue;
  key.m_Keys.CheckedVectorAt(kKeyUp) = kKeyPressed;
  cRecordBytes bytes;
  bytes.Int32(836).Int32(5).Int8(1).Int16(0x0102).Int16(-1).Int8(1).Int8(1).Int32(0).Int32(19);
  for (int32_t slot = 0; slot < kKeySlotCount; ++slot) bytes.Int8(slot == kKeyUp ? 1 : 0);
  EXPECT_EQ(RecordImageAt(key), bytes.Bytes());

  // A stored count other than 19 loads as stored.
  const std::string shortKeys =
      cRecordBytes().Int32(836).Int32(5).Raw(std::string(7, '\0')).Int32(0).Int32(2).Int8(2).Int8(1).Bytes();
  cKeyCond loaded;
  ASSERT_EQ(LoadRecordImage(loaded, ToImage(shortKeys)), eRecordFile::Ok);
  EXPECT_EQ(std::vector<uint8_t>(loaded.m_Keys.begin(), loaded.m_Keys.end()),
            (std::vector<uint8_t>{2, 1}));

  const std::string hugeCount =
      cRecordBytes().Int32(836).Int32(5).Raw(std::string(7, '\0')).Int32(0).Int32(0x7fffffff).Bytes();
  EXPECT_EQ(LoadRecordImage(loaded, ToImage(hugeCount)), eRecordFile::Damaged);
}

TEST(FlowTriggerTest, OlderNumberingsLoadAsTodays) {
  struct Row {
    int32_t version;
    int8_t trigger, flagNo;
    int8_t expectedTrigger, expectedFlagNo;
  } rows[] = {
      {130, 11, 0, 14, 0},  // 131 step, then the two inserted at 5
      {131, 11, 0, 14, 0},
      {132, 11, 0, 13, 0},
      {130, 4, 3, 4, 0},    // a flag number only for "常時" before 163
      {130, 0, 3, 0, 3},
      {162, 5, 0, 7, 0},
      {163, 5, 2, 7, 2},
      {164, 5, 0, 5, 0},
      {700, 18, 0, 21, 0},
      {700, 17, 0, 17, 0},
      {761, 19, 0, 22, 0},
      {762, 18, 0, 18, 0},
      {130, 16, 0, 22, 0},  // every step: 17, 19, 22
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "version " << row.version << " trigger " << int{row.trigger});
    cFlow flow;
    flow.m_nTrigger = row.trigger;
    flow.m_nFlagNo = row.flagNo;
    const cFlow loaded = LoadFlow(FlowImageAt(flow, row.version));
    EXPECT_EQ(loaded.m_nTrigger, row.expectedTrigger);
    EXPECT_EQ(loaded.m_nFlagNo, row.expectedFlagNo);
  }
}

namespace {

cVector<cFlow> FlowsWithIds(const std::vector<int8_t>& ids, const std::vector<int8_t>& dropped) {
  cVector<cFlow> flows;
  for (std::size_t i = 0; i < ids.size(); ++i) {
    cFlow flow;
    flow.m_nFlowId = ids[i];
    flow.m_bDropAfterLoad = dropped[i];
    flows.push_back(flow);
  }
  return flows;
}

std::vector<int8_t> IdsOf(const cVector<cFlow>& flows) {
  std::vector<int8_t> ids;
  for (const cFlow& flow : flows) ids.push_back(flow.m_nFlowId);
  return ids;
}

}  // namespace

TEST(DropFlaggedFlowsTest, RemovesFlaggedFlowsKeepingTheOrder) {
  struct Row {
    const char* what;
    std::vector<int8_t> ids, dropped, expected;
  } rows[] = {
      {"none", {}, {}, {}},
      {"nothing flagged", {1, 2, 3}, {0, 0, 0}, {1, 2, 3}},
      {"first", {1, 2, 3}, {1, 0, 0}, {2, 3}},
      {"adjacent flags", {1, 2, 3, 4}, {0, 1, 1, 0}, {1, 4}},
      {"last", {1, 2, 3}, {0, 0, 1}, {1, 2}},
      {"all", {1, 2}, {1, 1}, {}},
      {"any non-zero byte", {1, 2, 3}, {0, -1, 2}, {1}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    cVector<cFlow> flows = FlowsWithIds(row.ids, row.dropped);
    DropFlaggedFlows(flows);
    EXPECT_EQ(IdsOf(flows), row.expected);
  }
}

TEST(DropFlaggedFlowsTest, CommandSubFlowsAreDroppedOnLoadUnlessTheRunKeepsThem) {
  cFlowCmd item = MakeCommand(kCmdSetItem, kItemCmdChangeFlows, {0, 0});
  item.m_SubFlows = FlowsWithIds({1, 2, 3}, {0, 1, 0});
  const std::string image = RecordImageAt(item);

  struct Row {
    const char* what;
    bool fromEditor, keepFlagged;
    std::vector<int8_t> expected;
  } rows[] = {
      {"ordinary run", false, false, {1, 3}},
      {"test play from the editor", true, false, {1, 2, 3}},
      {"project keeps flagged flows", false, true, {1, 2, 3}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    cValidateContext context = cValidateContext::Defaults();
    context.bFromEditor = row.fromEditor;
    context.bKeepFlaggedFlows = row.keepFlagged;
    const cValidateContextScope scope(context);
    cFlowCmd loaded;
    ASSERT_TRUE(LoadCommandImage(loaded, image));
    EXPECT_EQ(IdsOf(loaded.m_SubFlows), row.expected);
  }
}

TEST(FlowValidateTest, LoadAndSaveValidateTheCommandsAgainstTheCurrentContext) {
  cFlow flow;
  flow.m_Commands.push_back(MakeCommand(kCmdSetFlow, kFlowCmdEffect, {3}));
  cValidateContext small = cValidateContext::Defaults();
  small.SetListSize(eDatabaseList::Effect, 2);
  cValidateContext large = cValidateContext::Defaults();
  large.SetListSize(eDatabaseList::Effect, 4);
  auto effectOf = [](const cFlow& loaded) {
    return loaded.m_Commands.CheckedVectorAt(0).m_Params.CheckedVectorAt(0);
  };

  std::string savedLarge, savedSmall;
  {
    const cValidateContextScope scope(large);
    savedLarge = FlowImageAt(flow, 836);
  }
  {
    const cValidateContextScope scope(small);
    savedSmall = FlowImageAt(flow, 836);
    EXPECT_EQ(effectOf(LoadFlow(savedLarge)), 1);  // past the Effect list of this project
  }
  const cValidateContextScope scope(large);
  EXPECT_EQ(effectOf(LoadFlow(savedLarge)), 3);
  EXPECT_EQ(effectOf(LoadFlow(savedSmall)), 1);  // saved as 1
}
