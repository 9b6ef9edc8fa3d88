// Chara parts from files of older data versions: the inherit flags of the
// groups added since, the members those versions lacked, and renumberings.

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "chara_test_fixtures.h"
#include "records/palette/chara_migrate.h"

namespace {

using CharaMigrateTest = CharaTest;

// A part with no template (so the flags are kept as migrated) and count
// inherit flags, those at the given indices set.
cCharaDef PartWithFlags(int32_t count, std::initializer_list<int32_t> set) {
  cCharaDef def = DistinctChara();
  def.m_nTemplateKind = kTemplateNone;
  def.m_Inherit.assign(static_cast<std::size_t>(count), 0);
  for (int32_t index : set) def.m_Inherit.CheckedVectorAt(index) = 1;
  return def;
}

std::vector<int32_t> SetFlags(const cCharaDef& def) {
  std::vector<int32_t> set;
  for (int32_t i = 0; i < def.m_Inherit.VectorSize(); ++i) {
    if (def.m_Inherit.CheckedVectorAt(i) != 0) set.push_back(i);
  }
  return set;
}

}  // namespace

TEST_F(CharaMigrateTest, Version200FlagsMakeRoomForHitRangeThenAutoScrollSync) {
  // Flag 23 clear, 24 and 36 set: the old 24 ends at 26, the old 36 is lost.
  const cCharaDef loaded = ThroughFile(PartWithFlags(37, {24, 36}), 200);
  ASSERT_EQ(loaded.m_Inherit.size(), 37u);
  EXPECT_EQ(loaded.m_Inherit.CheckedVectorAt(21), 1);  // auto-scroll sync, new
  EXPECT_EQ(loaded.m_Inherit.CheckedVectorAt(24), 0);  // the old flag 23
  EXPECT_EQ(loaded.m_Inherit.CheckedVectorAt(25), 1);  // hit range, new
  EXPECT_EQ(loaded.m_Inherit.CheckedVectorAt(26), 1);  // the old flag 24
  EXPECT_EQ(SetFlags(loaded), (std::vector<int32_t>{21, 25, 26}));
}

TEST_F(CharaMigrateTest, FileBelow168GetsAllThreeNewGroupsInherited) {
  struct Case {
    const char* what;
    int32_t count;
    std::initializer_list<int32_t> stored;
    std::vector<int32_t> loaded;
  } cases[] = {
      // 34 flags as such files hold: the new groups land at today's 21, 25 and 29.
      {"no flags set", 34, {}, {21, 25, 29}},
      // Old 20 (giant) stays; old 33 (flows) moves past all three to 36.
      {"giant and flows", 34, {20, 33}, {20, 21, 25, 29, 36}},
      {"no flags at all", 0, {}, {21, 25, 29}},
      // Surplus flags are dropped before the first insertion.
      {"surplus flags", 40, {39}, {21, 25, 29}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const cCharaDef loaded = ThroughFile(PartWithFlags(c.count, c.stored), 167);
    EXPECT_EQ(loaded.m_Inherit.size(), 37u);
    EXPECT_EQ(SetFlags(loaded), c.loaded);
  }
}

TEST_F(CharaMigrateTest, HitRangeOfOlderFiles) {
  struct Case {
    int32_t version;
    int8_t stored;
    int8_t loaded;
  } cases[] = {
      {200, 3, 0},  // not stored yet: the stage's chara range
      {201, 1, 1},
      {205, 2, 3},  // "32×32" moved from 2 to 3
      {205, 3, 4},
      {206, 2, 2},
      {836, 3, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    cCharaDef def = PartWithFlags(0, {});
    def.m_nHitRange = c.stored;
    EXPECT_EQ(ThroughFile(def, c.version).m_nHitRange, c.loaded);
  }
}

TEST_F(CharaMigrateTest, MembersOlderVersionsLacked) {
  struct Case {
    int32_t version;
    int32_t defence;
    int8_t startMode, deathMode, autoScrollSync, invincibleLook;
  } cases[] = {
      {167, 0, 0, 0, 0, 1},
      {195, 999, 0, 0, 0, 1},
      {209, 999, 2, 1, 0, 1},
      {284, 999, 2, 1, 1, 1},
      {285, 999, 2, 1, 1, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    const cCharaDef loaded = ThroughFile(PartWithFlags(0, {}), c.version);
    EXPECT_EQ(loaded.m_nDefence, c.defence);
    EXPECT_EQ(loaded.m_nStartEffectMode, c.startMode);
    EXPECT_EQ(loaded.m_nDeathEffectMode, c.deathMode);
    EXPECT_EQ(loaded.m_bAutoScrollSync, c.autoScrollSync);
    EXPECT_EQ(loaded.m_nInvincibleLook, c.invincibleLook);
  }
}

TEST_F(CharaMigrateTest, ShotGraphicsOfFilesBefore219StartAtOne) {
  struct Case {
    int32_t version;
    int8_t source;
    int16_t stored;
    int16_t loaded;
  } cases[] = {
      {218, kPartGraphicShot, 5, 6},
      {218, kPartGraphicShot, 119, 119},
      {218, kPartGraphicShot, 500, 119},
      {218, 1, 5, 5},
      {219, kPartGraphicShot, 5, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    cCharaDef def = PartWithFlags(0, {});
    def.m_nGraphicSource = c.source;
    def.m_nGraphic = c.stored;
    EXPECT_EQ(ThroughFile(def, c.version).m_nGraphic, c.loaded);
  }
}

TEST(InheritFlagInsertTest, ShiftsUpFromTheGroupAndLosesTheLast) {
  cVector<int8_t> flags(37, 0);
  flags.CheckedVectorAt(0) = 1;
  flags.CheckedVectorAt(10) = 1;
  flags.CheckedVectorAt(36) = 1;
  InsertInheritFlag(flags, 10);
  std::vector<int32_t> set;
  for (int32_t i = 0; i < flags.VectorSize(); ++i) {
    if (flags.CheckedVectorAt(i) != 0) set.push_back(i);
  }
  EXPECT_EQ(set, (std::vector<int32_t>{0, 10, 11}));

  // A group past the flags only makes the list whole.
  cVector<int8_t> shortFlags(3, 1);
  InsertInheritFlag(shortFlags, 40);
  EXPECT_EQ(shortFlags.size(), 37u);
  EXPECT_EQ(shortFlags.CheckedVectorAt(36), 0);
}
