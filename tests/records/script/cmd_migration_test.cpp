// Commands stored by older data versions: each migration step, in its order,
// as the load applies it (followed by the validation every load runs, which
// sizes the parameters to today's kind).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "flow_cmd_fixtures.h"
#include "records/script/cmd_kind_table.h"

namespace {

struct ParamRow {
  const char* what;
  int32_t version;
  int8_t set;
  int8_t kind;  // as that version numbered it
  std::vector<int32_t> stored;
  int8_t kindOut;
  std::vector<int32_t> expected;
};

cFlowCmd LoadOld(int32_t version, const cFlowCmd& stored) {
  cFlowCmd loaded;
  EXPECT_TRUE(LoadCommandImage(loaded, CommandImageAt(version, stored))) << "version " << version;
  return loaded;
}

}  // namespace

TEST(CmdMigrationTest, ParametersAndKindsOfOlderVersions) {
  const std::vector<int32_t> sixteen = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
  const std::vector<int32_t> fifteen = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
  const ParamRow rows[] = {
      {"stage clear below 145: nine parameters, then P0 from 2 up", 144, 0, 17, {2}, 17,
       Params(9, {{0, 3}})},
      {"stage clear at 721: P0 2 becomes 3", 721, 0, 17, Params(9, {{0, 2}}), 17, Params(9, {{0, 3}})},
      {"stage clear at 721: P0 1 stays", 721, 0, 17, Params(9, {{0, 1}}), 17, Params(9, {{0, 1}})},
      {"item stage clear at 721", 721, 1, 2, Params(9, {{0, 2}}), 2, Params(9, {{0, 3}})},
      {"BGM below 166: P1 := 1, renumbered at 734", 165, 0, 35, {1}, 36, {1, 1}},
      {"item BGM below 166", 165, 1, 20, {1}, 21, {1, 1}},
      {"status below 168: status numbers from 10 up, then from 5 up", 167, 0, 22,
       Params(18, {{3, 1}, {4, 10}, {6, 2}, {13, 12}}), 22,
       Params(18, {{3, 1}, {4, 12}, {6, 2}, {13, 14}})},
      {"status at 167: number 9 only meets the 203 step", 167, 0, 22, Params(18, {{4, 9}}), 22,
       Params(18, {{4, 10}})},
      {"status at 200: left number 5 up", 200, 0, 22, Params(18, {{4, 5}}), 22, Params(18, {{4, 6}})},
      {"status at 200 with a P3 of 2: no shift, P3 from 2 up by 3", 200, 0, 22,
       Params(18, {{3, 2}, {4, 7}}), 22, Params(18, {{3, 5}, {4, 7}})},
      {"status at 766: operand kinds from 2 up by 3 (P12 only when P6 is 2)", 766, 0, 22,
       Params(18, {{0, 1}, {3, 2}, {6, 2}, {12, 3}}), 22,
       Params(18, {{0, 1}, {3, 2}, {6, 2}, {12, 6}})},
      {"item status at 202", 202, 1, 7, Params(18, {{4, 5}}), 7, Params(18, {{4, 6}})},
      {"target below 189: 0 at 2, then P10 0 P11 1 P14 0, then 0 at 0", 188, 0, 21, sixteen, 21,
       {0, 1, 2, 0, 3, 4, 5, 6, 7, 8, 9, 0, 1, 12, 13, 0}},
      {"target at 766: 0 inserted at 0", 766, 0, 21, Params(16, {{0, 5}, {15, 9}}), 21,
       Params(16, {{1, 5}})},
      {"picture below 194: 1 at 6, P11 to P14 cleared, renumbered", 193, 0, 31, fifteen, 32,
       {1, 2, 3, 4, 5, 6, 1, 7, 8, 9, 10, 0, 0, 0, 0}},
      {"picture at 546: P12 to P14 cleared", 546, 0, 31, fifteen, 32,
       {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0, 0, 0}},
      {"chara effect below 195: 0 at 1", 194, 0, 29, {1, 2}, 30, {1, 0, 2}},
      {"screen effect below 195: 0 at 1", 194, 0, 30, {1, 2}, 31, {1, 0, 2}},
      {"item chara effect below 195", 194, 1, 14, {1, 2}, 15, {1, 0, 2}},
      {"flow operation below 203: four parameters, P3 cleared at 760", 202, 0, 16, {1, 2, 3, 4, 5},
       16, {1, 2, 3, 0}},
      {"status 2 below 210: P1 from 6 up; five parameters", 209, 0, 23, {0, 6, 9, 9, 9, 9}, 23,
       {0, 7, 9, 9, 9}},
      {"status 2 at 209 with P0 2: P1 stays, P0 up by 3 at 767", 209, 0, 23, {2, 6}, 23,
       Params(5, {{0, 5}, {1, 6}})},
      {"graphic below 219: P1 + 1 when P0 is 3", 218, 0, 25, {3, 50, 0}, 26, {3, 51, 0}},
      {"graphic below 219: at most 119", 218, 0, 25, {3, 119, 0}, 26, {3, 119, 0}},
      {"graphic below 219: other P0 unchanged", 218, 0, 25, {2, 50, 0}, 26, {2, 50, 0}},
      {"message at 540, P0 3: P10 0, P14 1, P16 1, P17 0", 540, 0, 19, {3}, 19,
       Params(18, {{0, 3}, {14, 1}, {16, 1}})},
      {"message at 540, P0 7: P10 1", 540, 0, 19, {7}, 19,
       Params(18, {{0, 7}, {10, 1}, {14, 1}, {16, 1}})},
      {"message at 546: P10 kept, P11 to P13 cleared", 546, 0, 19,
       Params(18, {{0, 3}, {10, 1}, {11, 5}, {12, 5}, {13, 5}, {17, 9}}), 19,
       Params(18, {{0, 3}, {10, 1}, {14, 1}, {16, 1}})},
      {"item message at 540", 540, 1, 4, {3}, 4, Params(18, {{0, 3}, {14, 1}, {16, 1}})},
      {"arrange at 700, shot row 11: 18", 700, 0, 37, {11, 11}, 38, {11, 18, 0, 0, 0}},
      {"arrange at 700, shot row 10: 13", 700, 0, 37, {11, 10}, 38, {11, 13, 0, 0, 0}},
      {"arrange at 700 names the shot entry", 700, 0, 37, {3, 5}, 38, {11, 8, 0, 0, 0}},
      {"arrange at 726: entries from 24 up", 726, 0, 37, {24, 3}, 38, {25, 3, 0, 0, 0}},
      {"arrange at 726: entry 23 stays", 726, 0, 37, {23, 3}, 38, {23, 3, 0, 0, 0}},
      {"item arrange at 700", 700, 1, 22, {11, 11}, 23, {11, 18, 0, 0, 0}},
      {"kind 23 at 733 keeps its number", 733, 0, 23, Params(5), 23, Params(5)},
      {"kind 24 at 733 becomes 25", 733, 0, 24, {0, 1}, 25, {0, 1}},
      {"item kind 9 at 733 becomes 10", 733, 1, 9, {0, 1}, 10, {0, 1}},
      {"item kind 8 at 733 stays", 733, 1, 8, Params(5), 8, Params(5)},
      {"facing at 766: P0 from 4 up by 6", 766, 0, 9, {4}, 9, {10}},
      {"facing at 766: P0 3 stays", 766, 0, 9, {3}, 9, {3}},
      {"facing at 767 stays", 767, 0, 9, {4}, 9, {4}},
      {"836: nothing migrates", 836, 0, 22, Params(18, {{4, 10}}), 22, Params(18, {{4, 10}})},
  };
  for (const ParamRow& row : rows) {
    SCOPED_TRACE(row.what);
    const cFlowCmd loaded = LoadOld(row.version, MakeCommand(row.set, row.kind, row.stored));
    EXPECT_EQ(loaded.m_nSet, row.set);
    EXPECT_EQ(loaded.m_nKind, row.kindOut);
    EXPECT_EQ(ParamsOf(loaded), row.expected);
  }
}

namespace {

// Part settings before and after: -1 = no such part.
struct PartRow {
  const char* what;
  int32_t version;
  int8_t kind;
  int32_t shotGraphic;
  int32_t expectedGraphic;
  int32_t moveMode;
  int32_t expectedMode;
};

}  // namespace

TEST(CmdMigrationTest, PartsOfOlderVersions) {
  const PartRow rows[] = {
      {"shot below 220: graphic + 1", 219, 11, 40, 41, -1, -1},
      {"shot below 220: at most 119", 219, 11, 119, 119, -1, -1},
      {"shot below 220 without settings stays without", 219, 11, -1, -1, -1, -1},
      {"shot at 220 unchanged", 220, 11, 40, 40, -1, -1},
      {"sword below 220 unchanged", 219, 12, 40, 40, -1, -1},
      {"warp below 767: mode from 2 up by 3", 766, 20, -1, -1, 2, 5},
      {"warp below 767: mode 1 stays", 766, 20, -1, -1, 1, 1},
      {"warp below 767 without settings", 766, 20, -1, -1, -1, -1},
      {"linear move below 767 keeps its mode", 766, 2, -1, -1, 2, 2},
  };
  for (const PartRow& row : rows) {
    SCOPED_TRACE(row.what);
    cFlowCmd stored = MakeCommand(0, row.kind);
    if (row.shotGraphic >= 0) {
      NewEdShot(stored.m_Shot.Shared());
      stored.m_Shot->m_nGraphic = static_cast<int16_t>(row.shotGraphic);
    }
    if (row.moveMode >= 0) {
      NewEdMove(stored.m_Move.Shared());
      stored.m_Move->m_nMode = static_cast<int8_t>(row.moveMode);
    }
    const cFlowCmd loaded = LoadOld(row.version, stored);
    ASSERT_EQ(static_cast<bool>(loaded.m_Shot), row.expectedGraphic >= 0);
    ASSERT_EQ(static_cast<bool>(loaded.m_Move), row.expectedMode >= 0);
    if (loaded.m_Shot) {
      EXPECT_EQ(loaded.m_Shot->m_nGraphic, row.expectedGraphic);
    }
    if (loaded.m_Move) {
      EXPECT_EQ(loaded.m_Move->m_nMode, row.expectedMode);
    }
  }
}

TEST(CmdMigrationTest, ChargeMoveBelow514FacesByMirroring) {
  cFlowCmd stored = MakeCommand(0, kFlowCmdChargeMove);
  NewEdMove(stored.m_Move.Shared());
  stored.m_Move->m_nAngle = 30;
  stored.m_Move->m_nAnglePerClone = 5;
  stored.m_Move->m_bMirrorAngle = 0;
  stored.m_Move->m_nSpeed = 44;

  const cFlowCmd old = LoadOld(513, stored);
  EXPECT_EQ(old.m_Move->m_nAngle, 0);
  EXPECT_EQ(old.m_Move->m_nAnglePerClone, 0);
  EXPECT_EQ(old.m_Move->m_bMirrorAngle, 1);
  EXPECT_EQ(old.m_Move->m_nSpeed, 44);

  const cFlowCmd current = LoadOld(514, stored);
  EXPECT_EQ(current.m_Move->m_nAngle, 30);
  EXPECT_EQ(current.m_Move->m_nAnglePerClone, 5);
  EXPECT_EQ(current.m_Move->m_bMirrorAngle, 0);
}

TEST(CmdMigrationTest, FlowOperationGetsItsConditionListFrom764) {
  // Before 764 the file holds none: a list that is switched off.
  const cFlowCmd old = LoadOld(763, MakeCommand(0, kFlowCmdFlowOperation, {1, 2, 3, 0}));
  ASSERT_TRUE(old.m_CondList);
  EXPECT_EQ(*old.m_CondList, cCondList());
  EXPECT_EQ(old.m_CondList->m_bUseConditions, 0);
  EXPECT_EQ(old.m_CondList->m_nMode, 0);
  EXPECT_TRUE(old.m_CondList->m_Conditions.empty());

  // Other kinds of that version get none; item kind 1 is not the flow
  // operation, whatever its number plus 15.
  EXPECT_FALSE(LoadOld(763, MakeCommand(0, kFlowCmdWait)).m_CondList);
  EXPECT_FALSE(LoadOld(763, MakeCommand(1, kItemCmdChangeFlows, {1, 2})).m_CondList);

  // From 764 on, the list is what the file holds, absent included.
  cFlowCmd stored = MakeCommand(0, kFlowCmdFlowOperation, {1, 2, 3, 0});
  NewCondList(stored.m_CondList.Shared());
  stored.m_CondList->m_bUseConditions = 1;
  stored.m_CondList->m_nMode = 1;
  const cFlowCmd kept = LoadOld(764, stored);
  ASSERT_TRUE(kept.m_CondList);
  EXPECT_EQ(kept.m_CondList->m_bUseConditions, 1);
  EXPECT_EQ(kept.m_CondList->m_nMode, 1);
  EXPECT_FALSE(LoadOld(764, MakeCommand(0, kFlowCmdFlowOperation, {1, 2, 3, 0})).m_CondList);
}
