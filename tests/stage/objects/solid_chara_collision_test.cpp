// An object against the solid charas: landing and riding, the fast landing,
// ceilings, sides, crushes, the back-off from blocks and flying objects.

#include <gtest/gtest.h>

#include <string>

#include "core/log/ec_log.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "solid_world.h"
#include "support/temp_dir.h"

class SolidCharaCollisionTest : public SolidWorld {
 protected:
  void SetUp() override {
    SolidWorld::SetUp();
    savedSettings_ = g_SystemData;
  }
  void TearDown() override {
    g_SystemData = savedSettings_;
    SolidWorld::TearDown();
  }
  int32_t Collide(cCharaBase& obj) { return play_.CollideSolidCharas(obj, g_CharaList); }

  cSystemData savedSettings_;
};

TEST_F(SolidCharaCollisionTest, LandingStartsTheRideTheHeroAnnouncesItselfOnce) {
  for (const int32_t control : {0, 1}) {
    SCOPED_TRACE(control);
    calls_.m_Started.clear();
    calls_.m_Calls.clear();
    cChara& platform = Body(5 + control * 10, 600, 600, 64, 32, true);
    cCharaBase& rider = control == 0 ? static_cast<cCharaBase&>(*hero_) : Body(6 + control * 10, 0, 0, 32, 32, false);
    rider.m_bRiding = 0;
    rider.m_bJumpLocked = 1;
    hero_->m_bJumpLocked = 1;
    Put(rider, 610, 570);  // feet 2 dots into the platform
    rider.m_dVY = 0.1;
    EXPECT_EQ(Collide(rider), 0);
    EXPECT_EQ(rider.m_dY, 600 - 32);
    EXPECT_EQ(rider.m_bRiding, 1);
    EXPECT_EQ(rider.m_nRiddenId, platform.m_nId);
    EXPECT_EQ(rider.m_dVY, 0);
    EXPECT_EQ(rider.m_bJumpLocked, 0);
    std::vector<std::vector<int32_t>> expect;
    if (control == 0) expect.push_back({platform.m_nId, 16, rider.m_nId});
    expect.push_back({platform.m_nId, 17, rider.m_nId});
    EXPECT_EQ(Started(), expect);
    EXPECT_EQ(calls_.m_Calls, (std::vector<std::pair<int32_t, int32_t>>{{rider.m_nId, 5}, {rider.m_nId, 6}}));
    // Standing on it in the next sub-step: still riding, no new announcement.
    calls_.m_Started.clear();
    calls_.m_Calls.clear();
    Put(rider, 610, 568);
    Collide(rider);
    EXPECT_EQ(rider.m_bRiding, 1);
    EXPECT_TRUE(calls_.m_Started.empty());
    EXPECT_EQ(calls_.m_Calls, (std::vector<std::pair<int32_t, int32_t>>{{rider.m_nId, 5}, {rider.m_nId, 6}}));
    platform.m_bEnabled = 0;  // out of the next case's way
  }
}

TEST_F(SolidCharaCollisionTest, AFastFallLandsEvenWithTheUpperHalfInside) {
  TempDir dir;
  const std::string log = dir.file("EC.txt");
  SetEcLog(1, log.c_str());
  Body(5, 600, 600, 64, 32, true);
  cChara& faller = Body(6, 610, 590, 32, 32, false);  // upper half inside the platform
  faller.m_dSavedY = 560;
  faller.m_dSavedBottom = 591;
  faller.m_dVY = 3 / g_Stage.m_dSubSteps;
  EXPECT_EQ(Collide(faller), 0);
  SetEcLog(0, nullptr);
  EXPECT_EQ(faller.m_dY, 600 - 32);
  EXPECT_EQ(faller.m_bRiding, 1);
  EXPECT_NE(ReadFileBytes(log).find("D Hit"), std::string::npos);
}

TEST_F(SolidCharaCollisionTest, ALandingAtTheWorldsTopIsNoLongerLost) {
  // The landing height is -1, which once stood for "no candidate".
  Body(5, 600, 47, 64, 32, true);
  cChara& rider = Body(6, 610, 0, 32, 48, false);
  rider.m_dVY = 0.1;
  Collide(rider);
  EXPECT_EQ(rider.m_bRiding, 1);
  EXPECT_EQ(rider.m_nRiddenId, 5);
}

TEST_F(SolidCharaCollisionTest, SolidsOnBothSidesOrAboveAndBelowCrush) {
  struct Case {
    const char* name;
    double ax, ay, bx, by;
  };
  const Case cases[] = {
      {"left and right", 570, 600, 628, 600},
      {"a ceiling and a floor", 600, 570, 600, 628},
  };
  int32_t id = 10;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cChara& a = Body(id++, c.ax, c.ay, 32, 32, true);
    cChara& b = Body(id++, c.bx, c.by, 32, 32, true);
    cChara& victim = Body(id++, 600, 600, 32, 32, false);
    // The ceiling moves down onto it, the floor stands still.
    a.m_dVY = 0.5;
    EXPECT_EQ(Collide(victim), 2);
    a.m_bEnabled = b.m_bEnabled = victim.m_bEnabled = 0;
  }
}

TEST_F(SolidCharaCollisionTest, PressedIntoABlockBacksOffAtMostOneAndAHalfDots) {
  SolidBlock(21, 19);  // dots 672..703, 608..639
  cChara& pusher = Body(5, 620, 600, 32, 32, true);
  cChara& victim = Body(6, 648, 600, 32, 32, false);  // 4 dots under the pusher
  EXPECT_EQ(Collide(victim), 0);
  // Pushed to 651.5, right edge 682.5 deep in the block: 15 steps back.
  EXPECT_NEAR(victim.m_dX, pusher.m_dRight + 1.5 - 1.5, 1e-9);
  EXPECT_EQ(victim.m_bSolidPushed, 1);
}

TEST_F(SolidCharaCollisionTest, FlyingObjectsStoppedByBlocks) {
  struct Case {
    const char* name;
    int32_t blockMode;
    double solidVX;
    double objVX;
    int32_t result;
    double expectX;
  };
  // A solid on the left overlaps the flyer's left edge by 4 dots.
  const Case cases[] = {
      {"a solid coming at it pushes", 1, 1, 0, 0, 632},
      {"a solid standing still pushes", 1, 0, 0, 0, 632},
      {"a solid moving away leaves it", 1, -1, 0, 0, 628},
      {"unless it follows the solid", 1, -1, -1, 0, 632},
      {"dying on blocks", 2, 0, 0, 2, 628},
  };
  int32_t id = 10;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cChara& solid = Body(id++, 600, 600, 32, 32, true);
    solid.m_dVX = c.solidVX;
    cChara& flyer = Body(id++, 628, 600, 32, 32, false);
    flyer.m_bFlying = 1;
    flyer.m_nFlyBlockMode = static_cast<uint8_t>(c.blockMode);
    flyer.m_dVX = c.objVX;
    EXPECT_EQ(Collide(flyer), c.result);
    EXPECT_EQ(flyer.m_dX, c.expectX);
    EXPECT_EQ(flyer.m_bContactLeft, c.expectX == 632 || c.blockMode == 2 ? 1 : 0);
    solid.m_bEnabled = flyer.m_bEnabled = 0;
  }
  // Flying through blocks: solids are air.
  Body(id++, 600, 600, 32, 32, true);
  cChara& ghost = Body(id++, 628, 600, 32, 32, false);
  ghost.m_bFlying = 1;
  ghost.m_nFlyBlockMode = 0;
  EXPECT_EQ(Collide(ghost), 0);
  EXPECT_EQ(ghost.m_dX, 628);
}

TEST_F(SolidCharaCollisionTest, ARisingCeilingPushesDownAndKeepsEveryLink) {
  cChara& ceiling = Body(5, 600, 560, 64, 32, true);
  ceiling.m_dVY = -0.5;
  cChara& jumper = Body(6, 610, 585, 32, 32, false);  // top 7 dots into it
  jumper.m_dVY = -2;
  jumper.m_dSavedY = 589;
  cChara& other = Body(7, 0, 0, 32, 32, false);
  Target(jumper, 0, other);
  Target(other, 1, jumper);
  EXPECT_EQ(Collide(jumper), 0);
  EXPECT_EQ(jumper.m_dY, 592);
  EXPECT_EQ(jumper.m_dVY, -0.5);
  EXPECT_EQ(jumper.m_bJumpLocked, 1);
  EXPECT_EQ(BrokenLinks(), "");
  // Another solid where the push would put it: no push.
  Body(8, 636, 600, 32, 32, true);
  Put(jumper, 610, 585);
  jumper.m_dVY = -2;
  jumper.m_dSavedY = 589;
  Collide(jumper);
  EXPECT_EQ(jumper.m_dY, 585);
}

TEST_F(SolidCharaCollisionTest, RidingEndsWhenThePlatformIsGoneOrPassesToTheNextOne) {
  cChara& first = Body(5, 600, 600, 64, 32, true);
  cChara& rider = Body(6, 610, 568, 32, 32, false);
  rider.m_bRiding = 1;
  rider.m_nRiddenId = first.m_nId;
  // Three dots above the platform: within the ride's reach, not touching.
  Put(rider, 610, 565);
  Collide(rider);
  EXPECT_EQ(rider.m_bRiding, 1);
  first.m_bEnabled = 0;
  Body(7, 600, 600, 64, 32, true);
  Collide(rider);
  EXPECT_EQ(rider.m_bRiding, 1);
  EXPECT_EQ(rider.m_nRiddenId, 7);
  Put(rider, 610, 500);
  Collide(rider);
  EXPECT_EQ(rider.m_bRiding, 0);
  EXPECT_EQ(rider.m_bSolidPushed, 1);
}
