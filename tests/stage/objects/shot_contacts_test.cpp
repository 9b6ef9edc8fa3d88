// Shots in the contact pass: hits on the charas of other groups, pierce,
// swords, touches without an attack, carried items, the sub-step mask, the
// on-screen rule and clashes between shots.

#include <gtest/gtest.h>

#include <vector>

#include "records/palette/common_palette.h"
#include "records/script/cmd_kind_table.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "solid_world.h"

class ShotContactsTest : public SolidWorld {
 protected:
  void SetUp() override {
    SolidWorld::SetUp();
    savedSettings_ = g_SystemData;
    savedCommon_ = g_CommonPalette.m_ItemPalette;
    hero_->m_bEnabled = 0;
  }
  void TearDown() override {
    g_SystemData = savedSettings_;
    g_CommonPalette.m_ItemPalette = savedCommon_;
    SolidWorld::TearDown();
  }

  // A projectile (sword 0) of group whose box is 16 x 16 at (x, y).
  cShot& Shot(int32_t id, int32_t group, double x, double y, int32_t power, int32_t projectile = 1) {
    cShot shot;
    shot.m_nId = id;
    shot.m_bShot = projectile;
    shot.m_bOnScreen = 1;
    shot.m_Settings.m_nPower = power;
    shot.m_Settings.m_nGroup = static_cast<decltype(shot.m_Settings.m_nGroup)>(group);  // its faction list
    shot.m_dX = shot.m_dAtkLeft = x;
    shot.m_dY = shot.m_dAtkTop = y;
    shot.m_dRight = shot.m_dAtkRight = x + 15;
    shot.m_dBottom = shot.m_dAtkBottom = y + 15;
    return AddShot(play_, shot);
  }

  int32_t Resolve() { return play_.ResolveContacts(g_CharaList); }
  bool Exists(int32_t id) const { return play_.FindShotById(id) != nullptr; }
  int CountStarted(int32_t trigger) const {
    int n = 0;
    for (const std::vector<int32_t>& s : calls_.m_Started) n += s[1] == trigger ? 1 : 0;
    return n;
  }

  cSystemData savedSettings_;
  cVector<cItemDef> savedCommon_;
};

TEST_F(ShotContactsTest, AProjectileHitsEveryCharaItMeetsInTheGroupThenGoes) {
  cChara& a = Member(5, 2, 600, 600);
  cChara& b = Member(6, 2, 604, 604);
  Member(7, 1, 600, 600);  // the shot's own group: never hit
  Shot(1, 1, 610, 610, 10);
  EXPECT_EQ(Resolve(), 0);
  EXPECT_EQ(a.m_nHp, 90);
  EXPECT_EQ(b.m_nHp, 90);
  EXPECT_FALSE(Exists(1));
  EXPECT_EQ(CountSounds(7), 2);
  EXPECT_EQ(CountStarted(7), 2);
}

TEST_F(ShotContactsTest, PiercingByKindOfCharaAndSwordsHitOnce) {
  struct Case {
    const char* name;
    int32_t projectile;
    int8_t pierceCharas, pierceSolids;
    bool solidTarget;
    bool stays;
  };
  const Case cases[] = {
      {"piercing charas", 1, 1, 0, false, true},
      {"piercing charas, a solid target", 1, 1, 0, true, false},
      {"piercing solids", 1, 0, 1, true, true},
      {"a sword", 0, 0, 0, false, true},
  };
  int32_t id = 10;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cChara& target = Member(id++, 2, 600, 600);
    target.m_Def.m_bBlockChara = c.solidTarget ? 1 : 0;
    cShot& shot = Shot(id++, 1, 610, 610, 10, c.projectile);
    const int32_t shotId = shot.m_nId;
    shot.m_Settings.m_bShotOpt10 = c.pierceCharas;
    shot.m_Settings.m_bShotOpt11 = c.pierceSolids;
    Resolve();
    EXPECT_EQ(target.m_nHp, 90);
    EXPECT_EQ(Exists(shotId), c.stays);
    if (c.stays) {
      // Once on its list, the chara is not hit again while they overlap.
      target.m_nInvincible = 0;
      Resolve();
      EXPECT_EQ(target.m_nHp, 90);
      play_.RemoveShotById(shotId);
    }
    target.m_bEnabled = 0;
  }
}

TEST_F(ShotContactsTest, AShotWithoutAnAttackOnAnInvincibleChara) {
  for (const int32_t legacy : {0, 1}) {
    SCOPED_TRACE(legacy);
    g_SystemData.m_bLegacy763B = legacy;
    calls_.m_Started.clear();
    services_.m_Events.clear();
    cChara& target = Member(20 + legacy, 2, 600, 600);
    target.m_nInvincible = 100;
    Shot(30 + legacy, 1, 610, 610, 0);
    Resolve();
    EXPECT_EQ(CountStarted(7), 1);
    if (legacy == 0) {
      EXPECT_EQ(CountSounds(7), 1);  // hit with zero values and used up
      EXPECT_FALSE(Exists(30));
    } else {
      EXPECT_EQ(CountSounds(7), 0);  // it passes through, touching at every test
      Resolve();
      EXPECT_EQ(CountStarted(7), 2);
      EXPECT_TRUE(Exists(31));
    }
    target.m_bEnabled = 0;
  }
  // An attack never touches an invincible chara.
  play_.RemoveShotById(31);
  g_SystemData.m_bLegacy763B = 0;
  calls_.m_Started.clear();
  cChara& target = Member(40, 2, 600, 600);
  target.m_nInvincible = 100;
  Shot(41, 1, 610, 610, 5);
  Resolve();
  EXPECT_TRUE(calls_.m_Started.empty());
  EXPECT_TRUE(Exists(41));
}

TEST_F(ShotContactsTest, WhenShotsMeetCharas) {
  struct Case {
    const char* name;
    int32_t contactSteps;
    int32_t subStep;
    int32_t contactSetting;
    int32_t shotOnScreen;
    int8_t invincibleState;
    bool hits;
  };
  const Case cases[] = {
      {"every sub-step", 0, 2, 0, 1, 0, true},
      {"a marked sub-step", 1, 1, 0, 1, 0, true},
      {"an unmarked sub-step", 1, 2, 0, 1, 0, false},
      {"off screen, every object meets", 0, 1, 0, 0, 0, true},
      {"off screen, only on-screen objects meet", 0, 1, 1, 0, 0, false},
      {"shots pass through the chara", 0, 1, 0, 1, 2, false},
  };
  int32_t id = 10;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    g_Stage.m_nContactSteps = c.contactSteps;
    g_Stage.m_nContactSetting = c.contactSetting;
    play_.m_SubStepMask.assign({1, 0});
    play_.m_nSubStep = c.subStep;
    cChara& target = Member(id++, 2, 600, 600);
    target.m_Def.m_nInvincible = c.invincibleState;
    cShot& shot = Shot(id++, 1, 610, 610, 10);
    shot.m_bOnScreen = c.shotOnScreen;
    const int32_t shotId = shot.m_nId;
    Resolve();
    EXPECT_EQ(target.m_nHp, c.hits ? 90 : 100);
    target.m_bEnabled = 0;
    play_.RemoveShotById(shotId);
  }
}

TEST_F(ShotContactsTest, ACarriedItemGoesToTheHeroAndAKillEndsThePass) {
  cItemDef def;
  def.m_nGraphic = 2;
  def.m_bTakeMessage = 0;
  def.m_nSound = 4;
  g_CommonPalette.m_ItemPalette.assign(3, cItemDef());
  g_CommonPalette.m_ItemPalette.CheckedVectorAt(2) = def;
  Member(5, 2, 600, 600);
  cShot& shot = Shot(1, 1, 610, 610, 0);
  shot.m_Settings.m_nItemPalette = 1;
  shot.m_Settings.m_nItemIndex = 2;
  Resolve();
  int sounds = 0;
  for (const cStageEvent& event : services_.m_Events) sounds += event.strName == "PlayProjectSE" ? 1 : 0;
  EXPECT_EQ(sounds, 1);

  // The hero shot down ends the pass; the later shot is still there.
  hero_->m_bEnabled = 1;
  hero_->m_bOnScreen = 1;
  hero_->m_Def.m_nMaxHp = hero_->m_nHp = 5;
  hero_->m_AttackBox.dLeft = hero_->m_AttackBox.dTop = 800;
  hero_->m_AttackBox.dRight = hero_->m_AttackBox.dBottom = 831;
  play_.m_ObjGroup.CheckedVectorAt(0).push_back(hero_->m_nId);
  Shot(2, 1, 810, 810, 50);
  Shot(3, 1, 810, 810, 50);
  EXPECT_EQ(Resolve(), kPlayDeath);
  EXPECT_EQ(play_.m_bContactPass, 0);
  EXPECT_TRUE(Exists(3));
}

TEST_F(ShotContactsTest, ClashesRemoveTheWeakerShot) {
  struct Case {
    const char* name;
    int8_t pClash, qClash;
    int8_t pStrength, qStrength;
    bool pStays, qStays;
  };
  const Case cases[] = {
      {"3 against 5", 1, 1, 3, 5, false, true},
      {"5 against 3", 1, 1, 5, 3, true, false},
      {"equal", 1, 1, 4, 4, false, false},
      {"only the first clashes", 1, 0, 9, 0, false, true},
      {"only the second clashes", 0, 1, 0, 9, true, false},
      {"neither", 0, 0, 0, 0, true, true},
  };
  int32_t id = 10;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cShot& p = Shot(id, 1, 600, 600, 0);
    cShot& q = Shot(id + 1, 4, 605, 605, 0);
    p.m_Settings.m_bShotOpt12 = c.pClash;
    p.m_Settings.m_nVanishValue = c.pStrength;
    q.m_Settings.m_bShotOpt12 = c.qClash;
    q.m_Settings.m_nVanishValue = c.qStrength;
    Resolve();
    EXPECT_EQ(Exists(id), c.pStays);
    EXPECT_EQ(Exists(id + 1), c.qStays);
    play_.RemoveShotById(id);
    play_.RemoveShotById(id + 1);
    id += 2;
  }
  // A strong shot meets every shot of the next group before it goes.
  cShot& strong = Shot(100, 1, 600, 600, 0);
  strong.m_Settings.m_bShotOpt12 = 1;
  strong.m_Settings.m_nVanishValue = 2;
  for (int32_t k = 0; k < 2; ++k) {
    cShot& weak = Shot(101 + k, 3, 600, 600, 0);
    weak.m_Settings.m_bShotOpt12 = 1;
    weak.m_Settings.m_nVanishValue = static_cast<int8_t>(2 - k);
  }
  Resolve();
  EXPECT_FALSE(Exists(100));
  EXPECT_FALSE(Exists(101));
  EXPECT_FALSE(Exists(102));
}

TEST_F(ShotContactsTest, ShotsClashWhateverFactionsTheyFlyIn) {
  // Some factions empty, the pair at either end or side by side at the end.
  const int32_t pairs[][2] = {{0, 7}, {5, 7}, {6, 7}, {0, 1}, {2, 6}};
  int32_t id = 10;
  for (const auto& pair : pairs) {
    SCOPED_TRACE(testing::Message() << pair[0] << " against " << pair[1]);
    cShot& p = Shot(id, pair[0], 600, 600, 0);
    cShot& q = Shot(id + 1, pair[1], 605, 605, 0);
    p.m_Settings.m_bShotOpt12 = 1;
    p.m_Settings.m_nVanishValue = 5;
    q.m_Settings.m_bShotOpt12 = 1;
    q.m_Settings.m_nVanishValue = 3;
    Resolve();
    EXPECT_TRUE(Exists(id));
    EXPECT_FALSE(Exists(id + 1));
    play_.RemoveShotById(id);
    id += 2;
  }
}

TEST_F(ShotContactsTest, ShotsMarkedDuringThePassGoAtItsEnd) {
  play_.MarkShotForRemoval(Shot(1, 1, 100, 100, 0));
  Member(5, 2, 100, 100);
  Resolve();
  EXPECT_FALSE(Exists(1));
  EXPECT_TRUE(calls_.m_Started.empty());
}
