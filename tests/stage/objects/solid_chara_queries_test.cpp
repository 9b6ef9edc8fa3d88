// Overlaps with solid charas, the chara ridden or to ride, corners held in
// solids, and the rider following its platform.

#include <gtest/gtest.h>

#include <functional>

#include "solid_world.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/object_walk.h"

class SolidCharaQueriesTest : public SolidWorld {};

TEST_F(SolidCharaQueriesTest, OnlyLiveEnabledSolidsOtherThanTheObjectCount) {
  cChara& solid = Body(5, 600, 600, 32, 32, true);
  cChara& obj = Body(6, 620, 620, 32, 32, false);
  struct Case {
    const char* name;
    std::function<void()> change;
    int32_t expect;
  };
  const Case cases[] = {
      {"overlapping", [] {}, 1},
      {"disabled", [&] { solid.m_bEnabled = 0; }, 0},
      {"dead", [&] { solid.m_bDead = 1; }, 0},
      {"not solid", [&] { solid.m_Def.m_bBlockChara = 0; }, 0},
      {"edges meet", [&] { Put(obj, 631, 631); }, 1},
      {"a dot apart", [&] { Put(obj, 632, 600); }, 0},
      {"flying through blocks", [&] { obj.m_bFlying = 1, obj.m_nFlyBlockMode = 0; }, 0},
      {"flying, stopped by blocks", [&] { obj.m_bFlying = 1, obj.m_nFlyBlockMode = 1; }, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Shape(solid, 32, 32);
    solid.m_Def.m_bBlockChara = 1;
    solid.m_bDead = 0;
    Shape(obj, 32, 32);
    Put(obj, 620, 620);
    c.change();
    EXPECT_EQ(play_.OverlapsSolidChara(obj, g_CharaList), c.expect);
  }
  Shape(obj, 32, 32);
  Put(obj, 620, 620);
  EXPECT_EQ(play_.OverlapsSolidCharaExcept(obj, g_CharaList, solid.m_nId), 0);
  // A solid chara is not in its own way.
  EXPECT_EQ(play_.OverlapsSolidChara(solid, g_CharaList), 0);
}

TEST_F(SolidCharaQueriesTest, TheRiddenCharaAndTheNextOneBelowWithinFiveDots) {
  Body(5, 600, 600, 32, 32, true);
  Body(7, 640, 600, 32, 32, true);
  cChara& rider = Body(6, 620, 564, 32, 32, false);  // bottom 595: 5 dots above
  rider.m_nRiddenId = 7;
  EXPECT_EQ(play_.IsOnRiddenChara(rider), 1);
  ASSERT_NE(play_.FindSolidCharaBelow(rider), nullptr);
  EXPECT_EQ(play_.FindSolidCharaBelow(rider)->m_nId, 5);  // list order
  Put(rider, 620, 563);
  EXPECT_EQ(play_.IsOnRiddenChara(rider), 0);
  EXPECT_EQ(play_.FindSolidCharaBelow(rider), nullptr);
}

// Only the live solid the ridden id names carries the rider: not another
// solid under it, not the hero, not one erased while a walk keeps it listed.
TEST_F(SolidCharaQueriesTest, OnlyTheLiveSolidTheRiddenIdNamesCarries) {
  struct Case {
    const char* name;
    std::function<void(cChara& ridden, cChara& rider)> change;
    int32_t expect;
  };
  const Case cases[] = {
      {"on it", [](cChara&, cChara&) {}, 1},
      {"the one under it too", [](cChara&, cChara& rider) { rider.m_nRiddenId = 5; }, 1},
      {"a solid elsewhere", [](cChara&, cChara& rider) { rider.m_nRiddenId = 8; }, 0},
      {"the hero's id", [this](cChara&, cChara& rider) {
         Put(*hero_, 600, 600);
         rider.m_nRiddenId = hero_->m_nId;
       }, 0},
      {"no id", [](cChara&, cChara& rider) { rider.m_nRiddenId = kNoLink; }, 0},
      {"not solid", [](cChara& ridden, cChara&) { ridden.m_Def.m_bBlockChara = 0; }, 0},
      {"disabled", [](cChara& ridden, cChara&) { ridden.m_bEnabled = 0; }, 0},
      {"dead", [](cChara& ridden, cChara&) { ridden.m_bDead = 1; }, 0},
      {"erased", [this](cChara& ridden, cChara&) { play_.EraseStageChara(ridden); }, 0},
      {"a solid riding itself", [](cChara&, cChara& rider) {
         rider.m_Def.m_bBlockChara = 1;
         rider.m_nRiddenId = rider.m_nId;
       }, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClearCharas(play_);
    Body(5, 560, 600, 100, 32, true);  // under the rider as well
    Body(8, 800, 600, 32, 32, true);
    cChara& ridden = Body(7, 600, 600, 32, 32, true);
    cChara& rider = Body(6, 600, 568, 32, 32, false);
    rider.m_nRiddenId = 7;
    cCharaWalk walk(play_);
    c.change(ridden, rider);
    EXPECT_EQ(play_.IsOnRiddenChara(rider), c.expect);
  }
}

TEST_F(SolidCharaQueriesTest, EveryCornerMustLieInSomeSolid) {
  cChara& obj = Body(6, 600, 600, 32, 32, false);
  const DRECT elsewhere{0, 0, 31, 31};
  Body(5, 590, 590, 20, 60, true);  // holds the left corners
  EXPECT_EQ(play_.AreCornersInSolidCharas(obj, elsewhere), 0);
  Body(7, 625, 590, 20, 20, true);  // the top-right one
  EXPECT_EQ(play_.AreCornersInSolidCharas(obj, elsewhere), 0);
  // The bottom corners are read one dot up: 630 is the last row tested.
  Body(8, 625, 630, 20, 20, true);
  EXPECT_EQ(play_.AreCornersInSolidCharas(obj, elsewhere), 1);
  // A corner of the other rectangle covers its index too.
  cChara& late = Body(9, 0, 0, 32, 32, false);
  const DRECT rc{600, 600, 631, 631};
  Put(late, 800, 800);
  EXPECT_EQ(play_.AreCornersInSolidCharas(late, rc), 1);
}

TEST_F(SolidCharaQueriesTest, RidersFollowTheirPlatformAndAnnounceThemselves) {
  cChara& platform = Body(5, 600, 600, 64, 32, true);
  cChara& rider = Body(6, 610, 568, 32, 32, false);
  for (cCharaBase* who : {static_cast<cCharaBase*>(&rider), static_cast<cCharaBase*>(hero_)}) {
    SCOPED_TRACE(who->m_nId);
    calls_.m_Started.clear();
    who->m_bRiding = 1;
    who->m_nRiddenId = platform.m_nId;
    who->m_RiddenPos = DRECT{597, 604, 660, 635};
    who->m_dVX = 1;
    who->m_dVY = 0;
    platform.m_bFlying = 1;
    play_.FollowRiddenChara(*who, g_CharaList);
    EXPECT_EQ(who->m_dVX, 4);
    EXPECT_EQ(who->m_dVY, -4);
    std::vector<std::vector<int32_t>> expect;
    if (who == hero_) expect.push_back({5, 16, who->m_nId});
    expect.push_back({5, 17, who->m_nId});
    EXPECT_EQ(Started(), expect);
  }
  // A flying rider, or a platform that is gone: nothing.
  calls_.m_Started.clear();
  rider.m_bFlying = 1;
  play_.FollowRiddenChara(rider, g_CharaList);
  rider.m_bFlying = 0;
  rider.m_nRiddenId = 99;
  play_.FollowRiddenChara(rider, g_CharaList);
  EXPECT_TRUE(calls_.m_Started.empty());
}
