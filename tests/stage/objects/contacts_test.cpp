// The contact pass between object groups: touches, body attacks, parent
// attacks and the on-screen rule of charas against charas.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <variant>

#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "solid_world.h"

class ContactsTest : public SolidWorld {
 protected:
  void SetUp() override {
    SolidWorld::SetUp();
    savedSettings_ = g_SystemData;
    hero_->m_bEnabled = 0;  // out of the way unless a test wants it
  }
  void TearDown() override {
    g_SystemData = savedSettings_;
    SolidWorld::TearDown();
  }

  int32_t Resolve() { return play_.ResolveContacts(g_CharaList); }

  cSystemData savedSettings_;
};

TEST_F(ContactsTest, GroupsTouchOnceAPairWithTheLowerGroupFirst) {
  Member(5, 5, 600, 600);
  Member(6, 3, 610, 610);
  Member(7, 3, 700, 700);  // far away
  Member(8, 5, 605, 605);  // same group as 5: never against it
  EXPECT_EQ(Resolve(), 0);
  EXPECT_EQ(Started(), (std::vector<std::vector<int32_t>>{{6, 4, 5}, {5, 4, 6}, {6, 4, 8}, {8, 4, 6}}));
  EXPECT_EQ(play_.m_bContactPass, 0);
}

TEST_F(ContactsTest, MutualBodyAttacksDamageBothThenImmunityWhereNobodyDied) {
  cChara& a = Member(5, 1, 600, 600);
  cChara& b = Member(6, 2, 610, 610);
  a.m_Def.m_nPower = 10;
  b.m_Def.m_nPower = 30;
  EXPECT_EQ(Resolve(), 0);
  EXPECT_EQ(a.m_nHp, 70);
  EXPECT_EQ(b.m_nHp, 90);
  EXPECT_EQ(a.IsImmuneTo(6), 1);
  EXPECT_EQ(b.IsImmuneTo(5), 1);
  EXPECT_EQ(CountSounds(7), 1);
  // Immune to each other now: touching again does nothing.
  calls_.m_Started.clear();
  Resolve();
  EXPECT_TRUE(calls_.m_Started.empty());
  EXPECT_EQ(a.m_nHp, 70);

  cChara& c = Member(7, 3, 900, 600);
  cChara& d = Member(8, 4, 905, 600);
  c.m_Def.m_nPower = 100;
  d.m_Def.m_nPower = 5;
  services_.m_Events.clear();
  Resolve();
  EXPECT_EQ(d.m_nHp, 0);
  EXPECT_EQ(d.m_bDead, 1);
  EXPECT_TRUE(d.m_Immunities.empty());  // killed: no immunity
  EXPECT_EQ(c.IsImmuneTo(8), 1);
  EXPECT_EQ(CountSounds(9), 1);
}

TEST_F(ContactsTest, ImpactsFollowBothDamagesUnlessTheOldOrderIsAsked) {
  for (const int32_t legacy : {0, 1}) {
    SCOPED_TRACE(legacy);
    g_SystemData.m_bLegacy763A = legacy;
    ClearCharas(play_);
    for (cList<int32_t>& group : play_.m_ObjGroup) group.clear();
    calls_.m_Started.clear();
    cChara& a = Member(5, 1, 600, 600);
    cChara& b = Member(6, 2, 610, 610);
    a.m_Def.m_nPower = b.m_Def.m_nPower = 1;
    a.m_Def.m_nImpact = b.m_Def.m_nImpact = 1;
    Resolve();
    std::vector<std::vector<int32_t>> hits;  // {victim, trigger} of damage (1) and impact (2)
    for (const std::vector<int32_t>& s : calls_.m_Started) {
      if (s[1] == 1 || s[1] == 2) hits.push_back({s[0], s[1]});
    }
    const std::vector<std::vector<int32_t>> expect =
        legacy != 0 ? std::vector<std::vector<int32_t>>{{5, 1}, {5, 2}, {6, 1}, {6, 2}}
                    : std::vector<std::vector<int32_t>>{{5, 1}, {6, 1}, {5, 2}, {6, 2}};
    EXPECT_EQ(hits, expect);
  }
}

TEST_F(ContactsTest, AParentAttackIsSeenAsTheParentsTouch) {
  cChara& parent = Member(5, 1, 100, 100);
  cChara& child = Member(6, 1, 600, 600);
  cChara& victim = Member(7, 2, 610, 610);
  child.m_nParentId = parent.m_nId;
  child.m_bParentAttack = 1;
  child.m_nParentFlowId = 3;
  Resolve();
  EXPECT_EQ(Started(), (std::vector<std::vector<int32_t>>{{6, 4, 7}, {7, 4, 5}, {5, 20, 7}}));
  EXPECT_EQ(calls_.m_Started[2][3], 3);
  EXPECT_EQ(victim.m_nHp, 100);
}

TEST_F(ContactsTest, WhoTakesPart) {
  struct Case {
    const char* name;
    int32_t contactSetting;
    std::function<void(cChara&)> change;
    bool touches;
  };
  const Case cases[] = {
      {"both on screen", 1, [](cChara&) {}, true},
      {"off screen, every object meets", 0, [](cChara& c) { c.m_bOnScreen = 0; }, true},
      {"off screen, only on-screen objects meet", 1, [](cChara& c) { c.m_bOnScreen = 0; }, false},
      {"solid", 0, [](cChara& c) { c.m_Def.m_bBlockChara = 1; }, false},
      {"disabled", 0, [](cChara& c) { c.m_bEnabled = 0; }, false},
      {"dead", 0, [](cChara& c) { c.m_bDead = 1; }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClearCharas(play_);
    for (cList<int32_t>& group : play_.m_ObjGroup) group.clear();
    calls_.m_Started.clear();
    g_Stage.m_nContactSetting = c.contactSetting;
    Member(5, 1, 600, 600);
    c.change(Member(6, 2, 610, 610));
    Resolve();
    EXPECT_EQ(!calls_.m_Started.empty(), c.touches);
  }
}

TEST_F(ContactsTest, TheHerosDeathByABodyAttackEndsThePass) {
  hero_->m_bEnabled = 1;
  hero_->m_bOnScreen = 1;
  hero_->m_Def.m_nMaxHp = hero_->m_nHp = 10;
  hero_->m_HitBox.dLeft = 600;
  hero_->m_HitBox.dTop = 600;
  hero_->m_HitBox.dRight = 631;
  hero_->m_HitBox.dBottom = 631;
  play_.m_ObjGroup.CheckedVectorAt(0).push_back(hero_->m_nId);
  cChara& enemy = Member(5, 1, 610, 610);
  enemy.m_Def.m_nPower = 50;
  Member(6, 2, 610, 610);  // a later pair that is not reached
  EXPECT_EQ(Resolve(), kPlayDeath);
  EXPECT_EQ(play_.m_bContactPass, 0);
  for (const std::vector<int32_t>& s : calls_.m_Started) EXPECT_NE(s[0], 6);
}
