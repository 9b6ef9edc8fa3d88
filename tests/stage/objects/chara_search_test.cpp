// The chara searches: the filter, the nearest chara by mode, the first in a
// list and the newest child.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "core/containers/checked_list.h"
#include "object_world.h"
#include "stage/objects/chara.h"
#include "stage/objects/chara_search.h"

namespace {

class CharaSearch : public ObjectWorld {
 protected:
  // An enabled chara whose screen centre is (cx, cy).
  cChara& Add(int32_t id, int32_t cx, int32_t cy, int32_t onScreen = 1) {
    cChara& chara = list_.emplace_back();
    chara.m_nId = id;
    chara.m_nGraphicW = 20;
    chara.m_nGraphicH = 10;
    chara.m_rcScreen.left = cx - 10;
    chara.m_rcScreen.top = cy - 5;
    chara.m_bEnabled = 1;
    chara.m_bOnScreen = onScreen;
    chara.m_Vars.assign(9, 0);
    return chara;
  }

  int32_t NearestId(int32_t mode, const cCharaFilter& filter = cCharaFilter()) {
    cChara* found = FindNearestCharaEx(0, 0, list_, mode, filter);
    return found != nullptr ? found->m_nId : -1;
  }

  cList<cChara> list_;
};

TEST_F(CharaSearch, NearestByMode) {
  Add(1, 40, 40, 0);    // nearest, off screen
  Add(2, 100, 0, 1);
  Add(3, 0, 100, 1);    // as near as 2: the earlier one wins
  Add(4, 500, 500, 1);
  EXPECT_EQ(NearestId(kSearchOnScreenFirst), 2);
  EXPECT_EQ(NearestId(kSearchAll), 1);
  EXPECT_EQ(NearestId(kSearchOnScreen), 2);
  EXPECT_EQ(NearestId(5), -1);
  EXPECT_EQ(NearestId(-1), -1);
}

TEST_F(CharaSearch, OffScreenOnlyWhenNoOnScreenCharaQualifies) {
  Add(1, 50, 50, 0);
  Add(2, 10, 10, 1).m_bEnabled = 0;  // on screen but not taking part
  Add(3, 5, 5, 1).m_bDead = 1;
  Add(4, 80, 80, 0);
  EXPECT_EQ(NearestId(kSearchOnScreenFirst), 1);
  EXPECT_EQ(NearestId(kSearchOnScreen), -1);
  EXPECT_EQ(NearestId(kSearchAll), 1);
}

TEST_F(CharaSearch, FarApartScreenPositionsDoNotWrap) {
  Add(1, INT_MAX - 10, 0);
  Add(2, -100000, 0);
  cChara* found = FindNearestCharaEx(INT_MIN + 10, 0, list_, kSearchAll, cCharaFilter());
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->m_nId, 2);
}

TEST_F(CharaSearch, EachFilter) {
  cChara& chara = Add(5, 0, 0);
  chara.m_Def.m_nCharaId = 7;
  chara.m_Vars.CheckedVectorAt(2) = -12;
  struct Case {
    const char* name;
    void (*set)(cCharaFilter&);
    void (*change)(cChara&);
    bool expect;
  };
  const Case cases[] = {
      {"no switch", [](cCharaFilter&) {}, [](cChara&) {}, true},
      {"chara ID equal", [](cCharaFilter& f) { f.m_bCharaId = 1, f.m_nCharaId = 7; }, [](cChara&) {}, true},
      {"chara ID differs", [](cCharaFilter& f) { f.m_bCharaId = 1, f.m_nCharaId = 8; }, [](cChara&) {}, false},
      {"chara ID off", [](cCharaFilter& f) { f.m_nCharaId = 8; }, [](cChara&) {}, true},
      {"own id", [](cCharaFilter& f) { f.m_bOwnId = 1, f.m_nOwnId = 5; }, [](cChara&) {}, false},
      {"another id", [](cCharaFilter& f) { f.m_bOwnId = 1, f.m_nOwnId = 6; }, [](cChara&) {}, true},
      {"invincible 1 excluded", [](cCharaFilter& f) { f.m_bNoInvincible1 = 1; },
       [](cChara& c) { c.m_Def.m_nInvincible = 1; }, false},
      {"invincible 2 passes the state-1 switch", [](cCharaFilter& f) { f.m_bNoInvincible1 = 1; },
       [](cChara& c) { c.m_Def.m_nInvincible = 2; }, true},
      {"invincible 2 excluded", [](cCharaFilter& f) { f.m_bNoInvincible2 = 1; },
       [](cChara& c) { c.m_Def.m_nInvincible = 2; }, false},
      {"block chara excluded", [](cCharaFilter& f) { f.m_bNoBlockChara = 1; },
       [](cChara& c) { c.m_Def.m_bBlockChara = 1; }, false},
      {"block switch, ordinary chara", [](cCharaFilter& f) { f.m_bNoBlockChara = 1; }, [](cChara&) {}, true},
      {"variable 2 < -11", [](cCharaFilter& f) { f.m_bVar = 1, f.m_nVar = 2, f.m_nOperator = 5, f.m_nValue = -11; },
       [](cChara&) {}, true},
      {"variable 2 > -11", [](cCharaFilter& f) { f.m_bVar = 1, f.m_nVar = 2, f.m_nOperator = 4, f.m_nValue = -11; },
       [](cChara&) {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cChara changed = chara;
    c.change(changed);
    cCharaFilter filter;
    c.set(filter);
    EXPECT_EQ(filter.Accepts(changed), c.expect);
  }
}

TEST_F(CharaSearch, VariableOperators) {
  struct Case {
    int32_t variable, op, value;
    bool expect;
  };
  const Case cases[] = {
      {5, 0, 5, true},        {5, 1, 5, false},        {5, 2, 5, true},         {5, 3, 5, true},
      {5, 4, 5, false},       {5, 5, 5, false},        {-12, 6, 4, true},       {-12, 7, -5, true},
      {-12, 6, -5, false},    {0, 6, 0, true},         {17, 6, 0, true},        {0, 7, 0, false},
      {17, 7, 0, false},      {INT_MIN, 6, -1, true},  {INT_MIN, 7, -1, false}, {INT_MIN, 6, 2, true},
      {INT_MIN, 2, INT_MAX, false}, {5, 8, 5, false},  {5, -1, 5, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.variable << " op " << c.op << " " << c.value);
    EXPECT_EQ(FilterCompare(c.variable, c.op, c.value), c.expect);
  }
}

TEST_F(CharaSearch, FirstInListPassesOverTheDead) {
  Add(1, 0, 0).m_bDead = 1;
  Add(2, 0, 0).m_Def.m_nCharaId = 3;
  Add(3, 0, 0).m_Def.m_nCharaId = 4;
  Add(4, 0, 0).m_Def.m_nCharaId = 4;
  cCharaFilter filter;
  EXPECT_EQ(FindCharaInList(list_, filter)->m_nId, 2);
  filter.m_bCharaId = 1;
  filter.m_nCharaId = 4;
  EXPECT_EQ(FindCharaInList(list_, filter)->m_nId, 3);
  filter.m_nCharaId = 9;
  EXPECT_EQ(FindCharaInList(list_, filter), nullptr);
}

TEST_F(CharaSearch, NearestAtFollowsTheStageSetting) {
  Add(1, 50, 50, 0);
  Add(2, 100, 100, 1).m_Def.m_nInvincible = 2;  // never found here
  Add(3, 300, 300, 1);
  g_Stage.m_nContactSetting = 0;
  EXPECT_EQ(FindNearestCharaAt(0, 0, list_)->m_nId, 3);
  list_.back().m_bOnScreen = 0;
  EXPECT_EQ(FindNearestCharaAt(0, 0, list_)->m_nId, 1);
  g_Stage.m_nContactSetting = 1;
  EXPECT_EQ(FindNearestCharaAt(0, 0, list_), nullptr);

  cGameObject searcher;
  searcher.m_rcScreen.left = 290;  // centre (300, 300)
  searcher.m_rcScreen.top = 295;
  searcher.m_nGraphicW = 20;
  searcher.m_nGraphicH = 10;
  list_.back().m_bOnScreen = 1;
  EXPECT_EQ(searcher.FindNearestChara(list_)->m_nId, 3);
}

class ChildSearch : public CharaSearch {
 protected:
  void SetUp() override {
    CharaSearch::SetUp();
    for (int32_t id = 1; id <= 4; ++id) Add(id, 0, 0).m_nBlockKey = id == 3 ? 1 : 0;
    for (cChara& chara : list_) play_.m_CharaIds.Put(chara.m_nId, &chara);
    // Summoned in id order; 4 is a target link, not a child.
    parent_.m_TargetedBy = {{1, kLinkSlotParent}, {2, kLinkSlotParent}, {3, kLinkSlotParent}, {4, 0}};
  }

  int32_t ChildId(int32_t key, int32_t anyKey, const cCharaFilter& filter = cCharaFilter()) {
    cCharaBase* found = FindChildChara(parent_.m_TargetedBy, kLinkSlotParent, key, anyKey, filter);
    return found != nullptr ? found->m_nId : -1;
  }

  cChara parent_;
};

TEST_F(ChildSearch, NewestChildFirst) {
  EXPECT_EQ(ChildId(0, 0), 2);
  EXPECT_EQ(ChildId(1, 0), 3);
  EXPECT_EQ(ChildId(0, 1), 3);
  EXPECT_EQ(ChildId(5, 0), -1);
  cCharaFilter filter;
  filter.m_bOwnId = 1;
  filter.m_nOwnId = 3;
  EXPECT_EQ(ChildId(0, 1, filter), 2);
}

TEST_F(ChildSearch, ErasedAndDeadChildrenAreSkipped) {
  play_.m_CharaIds.Remove(2, &list_.CheckedListAt(1));
  EXPECT_EQ(ChildId(0, 0), 1);
  list_.front().m_bDead = 1;
  EXPECT_EQ(ChildId(0, 0), -1);
}

// An object group lists its charas by id; an erased chara's id finds nothing.
TEST_F(ChildSearch, ListsOfIdsResolveThroughTheIdTable) {
  const std::vector<int32_t> group = {9, 2, 3, 4};  // 9 was never added
  play_.m_CharaIds.Remove(2, &list_.CheckedListAt(1));
  cCharaFilter filter;
  EXPECT_EQ(FindCharaInList(group, filter)->m_nId, 3);
  list_.CheckedListAt(3).m_rcScreen.left = -10;  // id 4 nearest to (0, 0)
  list_.CheckedListAt(3).m_rcScreen.top = -5;
  list_.CheckedListAt(2).m_rcScreen.left = 90;
  EXPECT_EQ(FindNearestCharaEx(0, 0, group, kSearchAll, filter)->m_nId, 4);
}

}  // namespace
