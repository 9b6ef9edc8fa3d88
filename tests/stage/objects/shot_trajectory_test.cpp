#include <gtest/gtest.h>

#include <cmath>

#include "stage/objects/shot_trajectory.h"
#include "shot_world.h"

namespace {

class ShotTrajectoryTest : public ShotWorld {
 protected:
  cShot Flying(int8_t kind, double vx, double vy, int16_t p1 = 0, int16_t p2 = 0, int16_t p3 = 0) {
    cChara& shooter = AddShooter(next_++);
    cEdShot set = Settings();
    set.m_nMoveType = kind;
    set.m_nMoveTypeParam[0] = p1;
    set.m_nMoveTypeParam[1] = p2;
    set.m_nMoveTypeParam[2] = p3;
    return Made(&shooter, set, Launch(700, 700, vx, vy));
  }

  int32_t next_ = 1;
};

TEST_F(ShotTrajectoryTest, WaveFirstPassTurnsAcrossTheCourse) {
  // Right at 2 dots per pass, amplitude 1 hbl (16 dots), speed 90, start 0:
  // the first pass adds w A cos(0) across the course, downward for a shot
  // flying right (c = -90 degrees).
  cShot shot = Flying(kShotWave, 2, 0, 1, 90, 0);
  RunShotTrajectory(shot);
  const double w = 90 * 0.017453292519943295;
  EXPECT_EQ(shot.m_nWaveAmplitude, 16);
  EXPECT_NEAR(shot.m_dTrajVX, 2, 1e-12);
  EXPECT_NEAR(shot.m_dTrajVY, -w * 16, 1e-9);
  EXPECT_EQ(shot.m_dWavePhase, 1);
}

TEST_F(ShotTrajectoryTest, WaveComponentsStopAtZeroInsteadOfCrossingIt) {
  cShot shot = Flying(kShotWave, 2, 0, 1, 90, 0);
  RunShotTrajectory(shot);
  shot.m_dTrajVY = 0.001;     // about to be pushed below zero
  shot.m_dWavePhase = 1;      // sin > 0: the acceleration is negative along the course normal
  RunShotTrajectory(shot);
  EXPECT_TRUE(shot.m_dTrajVY == 0 || shot.m_dTrajVY > 0);
  EXPECT_NEAR(shot.m_dTrajVX, 2, 1e-12);
}

TEST_F(ShotTrajectoryTest, WavePhaseWrapsOnceAround) {
  cShot shot = Flying(kShotWave, 2, 0, 1, 90, 0);
  RunShotTrajectory(shot);
  shot.m_dWavePhase = 360 * g_Stage.m_dSubSteps - 0.5;
  RunShotTrajectory(shot);
  EXPECT_DOUBLE_EQ(shot.m_dWavePhase, 0.5);
}

TEST_F(ShotTrajectoryTest, AWaveOfSpeedZeroFliesStraightAndStaysFinite) {
  cShot shot = Flying(kShotWave, 2, 1, 3, 0, 45);
  for (int32_t pass = 0; pass < 50; ++pass) {
    ASSERT_EQ(shot.Update(), 0);
    shot.MoveY();
    shot.MoveX();
  }
  EXPECT_TRUE(std::isfinite(shot.m_dWavePhase));
  EXPECT_DOUBLE_EQ(shot.m_dTrajVX, 2);
  EXPECT_DOUBLE_EQ(shot.m_dTrajVY, 1);
  EXPECT_DOUBLE_EQ(shot.m_dX, 800);
}

TEST_F(ShotTrajectoryTest, FallStartsAtItsTurnAndGravityTakesOver) {
  cShot shot = Flying(kShotFall, 4, -2, 1);  // 16 dots at 4 per pass: 4 passes
  for (int32_t pass = 0; pass < 4; ++pass) {
    RunShotTrajectory(shot);
    ASSERT_EQ(shot.m_bFlying, 1) << pass;
  }
  RunShotTrajectory(shot);
  EXPECT_EQ(shot.m_bFlying, 0);
  EXPECT_EQ(shot.m_dVY, -2);
  EXPECT_EQ(shot.m_bTrajDone, 1);
}

TEST_F(ShotTrajectoryTest, AKindOutsideTheTableFliesStraight) {
  cShot shot = Flying(10, 3, 0);
  ASSERT_EQ(shot.Update(), 0);
  EXPECT_EQ(shot.m_dVX, 3);
  EXPECT_EQ(shot.m_nTrajPasses, 0);
}

TEST_F(ShotTrajectoryTest, AimingAndHomingAtTheTarget) {
  cChara& target = AddShooter(50, 1, 700, 900);  // straight below the shots
  struct Case {
    const char* name;
    int8_t kind;
    int16_t p1, p2;
    bool turned;  // after one pass the trajectory points down
  } const cases[] = {
      {"aim with P1 = 0 re-aims at once", kShotAimTarget, 0, 0, true},
      {"aim later", kShotAimTarget, 5, 0, false},
      {"homing ending at 0 never homes", kShotHomeTarget, 0, 0, false},
      {"homing", kShotHomeTarget, 0, 999, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cShot shot = Flying(c.kind, 4, 0, c.p1, c.p2);
    shot.m_lpTarget = target.m_nId;
    shot.m_Settings.m_nSpeed = 40;
    shot.UpdateScreenRect();
    RunShotTrajectory(shot);
    EXPECT_EQ(shot.m_dTrajVY > 3, c.turned);
  }
  cShot gone = Flying(kShotHomeTarget, 4, 0, 0, 999);
  gone.m_lpTarget = 12345;  // an erased chara: no course change
  RunShotTrajectory(gone);
  EXPECT_EQ(gone.m_dTrajVX, 4);
}

}  // namespace
