#include <gtest/gtest.h>

#include <climits>

#include "shot_world.h"

namespace {

class ShotInitTest : public ShotWorld {};

TEST_F(ShotInitTest, FacingFollowsTheLaunchAndTheShooterWhenStill) {
  cChara& shooter = AddShooter(1);
  struct Case {
    double vx;
    int32_t shooterFacing;
    int32_t facing;
  } const cases[] = {{-2, 1, 0}, {0, 1, 1}, {0, 0, 0}, {3, 0, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.vx);
    shooter.m_nFacing = c.shooterFacing;
    EXPECT_EQ(Made(&shooter, Settings(), Launch(700, 700, c.vx, 0)).m_nFacing, c.facing);
  }
}

TEST_F(ShotInitTest, SizesOfProjectilesAndSwords) {
  cChara& shooter = AddShooter(1);
  cSwordType sword;
  sword.m_Entries.CheckedVectorAt(0).m_nWidth = 40;
  sword.m_Entries.CheckedVectorAt(0).m_nHeight = 20;
  g_Database.m_SwordTypes.push_back(sword);
  struct Case {
    int32_t kind;
    int8_t size;
    int32_t width, height;
    int32_t bShot;
  } const cases[] = {
      {kShotKindProjectile, 1, 16, 16, 1},
      {kShotKindProjectile, 3, 48, 48, 1},
      {kShotKindProjectile, 0, 16, 16, 1},   // 0 means 1
      {kShotKindProjectile, -3, 16, 16, 1},  // so does a negative byte
      {kShotKindSword, 1, 40, 20, 0},
      {kShotKindSword, 2, 80, 40, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.kind << " size " << int{c.size});
    cEdShot set = Settings();
    set.m_nSize = c.size;
    set.m_nMoveType = static_cast<int8_t>(g_Database.m_SwordTypes.VectorSize() - 1);
    const SHOTLAUNCH launch = Launch(700, 700, 0, 0);
    cShot shot;
    shot.Init(0, &shooter, c.kind, &set, &launch);
    EXPECT_EQ(shot.m_nWidth, c.width);
    EXPECT_EQ(shot.m_nHeight, c.height);
    EXPECT_EQ(shot.m_bShot, c.bShot);
    EXPECT_GE(set.m_nSize, 1);  // written back into the command's settings
    EXPECT_EQ(shot.m_Settings.m_nSize, set.m_nSize);
  }
}

TEST_F(ShotInitTest, AttackBoxIsTheStagesShotBoxCentredOnTheCell) {
  g_Stage.m_ShotBox[0] = 10;
  g_Stage.m_ShotBox[1] = 6;
  g_Stage.m_ShotBox[4] = 12;
  g_Stage.m_ShotBox[5] = 14;
  struct Case {
    int32_t control;
    int8_t size;
    SHOTBOX box;
  } const cases[] = {
      {0, 1, {3, 5, 10, 6}},
      {0, 2, {6, 10, 20, 12}},
      {1, 1, {2, 1, 12, 14}},
      {1, 2, {4, 2, 24, 28}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "control " << c.control << " size " << int{c.size});
    cChara& shooter = AddShooter(c.control * 10 + c.size, c.control);
    cEdShot set = Settings();
    set.m_nSize = c.size;
    const cShot shot = Made(&shooter, set, Launch(700, 600, 1, 0));
    EXPECT_EQ(shot.m_rcAtk.nOffsetX, c.box.nOffsetX);
    EXPECT_EQ(shot.m_rcAtk.nOffsetY, c.box.nOffsetY);
    EXPECT_EQ(shot.m_rcAtk.nWidth, c.box.nWidth);
    EXPECT_EQ(shot.m_rcAtk.nHeight, c.box.nHeight);
    EXPECT_EQ(shot.m_rcAtkBase.nWidth, c.box.nWidth / c.size);
    EXPECT_EQ(shot.m_dAtkLeft, 700 + c.box.nOffsetX);
    EXPECT_EQ(shot.m_dAtkBottom, 600 + c.box.nOffsetY + c.box.nHeight - 1);
  }
}

TEST_F(ShotInitTest, SameFactionSwitchTakesTheShootersGroup) {
  cChara& shooter = AddShooter(1);
  shooter.m_nBlockKey = 3;
  for (int8_t same : {0, 1}) {
    cEdShot set = Settings();
    set.m_bShotOpt3 = same;
    const cShot shot = Made(&shooter, set, Launch(700, 700, 1, 0));
    EXPECT_EQ(shot.m_Settings.m_nGroup, same ? 3 : 1);
    EXPECT_EQ(shot.m_nBlockKey, same ? 3 : 1);
  }
}

TEST_F(ShotInitTest, RangeRule) {
  cChara& shooter = AddShooter(1);
  struct Case {
    const char* name;
    int32_t level;
    int32_t range;   // half blocks
    double vx, vy;   // dots per frame
    double speed;
    int32_t rangeLeft;
    double trajVX, trajVY;
  } const cases[] = {
      {"v / B", 1, 4, 4, 0, 4, 12, 4, 0},
      {"range no longer than the width: one frame", 2, 1, 8, 0, 8, 2, 4, 0},
      {"faster than its width per frame: still", 2, 1, 40, 0, 40, 2, 0, 0},
      {"covered within one frame at D = 4", 4, 3, 24, -24, 48, 4, 4, -4},
      {"one frame without a direction stays finite", 4, 3, 0, 0, 48, 4, 0, 0},
      {"a range beyond int32 saturates", 1, 1 << 30, 0.001, 0, 0.001, INT32_MAX, 0.001, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetLevel(c.level);
    cEdShot set = Settings();
    set.m_bShotOpt6 = 1;
    SHOTLAUNCH launch = Launch(700, 700, c.vx, c.vy);
    launch.nRange = c.range;
    launch.dSpeed = c.speed;
    const cShot shot = Made(&shooter, set, launch);
    EXPECT_EQ(shot.m_nRangeLeft, c.rangeLeft);
    EXPECT_DOUBLE_EQ(shot.m_dTrajVX, c.trajVX);
    EXPECT_DOUBLE_EQ(shot.m_dTrajVY, c.trajVY);
  }
}

TEST_F(ShotInitTest, LifetimeOfOneTenthAtTwoSubStepsEndsAtTheThirteenthUpdate) {
  SetLevel(2);
  cChara& shooter = AddShooter(1);
  cEdShot set = Settings();
  set.m_bShotOpt8 = 1;
  SHOTLAUNCH launch = Launch(700, 700, 1, 0);
  launch.nLife = 1;
  cShot shot = Made(&shooter, set, launch);
  for (int32_t i = 1; i <= 12; ++i) ASSERT_EQ(shot.Update(), 0) << i;
  EXPECT_EQ(shot.Update(), 1);
}

TEST_F(ShotInitTest, TargetAndShooterAreKeptById) {
  cChara& shooter = AddShooter(1);
  cChara& target = AddShooter(2);
  Target(shooter, 2, target);
  cEdShot set = Settings();
  set.m_nTargetSlot2 = 2;
  set.m_bShotOpt17 = 1;
  set.m_bShotOpt18 = 5;
  const cShot shot = Made(&shooter, set, Launch(700, 700, 1, 0), kShotKindProjectile, 7);
  EXPECT_EQ(shot.m_nId, 7);
  EXPECT_EQ(shot.m_lpTarget, 2);
  EXPECT_EQ(shot.m_lpShooter, 1);
  EXPECT_EQ(shot.m_nOwnerId, 1);
  EXPECT_EQ(shot.m_bHitTrigger, 1);
  EXPECT_EQ(shot.m_byHitFlowId, 5);
}

}  // namespace
