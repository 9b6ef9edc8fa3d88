#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "stage/objects/scene_scroll.h"
#include "shot_world.h"

namespace {

class ShotMotionTest : public ShotWorld {
 protected:
  cShot Straight(double vx, double vy, cEdShot set = Settings()) {
    cChara& shooter = AddShooter(next_++);
    return Made(&shooter, set, Launch(700, 700, vx, vy));
  }

  static void AutoScroll(cScroll& axis, double speed) {
    axis.m_dAutoSpeed = speed;
    axis.m_bAutoScroll = 1;
    axis.m_bClamped = 0;
  }

  int32_t next_ = 1;
};

TEST_F(ShotMotionTest, BaseVelocityFollowsTheScrollOnlyWhenAskedAndFlying) {
  AutoScroll(play_.m_ScrollX, 2);
  AutoScroll(play_.m_ScrollY, 3);
  struct Case {
    int32_t allFollow, follow, flying;
    double vx, vy;  // after one pass; a walking shot keeps its vy of 5
  } const cases[] = {
      {0, 0, 0, 0, 5}, {0, 0, 1, 0, 0}, {0, 1, 0, 2, 5}, {0, 1, 1, 2, 3},
      {1, 0, 0, 0, 5}, {1, 0, 1, 0, 0}, {1, 1, 0, 0, 5}, {1, 1, 1, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.allFollow << c.follow << c.flying);
    g_SystemData.m_bLegacy214 = c.allFollow;
    cEdShot set = Settings();
    set.m_bHoming = static_cast<int8_t>(c.follow);
    cShot shot = Straight(0, 0, set);
    shot.m_bFlying = c.flying;
    shot.m_dVY = 5;
    ASSERT_EQ(shot.Update(), 0);
    EXPECT_EQ(shot.m_dVX, c.vx);
    EXPECT_EQ(shot.m_dVY, c.vy);
  }
}

TEST_F(ShotMotionTest, AccelerationGrowsTheTrajectoryAndTheMove) {
  cEdShot set = Settings();
  set.m_bAccel = 1;
  set.m_nAccel = 60;  // 6 dots per frame per second: 0.1 per pass at L = 1
  cShot shot = Straight(1, 0, set);
  EXPECT_DOUBLE_EQ(shot.m_dInertiaX, 0.1);
  EXPECT_EQ(shot.m_dInertiaY, 0);
  ASSERT_EQ(shot.Update(), 0);
  EXPECT_DOUBLE_EQ(shot.m_dTrajVX, 1.1);
  shot.MoveY();
  shot.MoveX();
  EXPECT_DOUBLE_EQ(shot.m_dX, 700 + 1.2);
}

TEST_F(ShotMotionTest, ReachingTheRange) {
  AutoScroll(play_.m_ScrollX, 2);
  struct Case {
    const char* name;
    int8_t stop, follow;
    int32_t ends;  // Update's result at the range
    double vx;     // and the velocity then
  } const cases[] = {
      {"without the stop switch it ends", 0, 0, 1, 0},
      {"stopped, still", 1, 0, 0, 0},
      {"stopped, carried by the scroll", 1, 1, 0, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cEdShot set = Settings();
    set.m_bShotOpt6 = 1;
    set.m_bShotOpt7 = c.stop;
    set.m_bHoming = c.follow;
    set.m_nMoveType = kShotWave;
    cShot shot = Straight(4, 0, set);
    shot.m_nRangeLeft = 2;
    ASSERT_EQ(shot.Update(), 0);
    ASSERT_EQ(shot.Update(), 0);
    ASSERT_EQ(shot.Update(), c.ends);
    if (c.ends != 0) continue;
    EXPECT_EQ(shot.m_dVX, c.vx);
    EXPECT_EQ(shot.m_dTrajVX, 0);
    EXPECT_EQ(shot.m_Settings.m_nMoveType, kShotStraight);
    ASSERT_EQ(shot.Update(), 0);  // and lives on
    EXPECT_EQ(shot.m_dVX, c.vx);
  }
}

TEST_F(ShotMotionTest, SpeedIsHeldToTheStagesMaximum) {
  cShot shot = Straight(100, 0);
  ASSERT_EQ(shot.Update(), 0);
  shot.MoveX();
  EXPECT_EQ(shot.m_dX, 700 + g_Stage.m_dMaxSubSpeed);
  shot.m_dVX = -100;
  shot.MoveX();
  EXPECT_EQ(shot.m_dX, 700);
}

TEST_F(ShotMotionTest, ClampKeepsTheShotInsideTheStageUnlessItIsWiderThanIt) {
  const int32_t right = play_.m_ScrollX.m_nFurthest;  // (30 + 10) x 32
  struct Case {
    double x;
    int32_t size;
    double clamped;
    int32_t code;
  } const cases[] = {
      {700, 1, 700, 0},
      {right - 10.0, 1, right - 16.0, 3},
      {-4, 1, 0, 3},
      {-4, 60, -4, 0},            // 960 dots: as wide as the stage
      {right + 5.0, 60, right + 5.0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << " size " << c.size);
    cEdShot set = Settings();
    set.m_nSize = static_cast<int8_t>(c.size);
    cShot shot = Straight(0, 0, set);
    shot.m_dX = c.x;
    EXPECT_EQ(shot.ClampX(), c.code);
    EXPECT_EQ(shot.m_dX, c.clamped);
    EXPECT_EQ(shot.m_dRight, c.clamped + shot.m_nWidth - 1);
  }
}

// A vertical move ends where the step and a second clamp of the whole extent
// leave the shot, with its attack box and cell rows, shots taller than the
// margin (never pushed back) and than the world (thrown from end to end)
// included.
TEST_F(ShotMotionTest, VerticalMoveEndsWhereTheStepAndASecondClampLeaveIt) {
  std::mt19937 random(20261211);
  auto between = [&](int32_t low, int32_t high) { return std::uniform_int_distribution<int32_t>(low, high)(random); };
  const int32_t total = play_.m_ScrollY.Total();
  cShot base = Straight(0, 0);
  for (int32_t round = 0; round < 2000; ++round) {
    cShot shot = base;
    shot.m_nHeight = between(-2, total + 40);
    shot.m_rcAtk.nOffsetY = between(-4, 4);
    shot.m_rcAtk.nHeight = between(1, 64);
    shot.m_dY = between(-2 * total, 2 * total) + between(0, 3) * 0.25;
    shot.m_dVY = between(-40, 40) * 0.5;
    SCOPED_TRACE(testing::Message() << "round " << round << " height " << shot.m_nHeight << " at " << shot.m_dY
                                    << " moving " << shot.m_dVY);
    cShot want = shot;
    if (want.m_dVY != 0) {
      cGameObject& object = want;  // through the virtual slots, as every object clamps
      object.StepY(2);
      object.ClampYMode(2);
    }
    shot.MoveY();
    EXPECT_EQ(shot.m_dY, want.m_dY);
    EXPECT_EQ(shot.m_dBottom, want.m_dBottom);
    EXPECT_EQ(shot.m_dAtkTop, want.m_dAtkTop);
    EXPECT_EQ(shot.m_dAtkBottom, want.m_dAtkBottom);
    EXPECT_EQ(shot.m_nCellTop, want.m_nCellTop);
    EXPECT_EQ(shot.m_nCellBottom, want.m_nCellBottom);
  }
}

TEST_F(ShotMotionTest, SplitAccelerationAlongTheDirection) {
  cShot shot = Straight(0, 0);
  shot.m_dAccel = 60;  // one dot per pass at L = 1
  struct Case {
    double vx, vy, ax, ay;
  } const cases[] = {{3, -4, 0.6, -0.8}, {-2, 0, -1, 0}, {0, 5, 0, 1}, {0, 0, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.vx << ", " << c.vy);
    double ax = 9;
    double ay = 9;
    shot.SplitAcceleration(&ax, &ay, c.vx, c.vy);
    EXPECT_DOUBLE_EQ(ax, c.ax);
    EXPECT_DOUBLE_EQ(ay, c.ay);
  }
}

}  // namespace
