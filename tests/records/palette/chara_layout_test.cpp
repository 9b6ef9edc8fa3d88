// Chara parts in their stored form: the byte image of the current version,
// round trips with every list, the layouts of older versions, and damaged
// list counts.

#include <gtest/gtest.h>

#include <string>

#include "chara_test_fixtures.h"
#include "records/script/cmd_kind_table.h"
#include "records/script/flow_cmd_fixtures.h"
#include "records/script/script_record_fixtures.h"

namespace {

using CharaLayoutTest = CharaTest;

// The stored form of DistinctChara() at the current version, written by hand
// in the order of the file layout.
std::string DistinctCharaBytes() {
  return cRecordBytes()
      .Int32(836)
      .Int32(53)
      .Int8(1).Int16(2)                  // template kind, index
      .Int8(1).Int8(1)                   // condition mode, once
      .Int8(1).Int8(4)                   // facing, copies
      .Int16(-3).Int16(5).Int16(-7).Int16(9)
      .Int8(1).Int8(1)                   // mirror x, y
      .Int16(0x0123).Int8(2).Int16(33)   // graphic, source, cell
      .Int16(3)                          // anime set
      .Int8(5).Int8(1)                   // z, transparent
      .Int16(4).Int8(2).Int8(0)          // start effect, mode, loop
      .Int16(6).Int8(1)                  // death effect, mode
      .Int8(2).Int16(77)                 // mark display, mark
      .Int8(1).Int8(2).Int8(6).Int8(42)  // control, player, group, chara ID
      .Int8(3).Int8(0).Int8(2).Int8(4)   // fly, fixed facing, invincible, its look
      .Int8(1).Int8(7).Int8(1)           // block chara, giant, auto-scroll sync
      .Int8(4).Int8(40)                  // sight shape, sight
      .Int32(100000).Int32(-5)           // max HP, max SP
      .Int16(200).Int8(3)                // stop, hit range
      .Int32(0x01020304).Int8(-20)       // power, impact
      .Int16(8).Int32(999).Int8(20)      // attack effect, defence, impact resistance
      .Int32(123456).Int8(0)             // score, extra 1
      .Int8(1).Int16(300)                // activation group switch, group
      .Int8(3).Int8(2)                   // active range, activation
      .Int32(1).Text("キャラ")
      .Int16(12).Int16(-1).Int32(-1)     // position, carried item
      .Int32(0).Int32(0).Int32(0)        // inherit flags, conditions, flows
      .Bytes();
}

}  // namespace

TEST_F(CharaLayoutTest, CurrentVersionIs53FieldsOf82BytesAndTheAppendedParts) {
  const std::string expected = DistinctCharaBytes();
  // Version, field count, 82 bytes, string count, name, 8 bytes, three counts.
  ASSERT_EQ(expected.size(), 4u + 4u + 82u + 4u + (4u + 7u) + 8u + 12u);
  EXPECT_EQ(CharaImageAt(DistinctChara()), expected);
  EXPECT_EQ(LoadChara(expected), DistinctChara());
}

TEST_F(CharaLayoutTest, FlagsConditionsAndFlowsRoundTrip) {
  cCharaDef def = DistinctChara();
  def.m_Inherit.assign(37, 0);
  def.m_Inherit.CheckedVectorAt(5) = 1;  // facing, equal in the template
  cCondition condition;
  condition.m_nKind = kCondCommonVar;
  condition.m_nValue = 9;
  def.m_Conditions.push_back(condition);
  def.m_Flows.push_back(FlowWithId(1));
  cFlow withCommand;
  withCommand.m_nTrigger = kTriggerDied;
  withCommand.m_Commands.push_back(MakeCommand(kCmdSetFlow, kFlowCmdWait));
  def.m_Flows.push_back(withCommand);
  templates_.common.CheckedVectorAt(2).m_nFacing = def.m_nFacing;

  const cCharaDef loaded = ThroughFile(def);
  EXPECT_EQ(loaded, def);
  EXPECT_EQ(loaded.m_Flows.size(), 2u);
}

TEST_F(CharaLayoutTest, OlderVersionsStoreFewerFields) {
  struct Case {
    int32_t version;
    int32_t fields;
    int32_t bytes;
  } cases[] = {
      {167, 47, 73},  // no effect modes, look, sync, hit range, defence
      {168, 48, 77}, {196, 50, 79}, {201, 51, 80}, {210, 52, 81}, {285, 53, 82}, {836, 53, 82},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    const std::string image = CharaImageAt(DistinctChara(), c.version);
    EXPECT_EQ(FieldCountOf(image), c.fields);
    EXPECT_EQ(Int32At(image, 8 + static_cast<std::size_t>(c.bytes)), 1);  // one string
  }
}

TEST_F(CharaLayoutTest, DamagedListCountsFailTheLoadAndKeepThePart) {
  const std::string good = DistinctCharaBytes();
  // Offsets of the three counts at the end of the image.
  const std::size_t flags = good.size() - 12;
  struct Case {
    const char* what;
    std::size_t offset;
    int32_t count;
  } cases[] = {
      {"negative flag count", flags, -1},
      {"flag count past the end", flags, 0x7fffffff},
      {"condition count past the end", flags + 4, 0x10000000},
      {"negative condition count", flags + 4, -5},
      {"flow count past the end", flags + 8, 0x7ffffff0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string image = good;
    const std::string count = cRecordBytes().Int32(c.count).Bytes();
    image.replace(c.offset, 4, count);
    cCharaDef def;
    def.m_strName = "before";
    EXPECT_EQ(LoadRecordImage(def, ToImage(image)), eRecordFile::Damaged);
    EXPECT_EQ(def.m_strName, "before");
  }
}

TEST_F(CharaLayoutTest, NewPartHasTheDefaultsAndCopiesKeepEverything) {
  cCharaDef def;
  EXPECT_EQ(def.m_Inherit.size(), 37u);
  EXPECT_EQ(def.m_nControl, cCharaDef::kControlComputer);
  EXPECT_EQ(def.m_nGroup, 1);
  EXPECT_EQ(def.m_nZ, 3);
  EXPECT_EQ(def.m_nMaxHp, 10);
  EXPECT_EQ(def.m_nGiant, 1);
  EXPECT_EQ(def.m_nStop, 10);
  EXPECT_EQ(def.m_nGraphicSource, 1);
  EXPECT_EQ(def.m_bStartEffectLoop, 1);
  EXPECT_EQ(def.m_bFixedFacing, 1);
  EXPECT_EQ(def.m_nExtra1, 1);

  // SetDefaults keeps the position and empties the lists.
  cCharaDef placed = DistinctChara();
  placed.m_Flows.push_back(FlowWithId(2));
  const cCharaDef copy = placed;
  EXPECT_EQ(copy, placed);
  placed.SetDefaults();
  cCharaDef expected;
  expected.m_nX = 12;
  expected.m_nY = -1;
  EXPECT_EQ(placed, expected);
}
