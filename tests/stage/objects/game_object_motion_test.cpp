// Per-sub-step motion: the speed limit of a step, gravity, friction, the
// knock-back speeds and the conversion of speeds to sub-steps.
#include <gtest/gtest.h>

#include <cmath>

#include "object_world.h"

namespace {

class GameObjectMotion : public ObjectWorld {};

TEST_F(GameObjectMotion, StepHoldsTheSpeedToTheStageMaximum) {
  cGameObject object = Object(600, 500);
  object.m_dVX = 100;
  EXPECT_EQ(object.StepX(2), kEdgeInside);
  EXPECT_EQ(object.m_dX, 606);
  EXPECT_EQ(object.m_dVX, 6);
  object.m_dVY = -100;
  EXPECT_EQ(object.StepY(2), kEdgeInside);
  EXPECT_EQ(object.m_dY, 494);
  EXPECT_EQ(object.m_dVY, -6);

  SetLevel(15);  // five sub-steps sharing 60 dots per frame
  object.m_dVX = -100;
  object.StepX(2);
  EXPECT_EQ(object.m_dVX, -12);
  EXPECT_EQ(object.m_dX, 594);
}

TEST_F(GameObjectMotion, StepPassesTheClampCodes) {
  cGameObject object = Object(2, 1245);
  object.m_dVX = -6;
  object.m_dVY = 6;
  EXPECT_EQ(object.StepX(2), kEdgePushedBack);
  EXPECT_EQ(object.StepY(2), kEdgePushedBackBottom);
  EXPECT_EQ(object.m_dX, 0);
  EXPECT_EQ(object.m_dY, 1248);
}

TEST_F(GameObjectMotion, GravityPullsOnlyWalkingObjects) {
  SetLevel(2);  // gravity 1.5 per frame: 1.5 / 4 per sub-step
  cGameObject walker = Object(600, 500);
  walker.ApplyGravity();
  EXPECT_EQ(walker.m_dVY, 0.375);
  cGameObject flyer = Object(600, 500, 32, 32, 1);
  flyer.ApplyGravity();
  EXPECT_EQ(flyer.m_dVY, 0);
}

TEST_F(GameObjectMotion, FrictionStopsAtZeroWithoutCrossingIt) {
  struct Case {
    double speed, friction;
    int32_t enabled;
    double expect;
  };
  const Case cases[] = {
      {0.3, 0.5, 1, 0},     {-0.3, 0.5, 1, 0},  {0, 0.5, 1, 0},
      {1.0, 0.25, 1, 0.75}, {-1.0, 0.25, 1, -0.75}, {1.0, 0.25, 0, 1.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.speed << " friction " << c.friction << " enabled " << c.enabled);
    cGameObject object;
    object.m_dFriction = c.friction;
    double speed = c.speed;
    object.ApplyFriction(&speed, c.enabled);
    EXPECT_EQ(speed, c.expect);
  }
}

TEST_F(GameObjectMotion, PushSpeedCoversTheStrengthInHalfBlocks) {
  const double kUntouched = 99;
  struct Case {
    const char* name;
    int32_t level;
    int8_t strength;
    double dx, dy;
    double expectX, expectY;
  };
  const double v257 = (std::sqrt(257.0) - 1) / 2;
  const Case cases[] = {
      {"along x", 1, 2, 1, 0, v257, 0},
      {"negative strength pushes back", 1, -2, 1, 0, -v257, 0},
      {"split by |dx| : |dy|", 1, 4, -1, 1, -v257, v257},
      {"no distance writes zeros", 1, 2, 0, 0, 0, 0},
      {"strength 0 writes nothing", 1, 0, 1, 1, kUntouched, kUntouched},
      {"at four sub-steps", 4, 2, 0, -3, 0, -(std::sqrt(1 + 128 * 4 * 2.0) - 1) / 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetLevel(c.level);
    cGameObject object;
    double vx = kUntouched, vy = kUntouched;
    object.CalcPushSpeed(&vx, &vy, c.strength, c.dx, c.dy);
    EXPECT_DOUBLE_EQ(vx, c.expectX);
    EXPECT_DOUBLE_EQ(vy, c.expectY);
  }
}

// Replays were made dividing by 60 first; the other order differs in the last bit.
TEST_F(GameObjectMotion, SpeedPerSubStepDividesBySixtyFirst) {
  SetLevel(3);
  EXPECT_EQ(SpeedPerSubStep(1), 1.0 / 60 / 3);
  EXPECT_NE(SpeedPerSubStep(1), 1.0 / 3 / 60);
}

}  // namespace
