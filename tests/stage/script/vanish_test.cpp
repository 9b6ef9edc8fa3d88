#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "flow_world.h"
#include "records/settings/system_data.h"
#include "stage/objects/shot.h"
#include "stage/script/flow_cmd_executors.h"

namespace {

class VanishTest : public FlowWorld {
 protected:
  cChara& Live(int32_t id, int32_t group, int32_t onScreen) {
    cChara& chara = AddTestChara(id);
    chara.m_bEnabled = 1;
    chara.m_bOnScreen = onScreen;
    chara.m_nControl = 1;
    play_.m_ObjGroup.CheckedVectorAt(group).push_back(id);
    return chara;
  }
  // child was summoned by parent.
  static void Summoned(cCharaBase& child, cCharaBase& parent) {
    child.m_nParentId = parent.m_nId;
    parent.m_TargetedBy.push_back({child.m_nId, kLinkSlotParent});
  }
  cShot& OwnShot(int32_t id, cCharaBase& owner) {
    cShot& shot = AddTestShot(id, &owner, nullptr);
    shot.m_bEnabled = 1;  // filed in its faction's list (0) by AddShot
    return shot;
  }
  std::vector<int32_t> ShotIds() const {
    std::vector<int32_t> ids;
    for (const cShot& shot : play_.m_ShotList) ids.push_back(shot.m_nId);
    return ids;
  }
  static int32_t Vanish(cCharaBase& runner, std::vector<int32_t> params) {
    cFlowCmd cmd = Cmd(kFlowCmdVanish, std::move(params));
    return ExecVanish(&runner, &cmd);
  }
  static void Status2(cCharaBase& runner, std::vector<int32_t> params) {
    cFlowCmd cmd = Cmd(kFlowCmdStatus2, std::move(params));
    ExecStatusOperation2(&runner, &cmd);
  }
};

TEST_F(VanishTest, CharasOfAGroupOnScreenOnlyOrAll) {
  cChara& runner = Live(4, 2, 1);
  cChara& on = Live(5, 3, 1);
  cChara& off = Live(6, 3, 0);
  cChara& other = Live(7, 4, 1);
  Vanish(runner, {0, 3, 0});
  EXPECT_EQ(on.m_bVanish, 1);
  EXPECT_EQ(off.m_bVanish, 0);
  EXPECT_EQ(other.m_bVanish, 0);
  EXPECT_EQ(play_.m_bKill, 1);
  Vanish(runner, {0, 3, 1});
  EXPECT_EQ(off.m_bVanish, 1);
  // A group outside the list names nothing.
  EXPECT_EQ(Vanish(runner, {0, 8, 1}), 0);
}

TEST_F(VanishTest, TheKillFlagIsRaisedForOtherCharasOnly) {
  cChara& runner = Live(4, 2, 1);
  cHero& hero = AddTestHero(1);
  hero.m_nHp = 50;
  play_.m_bKill = 0;
  Status2(runner, {0, 0, 0});  // itself
  EXPECT_EQ(runner.m_bVanish, 1);
  EXPECT_EQ(play_.m_bKill, 0);
  Target(runner, 1, hero);
  Status2(runner, {2, 0, 5});  // its target 2, the hero: HP 0
  EXPECT_EQ(hero.m_nHp, 0);
  EXPECT_EQ(play_.m_bKill, 1);
}

TEST_F(VanishTest, ASummonTreeVanishesItsShotsOnlyWhenAsked) {
  struct Case {
    int32_t what;
    bool treeGoes;
    std::vector<int32_t> shotsLeft;  // 100 the runner's, 101 the child's, 102 the grandchild's
  } cases[] = {
      {2, true, {100, 101, 102}},
      {3, false, {101, 102}},
      {4, true, {}},
      {5, true, {100}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ClearShots(play_);
    ClearCharas(play_);
    for (cList<int32_t>& layer : play_.m_ShotLayers) layer.clear();
    cChara& runner = Live(4, 2, 1);
    cChara& child = Live(5, 2, 0);
    cChara& grandchild = Live(6, 2, 0);
    Summoned(child, runner);
    Summoned(grandchild, child);
    OwnShot(100, runner);
    OwnShot(101, child);
    OwnShot(102, grandchild);
    Vanish(runner, {c.what, 0, 0});
    EXPECT_EQ(child.m_bVanish, c.treeGoes ? 1 : 0);
    EXPECT_EQ(grandchild.m_bVanish, c.treeGoes ? 1 : 0);
    EXPECT_EQ(runner.m_bVanish, 0);
    EXPECT_EQ(ShotIds(), c.shotsLeft);
    EXPECT_EQ(play_.m_ShotLayers.CheckedVectorAt(0).size(), c.shotsLeft.size());
  }
}

TEST_F(VanishTest, OwnShotsGoWhileTheLinkListChanges) {
  cChara& runner = Live(4, 2, 1);
  cChara& other = Live(5, 2, 1);
  OwnShot(100, runner);
  AddTestShot(101, nullptr, &runner).m_bEnabled = 1;  // homes on it: stays
  OwnShot(102, runner).m_bEnabled = 0;                // not active: stays
  OwnShot(103, runner);
  OwnShot(104, other);
  RemoveOwnShots(runner);
  EXPECT_EQ(ShotIds(), (std::vector<int32_t>{101, 102, 104}));
  EXPECT_EQ(runner.m_ShotLinks.size(), 2U);
}

TEST_F(VanishTest, OnlyTheHeroFliesAndAGiantHeroRebuildsItsRectangles) {
  cHero& hero = AddTestHero(1);
  hero.m_nControl = 0;
  cChara& chara = Live(4, 2, 1);
  Status2(chara, {0, 3, 1});  // a chara: nothing
  EXPECT_EQ(chara.m_bFlying, 0);
  Status2(hero, {0, 3, 1, 1, 0});
  EXPECT_EQ(hero.m_Def.m_nFly, 1);
  EXPECT_NE(hero.m_bFlying, 0);
  EXPECT_EQ(hero.m_bPositionSaved, 1);
  hero.m_BoxRects.clear();
  Status2(hero, {0, 5, 2});
  EXPECT_EQ(hero.m_Def.m_nGiant, 2);
  EXPECT_EQ(hero.m_BoxRects.size(), 4U);
}

TEST_F(VanishTest, DuringTheContactPassShotsAreOnlyMarked) {
  cChara& runner = Live(4, 2, 1);
  cShot& own = OwnShot(100, runner);
  cShot& grouped = OwnShot(101, runner);
  play_.m_bContactPass = 1;
  RemoveOwnShots(runner);
  Vanish(runner, {1, 0, 0});  // the shots of faction 0
  play_.m_bContactPass = 0;
  EXPECT_EQ(ShotIds(), (std::vector<int32_t>{100, 101}));
  EXPECT_EQ(own.m_bVanishPending, 1);
  EXPECT_EQ(grouped.m_bVanishPending, 1);
}

// Every way a command removes shots during the contact pass only marks
// them; the sweep at the pass's end must then find and remove each one.
TEST_F(VanishTest, ShotsMarkedDuringThePassGoAtTheSweepByEveryWay) {
  struct Case {
    std::vector<int32_t> params;
    std::vector<int32_t> shotsLeft;  // 100 the runner's, 101 the child's
  } cases[] = {
      {{1, 0, 1}, {}},     // the shots of faction 0
      {{3, 0, 0}, {101}},  // its own
      {{4, 0, 0}, {}},     // the tree's and its own
      {{5, 0, 0}, {100}},  // the tree's
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.params[0]);
    ClearShots(play_);
    ClearCharas(play_);
    play_.RemoveMarkedShots();
    cChara& runner = Live(4, 2, 1);
    cChara& child = Live(5, 2, 0);
    Summoned(child, runner);
    OwnShot(100, runner);
    OwnShot(101, child);
    play_.m_bContactPass = 1;
    Vanish(runner, c.params);
    play_.m_bContactPass = 0;
    EXPECT_EQ(ShotIds(), (std::vector<int32_t>{100, 101}));
    play_.RemoveMarkedShots();
    EXPECT_EQ(ShotIds(), c.shotsLeft);
    EXPECT_EQ(play_.m_ShotLayers.CheckedVectorAt(0).size(), c.shotsLeft.size());
  }
}

TEST_F(VanishTest, DescendantsStopAThousandLevelsDown) {
  std::vector<cChara*> chain;
  for (int32_t i = 0; i <= 1002; ++i) {
    chain.push_back(&Live(10 + i, 1, 1));
    if (i > 0) Summoned(*chain.back(), *chain[static_cast<std::size_t>(i - 1)]);
  }
  Vanish(*chain.front(), {2, 0, 0});
  EXPECT_EQ(chain[0]->m_bVanish, 0);
  EXPECT_EQ(chain[1]->m_bVanish, 1);
  EXPECT_EQ(chain[1001]->m_bVanish, 1);
  EXPECT_EQ(chain[1002]->m_bVanish, 0);
}

TEST_F(VanishTest, StateFlagsAreKeptAsLowBytes) {
  cChara& chara = Live(4, 2, 1);
  Status2(chara, {0, 1, 0x101});
  EXPECT_EQ(chara.m_Def.m_bTransparent, 1);
  Status2(chara, {0, 2, 0x1FF});
  EXPECT_EQ(chara.m_Def.m_bFixedFacing, -1);
  Status2(chara, {0, 4, 2});
  EXPECT_EQ(chara.m_Def.m_nInvincible, 2);
  Status2(chara, {0, 6, 0x201});
  EXPECT_EQ(chara.m_Def.m_bAutoScrollSync, 1);
  EXPECT_EQ(chara.m_bFollowScroll, 1);
  // An empty target slot: nothing.
  Status2(chara, {3, 1, 0});
  EXPECT_EQ(chara.m_Def.m_bTransparent, 1);
}

TEST_F(VanishTest, GiantScaleIsNeverZeroAndOnlyAChangeOpensThePostureWindow) {
  struct Case {
    int32_t value;
    int8_t scale;
    int32_t posture;
    int32_t legacy831;
  } cases[] = {
      {2, 2, 0, 0},  // the current scale: no window
      {3, 3, 2, 0},
      {3, 3, 0, 1},  // the old rule never opens it
      {0, 1, 2, 0},
      {256, 1, 2, 0},
      {-3, 1, 2, 0},
      {0x105, 5, 2, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    g_SystemData.m_bLegacy831 = c.legacy831;
    cChara& chara = Live(20 + static_cast<int32_t>(&c - cases), 2, 1);
    chara.m_nWidthBase = 32;
    chara.m_nHeightBase = 32;
    chara.m_Def.m_nGiant = 2;
    chara.SetScale(2, 1, 0);
    Status2(chara, {0, 5, c.value});
    EXPECT_EQ(chara.m_Def.m_nGiant, c.scale);
    EXPECT_EQ(chara.m_nPostureFrames, c.posture);
    EXPECT_EQ(chara.m_nWidth, 32 * c.scale);
  }
}

TEST_F(VanishTest, SystemAutoScrollSwitches) {
  cChara& chara = Live(4, 2, 1);
  g_Stage.m_nAutoScrollSpeedX = 20;
  Status2(chara, {5, 0, 1});
  EXPECT_EQ(g_Stage.m_bAutoScrollX, 1);
  EXPECT_NE(play_.m_ScrollX.m_dAutoSpeed, 0);
  Status2(chara, {5, 0, 0});
  EXPECT_EQ(play_.m_ScrollX.m_dAutoSpeed, 0);
}

}  // namespace
