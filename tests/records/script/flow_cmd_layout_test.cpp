// Commands in their stored form: the byte image of the current version, the
// optional parts, sub-flows and parameters, and damaged images.

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "flow_cmd_fixtures.h"
#include "records/script/cmd_kind_table.h"
#include "script_record_fixtures.h"

namespace {

cFlowCmd WaitCommand() {
  cFlowCmd cmd = MakeCommand(kCmdSetFlow, kFlowCmdWait);
  cmd.m_nDuration = 0x0123;
  cmd.m_nDurationPerClone = -2;
  cmd.m_bParallel = 1;
  cmd.m_nSound = 1;
  cmd.m_bSoundOnScreenOnly = 0;
  cmd.m_nAnime = 1;
  cmd.m_strText = "待つ";
  return cmd;
}

// A command with every part, a sub-flow and parameters.
cFlowCmd FullCommand() {
  cFlowCmd cmd = MakeCommand(kCmdSetFlow, kFlowCmdFlowOperation, {1, 2, 3, 4});
  NewEdMove(cmd.m_Move.Shared());
  cmd.m_Move->m_nSpeed = 77;
  NewEdShot(cmd.m_Shot.Shared());
  cmd.m_Shot->m_nPower = 1234;
  NewCondList(cmd.m_CondList.Shared());
  cmd.m_CondList->m_bUseConditions = 1;
  cCondition condition;
  condition.m_nKind = kCondStageVar;
  condition.m_nValue = 9;
  cmd.m_CondList->m_Conditions.push_back(condition);

  cFlow sub;
  sub.m_nFlowId = 3;
  sub.m_nTrigger = kTriggerDamaged;
  sub.m_KeyConds.push_back(cKeyCond());
  sub.m_Commands.push_back(MakeCommand(kCmdSetFlow, kFlowCmdJump, {1, 2, 3, 4, 5}));
  cmd.m_SubFlows.push_back(sub);
  return cmd;
}

std::string Image(const cFlowCmd& cmd) {
  cFlowCmd copy = cmd;
  return RecordImageAt(copy);
}

}  // namespace

TEST(FlowCmdLayoutTest, WaitCommandAt836IsTwelveFieldBytesAndEmptyAppendices) {
  const std::string expected = cRecordBytes()
                                   .Int32(836)
                                   .Int32(8)       // field count
                                   .Int8(0)        // set
                                   .Int8(1)        // kind "ウエイト"
                                   .Int16(0x0123)  // duration
                                   .Int16(-2)      // duration per clone
                                   .Int8(1)        // parallel
                                   .Int16(1)       // sound
                                   .Int8(0)        // sound on screen only
                                   .Int16(1)       // anime
                                   .Int32(1)       // string count
                                   .Text("待つ")
                                   .Int32(0)   // no move settings
                                   .Int32(0)   // no shot settings
                                   .Int32(0)   // no condition list
                                   .Int32(0)   // no sub-flows
                                   .Int32(0)   // no parameters
                                   .Bytes();
  ASSERT_EQ(expected.size(), 4u + 4 + 12 + 4 + 4 + 5 + 5 * 4);
  EXPECT_EQ(Image(WaitCommand()), expected);

  cFlowCmd loaded;
  ASSERT_TRUE(LoadCommandImage(loaded, expected));
  EXPECT_EQ(loaded, WaitCommand());
  EXPECT_EQ(Image(loaded), expected);
}

TEST(FlowCmdLayoutTest, PartsSubFlowsAndParametersRoundTrip) {
  const std::string image = Image(FullCommand());
  cFlowCmd loaded;
  ASSERT_TRUE(LoadCommandImage(loaded, image));
  EXPECT_EQ(loaded, FullCommand());
  ASSERT_TRUE(loaded.m_CondList);
  ASSERT_EQ(loaded.m_CondList->m_Conditions.size(), 1u);
  EXPECT_EQ(loaded.m_CondList->m_Conditions.CheckedVectorAt(0).m_nValue, 9);
  ASSERT_EQ(loaded.m_SubFlows.size(), 1u);
  EXPECT_EQ(ParamsOf(loaded.m_SubFlows.CheckedVectorAt(0).m_Commands.CheckedVectorAt(0)),
            (std::vector<int32_t>{1, 2, 3, 4, 5}));
  EXPECT_EQ(Image(loaded), image);
}

TEST(FlowCmdLayoutTest, AbsentPartsStayAbsentAndPresentOnesStayDefault) {
  // A part present with default values is not the same as no part.
  cFlowCmd stored = MakeCommand(kCmdSetFlow, kFlowCmdWarp);
  NewEdMove(stored.m_Move.Shared());
  cFlowCmd loaded;
  // Whatever the command held before the load goes.
  NewEdShot(loaded.m_Shot.Shared());
  NewCondList(loaded.m_CondList.Shared());
  ASSERT_TRUE(LoadCommandImage(loaded, Image(stored)));
  ASSERT_TRUE(loaded.m_Move);
  EXPECT_EQ(*loaded.m_Move, cEdMove());
  EXPECT_FALSE(loaded.m_Shot);
  EXPECT_FALSE(loaded.m_CondList);
}

TEST(FlowCmdLayoutTest, SaveSizesParametersToTheKind) {
  cFlowCmd cmd = MakeCommand(kCmdSetItem, 10, {1, 1, 7, 7});  // "アイテムの取得": two
  const std::string image = Image(cmd);
  cFlowCmd loaded;
  ASSERT_TRUE(LoadCommandImage(loaded, image));
  EXPECT_EQ(ParamsOf(loaded), (std::vector<int32_t>{1, 1}));
  EXPECT_EQ(Int32At(image, static_cast<int32_t>(image.size()) - 12), 2);  // the stored count
}

TEST(FlowCmdLayoutTest, DamagedCountsFailTheLoadWithoutAllocating) {
  constexpr int32_t kHuge = std::numeric_limits<int32_t>::max();
  auto head = [] {
    cRecordBytes bytes;
    bytes.Int32(836).Int32(8).Int8(0).Int8(1).Int16(0).Int16(0).Int8(0).Int16(0).Int8(1).Int16(0);
    bytes.Int32(1).Text("");
    return bytes;
  };
  struct Case {
    const char* what;
    std::string image;
  } cases[] = {
      {"parameter count", head().Int32(0).Int32(0).Int32(0).Int32(0).Int32(kHuge).Bytes()},
      {"negative parameter count", head().Int32(0).Int32(0).Int32(0).Int32(0).Int32(-1).Bytes()},
      {"sub-flow count", head().Int32(0).Int32(0).Int32(0).Int32(kHuge).Bytes()},
      {"parameters cut short", head().Int32(0).Int32(0).Int32(0).Int32(0).Int32(3).Int32(1).Bytes()},
      {"a move part missing", head().Int32(1).Bytes()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    cFlowCmd cmd = WaitCommand();
    EXPECT_FALSE(LoadCommandImage(cmd, c.image));
    EXPECT_EQ(cmd, WaitCommand());  // a failed file load leaves the record as it was
  }
}

TEST(FlowCmdLayoutTest, NestingBeyondAnyEditorFileFailsTheLoad) {
  // Item command -> sub-flow -> command -> sub-flow ... `levels` deep.
  auto nested = [](int levels) {
    cFlowCmd cmd = MakeCommand(kCmdSetItem, kItemCmdChangeFlows, {0, 0});
    for (int i = 0; i < levels; ++i) {
      cFlow flow;
      flow.m_Commands.push_back(cmd);
      cFlowCmd outer = MakeCommand(kCmdSetItem, kItemCmdChangeFlows, {0, 0});
      outer.m_SubFlows.push_back(flow);
      cmd = outer;
    }
    return cmd;
  };
  cFlowCmd loaded;
  EXPECT_TRUE(LoadCommandImage(loaded, Image(nested(8))));
  EXPECT_EQ(loaded, nested(8));
  EXPECT_FALSE(LoadCommandImage(loaded, Image(nested(40))));
  // The depth count unwinds with the failed load: the next load works.
  EXPECT_TRUE(LoadCommandImage(loaded, Image(nested(8))));
}
