// Carrying the hero status from a cleared stage into the next, item by item.

#include <cstdint>
#include <vector>

#include "records/save/carry_items.h"
#include "records/save/save_fixtures.h"

namespace {

// Where restored values end up besides the chara part.
struct Outputs {
  int32_t hp = -1;
  int32_t sp = -2;
  int32_t timeLimit = 200;
  int32_t lives = 3;
  int32_t bgm = 0;
};

// The values item stands for in a chara part and the outputs.
std::vector<int64_t> ItemValues(int32_t item, const cCharaDef& p, const Outputs& out) {
  switch (item) {
    case kCarryGraphic: return {p.m_nGraphicSource, p.m_nGraphic, p.m_nGraphicCell};
    case kCarryAnimeSet: return {p.m_nAnimeSet};
    case kCarryZ: return {p.m_nZ};
    case kCarryTransparent: return {p.m_bTransparent};
    case kCarryEffect: return {p.m_nStartEffect, p.m_nStartEffectMode, p.m_bStartEffectLoop};
    case kCarryFixedFacing: return {p.m_bFixedFacing};
    case kCarryFly: return {p.m_nFly};
    case kCarryInvincible: return {p.m_nInvincible};
    case kCarryGiant: return {p.m_nGiant};
    case kCarryAutoScrollSync: return {p.m_bAutoScrollSync};
    case kCarrySight: return {p.m_nSightShape, p.m_nSight};
    case kCarryHp: return {out.hp};
    case kCarrySp: return {out.sp};
    case kCarryMaxHp: return {p.m_nMaxHp};
    case kCarryMaxSp: return {p.m_nMaxSp};
    case kCarryHitRange: return {p.m_nHitRange};
    case kCarryPower: return {p.m_nPower};
    case kCarryImpact: return {p.m_nImpact};
    case kCarryDefence: return {p.m_nDefence};
    case kCarryImpactResist: return {p.m_nImpactResist};
    case kCarryStop: return {p.m_nStop};
    case kCarryFlows: return {p.m_Flows.VectorSize()};
    case kCarryTimeLeft: return {out.timeLimit};
    case kCarryLives: return {out.lives};
    case kCarryBgm: return {out.bgm};
    default: return {};
  }
}

// A hero whose every carried member differs from a new part's.
cCharaDef SampleHero() {
  cCharaDef hero;
  hero.m_nGraphicSource = 2;
  hero.m_nGraphic = 5;
  hero.m_nGraphicCell = 6;
  hero.m_nAnimeSet = 7;
  hero.m_nZ = 1;
  hero.m_bTransparent = 1;
  hero.m_nStartEffect = 99;  // the running effect is carried, not this
  hero.m_bFixedFacing = 0;
  hero.m_nFly = 2;
  hero.m_nInvincible = 1;
  hero.m_nGiant = 3;
  hero.m_bAutoScrollSync = 1;
  hero.m_nSightShape = 2;
  hero.m_nSight = 4;
  hero.m_nMaxHp = 50;
  hero.m_nMaxSp = 60;
  hero.m_nHitRange = 2;
  hero.m_nPower = 70;
  hero.m_nImpact = 8;
  hero.m_nDefence = 90;
  hero.m_nImpactResist = 9;
  hero.m_nStop = 11;
  hero.m_Flows.resize(2);
  return hero;
}

const cHeroStatus kStatus{31, 32, 12, 2, 0, 150, 4, 6};

// What restoring everything must give: the hero with its running effect as
// the start effect, and the status values.
void ExpectedRestore(cCharaDef& part, Outputs& out) {
  part = SampleHero();
  part.m_nStartEffect = kStatus.nEffect;
  part.m_nStartEffectMode = kStatus.nEffectMode;
  part.m_bStartEffectLoop = kStatus.bEffectLoop;
  out = {kStatus.nHp, kStatus.nSp, kStatus.nTimeLeft, kStatus.nLives, kStatus.nBgm};
}

class CarryTest : public SaveDataTest {
 protected:
  void CarryOnly(int32_t item) {
    settings_.m_CarryOver.assign(25, 0);
    settings_.m_CarryOver.CheckedVectorAt(item) = 1;
  }
  // Restores slot 0 of data into a new part and the default outputs.
  static void Restore(cSaveData& data, cCharaDef& part, Outputs& out) {
    part = cCharaDef();
    out = Outputs();
    data.m_nLives = out.lives;
    data.RestoreHeroStatus(0, part, out.timeLimit, out.bgm);
    out.lives = data.m_nLives;
    data.RestoreHeroValues(0, out.hp, out.sp);
  }
};

}  // namespace

TEST_F(CarryTest, EachSwitchCarriesItsItemAndNothingElse) {
  cCharaDef expected, fresh, restored;
  Outputs expectedOut, freshOut, out;
  ExpectedRestore(expected, expectedOut);

  for (int32_t item = 0; item < 25; ++item) {
    SCOPED_TRACE(item);
    CarryOnly(item);
    cSaveData data = NewData();
    data.StoreHeroStatus(0, SampleHero(), kStatus);
    EXPECT_EQ(data.m_bHasCarry, 1);
    for (int32_t i = 0; i < 25; ++i) EXPECT_EQ(data.m_CarryValid.CheckedVectorAt(i), i == item ? 1 : 0);

    Restore(data, restored, out);
    for (int32_t other = 0; other < 25; ++other) {
      const bool carried = other == item;
      EXPECT_EQ(ItemValues(other, restored, out),
                carried ? ItemValues(other, expected, expectedOut) : ItemValues(other, fresh, freshOut))
          << "item " << other;
    }
  }
  EXPECT_FALSE(ClosePosted());
}

TEST_F(CarryTest, NothingComesBackBeforeAStoreOrForASlotNeverStored) {
  cCharaDef restored;
  Outputs out;
  settings_.m_CarryOver.assign(25, 1);
  cSaveData data = NewData();
  data.m_CarryValid.assign(25, 1);
  Restore(data, restored, out);
  EXPECT_TRUE(restored == cCharaDef());
  EXPECT_EQ(out.hp, Outputs().hp);

  data.StoreHeroStatus(1, SampleHero(), kStatus);
  EXPECT_EQ(data.m_HeroCarry.VectorSize(), 2);
  Restore(data, restored, out);  // slot 0 holds a default part
  EXPECT_EQ(restored.m_nMaxHp, cCharaDef().m_nMaxHp);
  int32_t hp = -1, sp = -1;
  data.RestoreHeroValues(5, hp, sp);
  EXPECT_EQ(hp, -1);
  EXPECT_FALSE(ClosePosted());
}

TEST_F(CarryTest, GraphicZeroComesBackAsOne) {
  CarryOnly(kCarryGraphic);
  cCharaDef hero = SampleHero();
  hero.m_nGraphic = 0;
  cSaveData data = NewData();
  data.StoreHeroStatus(0, hero, kStatus);
  EXPECT_EQ(data.m_HeroCarry.CheckedVectorAt(0).m_Chara.m_nGraphic, 0);
  cCharaDef restored;
  Outputs out;
  Restore(data, restored, out);
  EXPECT_EQ(restored.m_nGraphic, 1);
}

TEST_F(CarryTest, DeathDropsTheItemsTheProjectResets) {
  // Default reset switches: HP and SP.
  settings_.m_CarryOver.assign(25, 0);
  for (int32_t item : {kCarryHp, kCarrySp, kCarryMaxHp}) settings_.m_CarryOver.CheckedVectorAt(item) = 1;
  settings_.m_ResetOnDeath.push_back(1);  // longer than the flags: nothing to clear there
  cSaveData data = NewData();
  data.StoreHeroStatus(0, SampleHero(), kStatus);
  data.ClearFlaggedEntries();

  cCharaDef restored;
  Outputs out;
  Restore(data, restored, out);
  EXPECT_EQ(out.hp, Outputs().hp);
  EXPECT_EQ(out.sp, Outputs().sp);
  EXPECT_EQ(restored.m_nMaxHp, 50);
  EXPECT_FALSE(ClosePosted());
}
