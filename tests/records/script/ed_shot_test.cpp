// Shot settings: the stored layout by data version, new values, the migration
// of older files, validation and the firing offsets.

#include <gtest/gtest.h>

#include <string>

#include "records/script/ed_shot.h"
#include "records/script/validate_context.h"
#include "script_record_fixtures.h"

namespace {

// Every member a value of its own (within int8 for the bytes).
cEdShot DistinctShot() {
  cEdShot s;
  int8_t next = 1;
  s.RegisterFields(g_nDataVersion);
  // Fill every registered field byte-wise with a running value, so any
  // misplaced field shows in the image; then make the validated members valid.
  for (const FIELDDATA& field : s.FieldTable()) {
    auto* bytes = static_cast<int8_t*>(field.lpData);
    for (int32_t i = 0; i < field.nCount * field.bySize; ++i) bytes[i] = next++;
  }
  s.m_nSize = 3;
  s.m_nEffect = 1;
  return s;
}

}  // namespace

TEST(EdShotLayoutTest, CurrentVersionIsSixtyFourFieldsInNinetySevenBytes) {
  cEdShot shot = DistinctShot();
  const std::string image = RecordImageAt(shot);
  ASSERT_EQ(image.size(), 4u + 4 + 97 + 4);
  EXPECT_EQ(FieldCountOf(image), 64);
  // Spot checks of the stored order: the range is stored before option 6 and
  // options 14 and 15 before the summon palette.
  const cEdShot s = shot;
  std::string fields = image.substr(8, 97);
  const auto at = [&](std::size_t offset) { return static_cast<int8_t>(fields.at(offset)); };
  EXPECT_EQ(at(0), s.m_nCount);
  EXPECT_EQ(at(1), s.m_nFormation);
  EXPECT_EQ(at(8), s.m_nStrikeRef);
  // count 1, formation 1, params 6, strike 1, dir 1, aim 1, slot 1, angle 2,
  // per clone 2, mirror 1, spread 2, opt1 1, clones 1, offsets 8, mirrors 2,
  // graphic 2, z 1, opt2 1, opt3 1, group 1, opt4 1, size 1, opt5 1, move type 1,
  // params 6, slot2 1, homing 1, speed 2, per clone 2, accel 1 + 2 + 2 = 58.
  EXPECT_EQ(at(38), s.m_nSize);
  EXPECT_EQ(static_cast<uint8_t>(fields.at(58)), static_cast<uint8_t>(s.m_nRange & 0xFF));
  EXPECT_EQ(at(60), s.m_bShotOpt6);
  // ... range per clone 2, opt7, opt8, life 2 + 2, opt9..12, vanish, power 4,
  // opt13 2, impact, effect 2, item palette, item index 2, block mode = 87.
  EXPECT_EQ(at(87), s.m_bShotOpt14);
  EXPECT_EQ(at(88), s.m_bShotOpt15);
  EXPECT_EQ(at(89), s.m_nSummonPalette);
  EXPECT_EQ(at(96), s.m_bShotOpt18);

  cEdShot loaded;
  ASSERT_EQ(LoadRecordImage(loaded, ToImage(image)), eRecordFile::Ok);
  EXPECT_EQ(loaded, s);
}

TEST(EdShotLayoutTest, MembersAreStoredFromTheVersionThatAddedThem) {
  struct Case {
    int32_t version;
    int32_t fields;
  } cases[] = {{157, 52}, {158, 53}, {197, 54}, {211, 55}, {213, 58},
               {636, 59}, {671, 60}, {762, 62}, {766, 62}, {767, 64}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    cEdShot shot;
    EXPECT_EQ(FieldCountOf(RecordImageAt(shot, c.version)), c.fields);
  }
}

TEST(EdShotTest, NewSettingsStartWithTheirNewValues) {
  cEdShotHolder holder;
  NewEdShot(holder);
  ASSERT_TRUE(holder);
  cEdShot expected;
  expected.ClearFields();
  expected.m_bShotOpt3 = expected.m_bMirrorAngle = expected.m_bMirrorOffsetX = 1;
  expected.m_nSize = 1;
  EXPECT_EQ(*holder, expected);
}

TEST(EdShotMigrationTest, OlderFilesLoadWithTodaysMeaning) {
  struct Row {
    const char* what;
    int32_t version;
    void (*store)(cEdShot&);   // members of the stored record
    void (*preset)(cEdShot&);  // members of the record loaded into
    void (*check)(const cEdShot&);
  } rows[] = {
      {"157: no mirror flag", 157, [](cEdShot&) {}, [](cEdShot& s) { s.m_bMirrorAngle = 1; },
       [](const cEdShot& s) { EXPECT_EQ(s.m_bMirrorAngle, 0); }},
      {"196: option 15 copies option 14", 196, [](cEdShot& s) { s.m_bShotOpt14 = 1; },
       [](cEdShot&) {}, [](const cEdShot& s) { EXPECT_EQ(s.m_bShotOpt15, 1); }},
      {"196: option 15 copies a clear option 14", 196, [](cEdShot& s) { s.m_bShotOpt14 = 0; },
       [](cEdShot& s) { s.m_bShotOpt15 = 1; },
       [](const cEdShot& s) { EXPECT_EQ(s.m_bShotOpt15, 0); }},
      {"197: option 15 stored", 197, [](cEdShot& s) { s.m_bShotOpt14 = 1; }, [](cEdShot&) {},
       [](const cEdShot& s) { EXPECT_EQ(s.m_bShotOpt15, 0); }},
      {"211: homing type 6 homes", 211, [](cEdShot& s) { s.m_nMoveType = 6; }, [](cEdShot&) {},
       [](const cEdShot& s) { EXPECT_EQ(s.m_bHoming, 1); }},
      {"211: wave does not home whatever is stored", 211,
       [](cEdShot& s) {
         s.m_nMoveType = 8;
         s.m_bHoming = 1;
       },
       [](cEdShot&) {}, [](const cEdShot& s) { EXPECT_EQ(s.m_bHoming, 0); }},
      {"205: homing type 4 homes", 205, [](cEdShot& s) { s.m_nMoveType = 4; }, [](cEdShot&) {},
       [](const cEdShot& s) { EXPECT_EQ(s.m_bHoming, 1); }},
      {"205: aiming type 3 does not", 205, [](cEdShot& s) { s.m_nMoveType = 3; },
       [](cEdShot& s) { s.m_bHoming = 1; }, [](const cEdShot& s) { EXPECT_EQ(s.m_bHoming, 0); }},
      {"212: homing as stored", 212, [](cEdShot& s) { s.m_nMoveType = 6; }, [](cEdShot&) {},
       [](const cEdShot& s) { EXPECT_EQ(s.m_bHoming, 0); }},
      {"212: no acceleration", 212, [](cEdShot&) {},
       [](cEdShot& s) {
         s.m_bAccel = 1;
         s.m_nAccel = 5;
         s.m_nAccelPerClone = 2;
       },
       [](const cEdShot& s) {
         EXPECT_EQ(s.m_bAccel, 0);
         EXPECT_EQ(s.m_nAccel, 0);
         EXPECT_EQ(s.m_nAccelPerClone, 0);
       }},
      {"213: acceleration stored", 213,
       [](cEdShot& s) {
         s.m_bAccel = 1;
         s.m_nAccel = 5;
       },
       [](cEdShot&) {},
       [](const cEdShot& s) {
         EXPECT_EQ(s.m_bAccel, 1);
         EXPECT_EQ(s.m_nAccel, 5);
       }},
      {"635: option 11 copies option 10", 635, [](cEdShot& s) { s.m_bShotOpt10 = 1; },
       [](cEdShot&) {}, [](const cEdShot& s) { EXPECT_EQ(s.m_bShotOpt11, 1); }},
      {"670: strike reference is the target", 670, [](cEdShot&) {},
       [](cEdShot& s) { s.m_nStrikeRef = 2; },
       [](const cEdShot& s) { EXPECT_EQ(s.m_nStrikeRef, 0); }},
      {"766: target slots keep what the record had", 766, [](cEdShot&) {},
       [](cEdShot& s) {
         s.m_nTargetSlot = 2;
         s.m_nTargetSlot2 = 3;
       },
       [](const cEdShot& s) {
         EXPECT_EQ(s.m_nTargetSlot, 2);
         EXPECT_EQ(s.m_nTargetSlot2, 3);
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    cEdShot stored;
    row.store(stored);
    cEdShot loaded;
    row.preset(loaded);
    LoadWrittenAt(stored, row.version, loaded);
    row.check(loaded);
  }
}

TEST(EdShotValidateTest, SizeAtLeastOneAndEffectWithinTheDatabase) {
  cValidateContext context = cValidateContext::Defaults();
  context.SetListSize(eDatabaseList::Effect, 3);
  struct Row {
    int8_t size, expectedSize;
    int16_t effect, expectedEffect;
  } rows[] = {
      {0, 1, 0, 0},   {-5, 1, 2, 2},     {-128, 1, 3, 0}, {1, 1, -1, 0},
      {4, 4, 1, 1},   {127, 127, 32767, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "size " << int{row.size} << " effect " << row.effect);
    cEdShot shot;
    shot.m_nSize = row.size;
    shot.m_nEffect = row.effect;
    shot.Validate(context);
    EXPECT_EQ(shot.m_nSize, row.expectedSize);
    EXPECT_EQ(shot.m_nEffect, row.expectedEffect);
  }
}

TEST(EdShotValidateTest, LoadsAndSavesValidateAgainstTheInstalledContext) {
  cEdShot shot;
  shot.m_nEffect = 5;
  shot.m_nSize = 0;
  // Written without validation: the image of a file that holds size 0.
  cEdShot raw = shot;
  cValidateContext wide = cValidateContext::Defaults();
  wide.SetListSize(eDatabaseList::Effect, 10);
  std::string image;
  {
    cValidateContextScope scope(wide);
    image = RecordImageAt(raw);
  }
  EXPECT_EQ(raw.m_nSize, 1);  // the save validated the record it saved
  EXPECT_EQ(raw.m_nEffect, 5);

  {
    cValidateContextScope scope(wide);
    cEdShot loaded;
    ASSERT_EQ(LoadRecordImage(loaded, ToImage(image)), eRecordFile::Ok);
    EXPECT_EQ(loaded.m_nEffect, 5);
  }
  // Outside any scope the default database has two effects.
  cEdShot loaded;
  ASSERT_EQ(LoadRecordImage(loaded, ToImage(image)), eRecordFile::Ok);
  EXPECT_EQ(loaded.m_nEffect, 0);
}

TEST(EdShotValidateTest, SizeZeroInAFileLoadsAndSavesAsOne) {
  // A stored size 0, written by hand into the current layout.
  cEdShot shot;
  std::string image = RecordImageAt(shot);
  const std::size_t sizeOffset = 8 + 1 + 1 + 6 + 1 + 1 + 1 + 1 + 2 + 2 + 1 + 2 + 1 + 1 + 8 + 2 +
                                 2 + 1 + 1 + 1 + 1 + 1;
  ASSERT_EQ(image.at(sizeOffset), 1);
  image.at(sizeOffset) = 0;
  cEdShot loaded;
  ASSERT_EQ(LoadRecordImage(loaded, ToImage(image)), eRecordFile::Ok);
  EXPECT_EQ(loaded.m_nSize, 1);

  loaded.m_nSize = 0;
  EXPECT_EQ(RecordImageAt(loaded).at(sizeOffset), 1);
}

TEST(EdShotTest, FiringOffsetsByCloneFacingAndMirror) {
  struct Row {
    int16_t offset, step;
    int8_t mirror;
    int32_t i, facing;
    double expected;
  } rows[] = {
      {5, 3, 1, 2, 1, -11.0},  {5, 3, 1, 2, 0, 11.0},  {5, 3, 0, 2, 1, 11.0},
      {5, -3, 1, 0, 1, -5.0},  {-4, 2, 1, 3, 1, -2.0}, {0, 0, 1, 0, 1, -0.0},
      {32767, 32767, 0, 100000, 0, 32767.0 * 100001},  // no overflow for any clone
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.offset << " " << row.step << " " << int{row.mirror}
                                    << " " << row.i << " " << row.facing);
    cEdShot shot;
    shot.m_nOffsetX = row.offset;
    shot.m_nOffsetXPerClone = row.step;
    shot.m_bMirrorOffsetX = row.mirror;
    shot.m_nOffsetY = row.offset;
    shot.m_nOffsetYPerClone = row.step;
    shot.m_bMirrorOffsetY = row.mirror;
    EXPECT_EQ(shot.OffsetX(row.i, row.facing), row.expected);
    EXPECT_EQ(shot.OffsetY(row.i, row.facing), row.expected);
  }
  // Each axis has its own mirror flag.
  cEdShot shot;
  shot.m_nOffsetX = shot.m_nOffsetY = 4;
  shot.m_bMirrorOffsetX = 1;
  shot.m_bMirrorOffsetY = 0;
  EXPECT_EQ(shot.OffsetX(0, 1), -4.0);
  EXPECT_EQ(shot.OffsetY(0, 1), 4.0);
}
