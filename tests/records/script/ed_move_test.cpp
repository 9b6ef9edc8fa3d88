// Move settings: the stored layout by data version, new values and the
// migration of older files.

#include <gtest/gtest.h>

#include <string>

#include "records/script/ed_move.h"
#include "script_record_fixtures.h"

namespace {

cEdMove DistinctMove() {
  cEdMove m;
  m.m_nMode = 5;
  m.m_nDirection = 12;
  m.m_nAngle = -30;
  m.m_nAnglePerClone = 15;
  m.m_bMirrorAngle = 0;
  m.m_bMoveX = 0;
  m.m_bMoveY = 1;
  m.m_nTargetX = 7;
  m.m_nTargetY = -3;
  m.m_nTargetDotX = 9;
  m.m_nTargetDotY = -9;
  m.m_nTargetCoord = 3;
  m.m_bStopAtTarget = 0;
  m.m_bLockX = 1;
  m.m_bLockY = 1;
  m.m_bMirrorTargetX = 0;
  m.m_bMirrorTargetY = 1;
  m.m_bReverseOnTurn = 0;
  m.m_bSnapAtTarget = 1;
  m.m_bKeepFacing = 1;
  m.m_nSpeedMode = 2;
  m.m_nSpeed = 25;
  m.m_nSpeedPerClone = -2;
  m.m_nDistance = 40;
  m.m_nDistancePerClone = 4;
  m.m_nDistanceUnit = 1;
  m.m_nHoming = 6;
  m.m_nHomingPerClone = 1;
  m.m_bInertia = 1;
  m.m_nMaxSpeed = 80;
  m.m_dReverseAccel = 2.5;
  m.m_nAnimeMode = 2;
  m.m_nTargetSlot = 3;
  return m;
}

}  // namespace

TEST(EdMoveLayoutTest, CurrentVersionIsThirtyThreeFieldsInFiftyThreeBytes) {
  const std::string expected = cRecordBytes()
                                   .Int32(836)
                                   .Int32(33)
                                   .Int8(5).Int8(12).Int16(-30).Int16(15)  // mode .. angle per clone
                                   .Int8(0)                                // mirror angle
                                   .Int8(0).Int8(1)                        // move x, y
                                   .Int16(7).Int16(-3).Int16(9).Int16(-9)  // targets
                                   .Int8(3).Int8(0).Int8(1).Int8(1)        // coord, stop, lock x, y
                                   .Int8(0).Int8(1).Int8(0).Int8(1)        // mirrors, reverse, snap
                                   .Int8(1)                                // keep facing
                                   .Int8(2).Int16(25).Int16(-2)            // speed mode, speeds
                                   .Int16(40).Int16(4).Int8(1)             // distances, unit
                                   .Int16(6).Int16(1)                      // homing
                                   .Int8(1).Int16(80).Double(2.5)          // inertia
                                   .Int8(2).Int8(3)                        // anime mode, slot
                                   .Int32(0)
                                   .Bytes();
  ASSERT_EQ(expected.size(), 4u + 4 + 53 + 4);
  cEdMove move = DistinctMove();
  EXPECT_EQ(RecordImageAt(move), expected);

  cEdMove loaded;
  ASSERT_EQ(LoadRecordImage(loaded, ToImage(expected)), eRecordFile::Ok);
  EXPECT_EQ(loaded, DistinctMove());
}

TEST(EdMoveLayoutTest, MembersAreStoredFromTheVersionThatAddedThem) {
  struct Case {
    int32_t version;
    int32_t fields;
  } cases[] = {{157, 28}, {158, 29}, {159, 30}, {161, 30}, {162, 32}, {766, 32}, {767, 33}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    cEdMove move;
    EXPECT_EQ(FieldCountOf(RecordImageAt(move, c.version)), c.fields);
  }
}

TEST(EdMoveTest, NewSettingsStartWithTheirNewValues) {
  cEdMoveHolder holder;
  NewEdMove(holder);
  ASSERT_TRUE(holder);
  cEdMove expected;
  expected.ClearFields();
  expected.m_nSpeed = 10;
  expected.m_dReverseAccel = 1.0;
  expected.m_bMoveX = expected.m_bMoveY = expected.m_bMirrorAngle = 1;
  expected.m_bStopAtTarget = expected.m_bMirrorTargetX = expected.m_bReverseOnTurn = 1;
  EXPECT_EQ(*holder, expected);

  // A holder that held settings gets new ones, not the old ones reset.
  const cEdMoveHolder old = holder;
  old->m_nSpeed = 99;
  NewEdMove(holder);
  EXPECT_NE(holder, old);
  EXPECT_EQ(holder->m_nSpeed, 10);
}

TEST(EdMoveMigrationTest, OlderFilesLoadWithTodaysMeaning) {
  // The target starts with values the migration must replace (members a file
  // lacks keep the target's values unless the migration sets them).
  cEdMove preset = DistinctMove();
  preset.m_bMirrorAngle = 1;
  preset.m_nDistanceUnit = 1;
  preset.m_bKeepFacing = 1;
  preset.m_nAnimeMode = 2;

  struct Row {
    const char* what;
    int32_t version;
    int8_t storedAnimeMode;
    int8_t mirrorAngle, distanceUnit, keepFacing, animeMode;
  } rows[] = {
      {"157: no mirror flag, no unit, no facing or anime", 157, 1, 0, 0, 0, 0},
      {"158: mirror flag stored", 158, 1, 1, 0, 0, 0},
      {"161: facing and anime mode cleared", 161, 1, 1, 1, 0, 0},
      {"162: anime mode 1 is today's 2", 162, 1, 1, 1, 1, 2},
      {"829: anime mode 1 is today's 2", 829, 1, 1, 1, 1, 2},
      {"829: anime mode 0 stays", 829, 0, 1, 1, 1, 0},
      {"829: anime mode 2 stays", 829, 2, 1, 1, 1, 2},
      {"830: anime mode 1 stays", 830, 1, 1, 1, 1, 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    cEdMove stored = preset;
    stored.m_nAnimeMode = row.storedAnimeMode;
    cEdMove loaded = preset;
    LoadWrittenAt(stored, row.version, loaded);
    EXPECT_EQ(loaded.m_bMirrorAngle, row.mirrorAngle);
    EXPECT_EQ(loaded.m_nDistanceUnit, row.distanceUnit);
    EXPECT_EQ(loaded.m_bKeepFacing, row.keepFacing);
    EXPECT_EQ(loaded.m_nAnimeMode, row.animeMode);
    EXPECT_EQ(loaded.m_nSpeed, preset.m_nSpeed);  // stored in every version
  }
}

TEST(EdMoveTest, DistanceInDotsByUnitAndClone) {
  cEdMove move;
  move.m_nDistance = 3;
  move.m_nDistancePerClone = 2;
  move.m_nDistanceUnit = 0;
  EXPECT_EQ(move.DistanceDots(0), 48);
  EXPECT_EQ(move.DistanceDots(2), 112);
  move.m_nDistanceUnit = 1;
  EXPECT_EQ(move.DistanceDots(2), 7);
  // No clone index overflows: the result is held at the int32 limit.
  move.m_nDistanceUnit = 0;
  move.m_nDistancePerClone = 32767;
  EXPECT_EQ(move.DistanceDots(INT32_MAX), INT32_MAX);
}
