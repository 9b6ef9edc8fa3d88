// Aiming at a point: escape, scroll compensation, interception of a target
// carried by the auto-scroll, the per-axis forms and the movement steps.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "object_world.h"
#include "stage/objects/flow_cmd_state.h"
#include "stage/objects/wave.h"

namespace {

constexpr int32_t kDirUntouched = 77;
constexpr double kUntouched = 99;

class Aiming : public ObjectWorld {
 protected:
  struct Aim {
    double vx = kUntouched, vy = kUntouched;
    int32_t dir = kDirUntouched;
    int32_t arrived = -1;
  };

  Aim AimAt(const cGameObject* target, double toX, double toY, double speed, int32_t scrollFlag,
            int32_t checkArrival = 1) {
    Aim aim;
    aim.arrived = self_.CalcAimVelocity(&aim.vx, &aim.vy, &aim.dir, target, 0, 0, toX, toY, speed, scrollFlag, 0,
                                        checkArrival);
    return aim;
  }

  cGameObject self_;
};

TEST_F(Aiming, WavePhaseWrapsOncePerCall) {
  SetLevel(4);
  double phase = 720 * 4;
  WaveVelocity(10, 30, &phase, 1.5, 0);
  EXPECT_EQ(phase, 360 * 4 + 1.5);
  phase = 0;
  const double w = 30 * 0.017453292519943295;
  EXPECT_EQ(WaveVelocity(10, 30, &phase, 2, 0.5), w * 10 * std::cos(w * (0 / 4.0 + 0.5)) / 4);
  EXPECT_EQ(phase, 2);
  EXPECT_EQ(WaveAcceleration(10, 30, &phase, 2, 0.5), -(w * 10 * std::sin(w * (2 / 4.0 + 0.5)) * w / 4) / 4);
  EXPECT_EQ(phase, 4);
  EXPECT_EQ(g_dInvSqrt2, 0.7071067811865475);
}

TEST_F(Aiming, NegativeSpeedEscapesDiagonallyAndNeverArrives) {
  struct Case {
    double toX, toY, vx, vy;
    int32_t dir;
  };
  const double s = 3 * g_dInvSqrt2;
  const Case cases[] = {{10, 10, -s, -s, 1}, {-10, 2, s, -s, 2}, {0, 0, s, s, 2}, {1, -1, -s, s, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.toX << ", " << c.toY);
    Aim aim = AimAt(nullptr, c.toX, c.toY, -3, 0);
    EXPECT_EQ(aim.vx, c.vx);
    EXPECT_EQ(aim.vy, c.vy);
    EXPECT_EQ(aim.dir, c.dir);
    EXPECT_EQ(aim.arrived, 0);
  }
}

TEST_F(Aiming, EscapeRidesOrFightsTheScroll) {
  AutoScroll(X(), 0.5);
  AutoScroll(Y(), 0.25);
  const double s = 2 * g_dInvSqrt2;
  cGameObject follower;
  follower.m_bFollowScroll = 1;
  cGameObject stayer;
  struct Case {
    const char* name;
    int32_t allFollow;
    const cGameObject* target;
    int32_t scrollFlag;
    double shift;  // times the scroll speeds added
  };
  const Case cases[] = {
      {"all follow adds", 1, &stayer, 1, 1},
      {"flag set, target stays: subtracts", 0, &stayer, 1, -1},
      {"flag clear, target follows: subtracts", 0, &follower, 0, -1},
      {"flag set, target follows: nothing", 0, &follower, 1, 0},
      {"flag clear, target stays: nothing", 0, &stayer, 0, 0},
      {"no target: nothing", 0, nullptr, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    g_SystemData.m_bLegacy214 = c.allFollow;
    Aim aim = AimAt(c.target, 10, 10, -2, c.scrollFlag);
    EXPECT_EQ(aim.vx, -s + c.shift * 0.5);
    EXPECT_EQ(aim.vy, -s + c.shift * 0.25);
    EXPECT_EQ(aim.dir, 1);  // taken before the scroll is added
  }
}

TEST_F(Aiming, CompensationRows) {
  AutoScroll(X(), 0.5);
  Y().m_dAutoSpeed = 0.25;
  Y().m_bClamped = 1;  // not auto-scrolling: never added
  cGameObject follower;
  follower.m_bFollowScroll = 1;
  cGameObject stayer;
  struct Case {
    const char* name;
    int32_t allFollow;
    const cGameObject* target;
    int32_t scrollFlag;
    double vx, vy;
  };
  // Aiming at (30, 40) from (0, 0) at 5: (3, 4) before compensation.
  const Case cases[] = {
      {"all follow adds the scrolling axis", 1, nullptr, 0, 3.5, 4},
      {"target not following subtracts (flag clear)", 0, &stayer, 0, 2.5, 4},
      {"target not following subtracts (flag set)", 0, &stayer, 1, 2.5, 4},
      {"flag set, target following: nothing", 0, &follower, 1, 3, 4},
      {"no target: nothing", 0, nullptr, 1, 3, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    g_SystemData.m_bLegacy214 = c.allFollow;
    Aim aim = AimAt(c.target, 30, 40, 5, c.scrollFlag);
    EXPECT_EQ(aim.vx, c.vx);
    EXPECT_EQ(aim.vy, c.vy);
    EXPECT_EQ(aim.dir, 2);
    EXPECT_EQ(aim.arrived, 0);
  }
}

TEST_F(Aiming, ArrivalWithinOneStep) {
  Aim near = AimAt(nullptr, 3, -2, 3, 0);
  EXPECT_EQ(near.arrived, 1);
  EXPECT_EQ(AimAt(nullptr, 3, -2, 3, 0, 0).arrived, 0);  // not asked
  EXPECT_EQ(AimAt(nullptr, 3.5, 0, 3, 0).arrived, 0);
  Aim here = AimAt(nullptr, 0, 0, 2, 0);  // a zero distance counts as 1
  EXPECT_EQ(here.vx, 0);
  EXPECT_EQ(here.vy, 0);
  EXPECT_EQ(here.dir, 0);
  EXPECT_EQ(here.arrived, 1);
}

// A target carried by the scroll at (qx, qy) is met on a course of the
// given speed: the solutions below are worked out by hand.
TEST_F(Aiming, InterceptsATargetCarriedByTheScroll) {
  cGameObject follower;
  follower.m_bFollowScroll = 1;
  {
    SCOPED_TRACE("target below, scroll right at 1");
    AutoScroll(X(), 1);
    Aim aim = AimAt(&follower, 0, 10, 2, 0);
    EXPECT_NEAR(aim.vx, 1, 1e-12);
    EXPECT_NEAR(aim.vy, std::sqrt(3.0), 1e-12);
    EXPECT_EQ(aim.dir, 2);
  }
  X() = cScroll();
  {
    SCOPED_TRACE("target to the left, scroll down at 1");
    AutoScroll(Y(), 1);
    Aim aim = AimAt(&follower, -10, 0, 2, 0);
    EXPECT_NEAR(aim.vx, -std::sqrt(3.0), 1e-12);
    EXPECT_NEAR(aim.vy, 1, 1e-12);
    EXPECT_EQ(aim.dir, 1);
  }
}

// Where the course has no solution the calculation stops: dir is not written
// and the outputs keep what they held (no arrival is reported either).
TEST_F(Aiming, DegenerateInterceptionStopsWhereItStands) {
  cGameObject follower;
  follower.m_bFollowScroll = 1;
  AutoScroll(X(), 1);
  struct Case {
    const char* name;
    double toX, toY, speed;
    double vx, vy;
  };
  const Case cases[] = {
      {"no distance on the major axis", 0, 0, 2, 0, 0},
      {"too slow to catch up", 0, 10, 0.5, 0, 0.5},
      {"speed equal to the scroll: no time", 0, 10, 1, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Aim aim = AimAt(&follower, c.toX, c.toY, c.speed, 0);
    EXPECT_EQ(aim.vx, c.vx);
    EXPECT_EQ(aim.vy, c.vy);
    EXPECT_EQ(aim.dir, kDirUntouched);
    EXPECT_EQ(aim.arrived, 0);
  }
}

TEST_F(Aiming, SingleAxisVelocity) {
  AutoScroll(X(), 0.5);
  AutoScroll(Y(), 0.25);
  g_SystemData.m_bLegacy214 = 1;
  cGameObject follower;
  follower.m_bFollowScroll = 1;
  double vx = kUntouched, vy = kUntouched;
  int32_t dir = kDirUntouched;
  EXPECT_EQ(self_.CalcAimVelocityX(&vx, &vy, &dir, &follower, 10, 5, 3, 0, 1), 0);
  EXPECT_EQ(vx, -3 + 0.5);
  EXPECT_EQ(vy, 0);
  EXPECT_EQ(dir, 1);
  EXPECT_EQ(self_.CalcAimVelocityX(&vx, &vy, &dir, &follower, 10, 12, 3, 1, 1), 1);  // |3| > |10 - 12|
  EXPECT_EQ(vx, 3);
  EXPECT_EQ(dir, 2);
  EXPECT_EQ(self_.CalcAimVelocityX(&vx, &vy, &dir, nullptr, 10, 13, 3, 0, 1), 0);  // exactly 3: not yet

  EXPECT_EQ(self_.CalcAimVelocityY(&vx, &vy, &dir, &follower, 10, 11, 3, 0, 1), 1);
  EXPECT_EQ(vy, 3 + 0.25);
  EXPECT_EQ(vx, 0);
  EXPECT_EQ(dir, 0);
  g_SystemData.m_bLegacy214 = 0;
  self_.CalcAimVelocityY(&vx, &vy, &dir, &follower, 10, 0, 3, 0, 1);
  EXPECT_EQ(vy, -3);
}

class MoveSteps : public Aiming {
 protected:
  // Records the stops a move asks for.
  struct cStopWatcher : cGameObject {
    std::vector<int32_t> stops;
    void SetCenterAndStop(int32_t x, int32_t y, cFlowCmdState*) override { stops.insert(stops.end(), {x, y}); }
    void SetCenterXAndStop(int32_t x, cFlowCmdState*) override { stops.push_back(x); }
    void SetCenterYAndStop(int32_t y, cFlowCmdState*) override { stops.push_back(y); }
  };

  void SetUp() override {
    Aiming::SetUp();
    command_.m_Move.Shared() = std::make_shared<cEdMove>();
    Move().m_bStopAtTarget = 0;
    Move().m_bInertia = 0;
    Move().m_bLockX = 0;
    Move().m_bLockY = 0;
    state_.m_lpCmd = &command_;
    state_.m_dSpeed = 4;
    mover_ = Object<cStopWatcher>(400, 400);
    mover_.UpdateScreenRect();  // centre (96, 96) on the screen
  }

  cEdMove& Move() { return *command_.m_Move; }

  cFlowCmd command_;
  cFlowCmdState state_;
  cStopWatcher mover_;
};

TEST_F(MoveSteps, MoveTargetByAxisFlags) {
  cGameObject target = Object(500, 600);
  target.UpdateScreenRect();  // centre (196, 296)
  state_.m_nTargetX = 10;
  state_.m_nTargetY = -20;
  struct Case {
    int8_t lockX, lockY;
    double x, y;
  };
  const Case cases[] = {{0, 0, 206, 276}, {0, 1, 206, kUntouched}, {1, 0, kUntouched, 276}, {1, 1, 206, kUntouched}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "lock x " << int(c.lockX) << " y " << int(c.lockY));
    Move().m_bLockX = c.lockX;
    Move().m_bLockY = c.lockY;
    double x = kUntouched, y = kUntouched;
    target.GetMoveTarget(&x, &y, state_);
    EXPECT_EQ(x, c.x);
    EXPECT_EQ(y, c.y);
  }
}

TEST_F(MoveSteps, SnapsToTheTargetOnlyWithTheStopFlag) {
  EXPECT_EQ(mover_.MoveToward(state_, nullptr, 98.7, 95, 0, 1), 1);
  EXPECT_DOUBLE_EQ(state_.m_dVX, 4 * 2.7 / std::sqrt(2.7 * 2.7 + 1));
  EXPECT_EQ(state_.m_nFaceTo, 2);
  EXPECT_TRUE(mover_.stops.empty());

  Move().m_bStopAtTarget = 1;
  EXPECT_EQ(mover_.MoveToward(state_, nullptr, 98.7, 95, 0, 1), 1);
  EXPECT_EQ(mover_.stops, (std::vector<int32_t>{98, 95}));

  mover_.stops.clear();
  EXPECT_EQ(mover_.MoveToward(state_, nullptr, 200, 95, 0, 1), 0);  // not there yet
  EXPECT_EQ(mover_.MoveTowardX(state_, nullptr, 99, 0, 1), 1);
  EXPECT_EQ(mover_.MoveTowardY(state_, nullptr, 93, 0, 1), 1);
  EXPECT_EQ(mover_.stops, (std::vector<int32_t>{99, 93}));
}

// The stop places the object by its centre, so the screen rectangles are
// brought up to date first unless the move keeps them.
TEST_F(MoveSteps, StopRefreshesTheScreenRectanglesUnlessKept) {
  Move().m_bStopAtTarget = 1;
  cGameObject target = Object(500, 600);
  mover_.m_dX = 402;  // moved since its rectangle was taken
  mover_.MoveToward(state_, &target, 97, 96, 1, 1);
  EXPECT_EQ(mover_.m_rcScreen.left, 82);
  EXPECT_EQ(target.m_rcScreen.left, 180);

  Move().m_bInertia = 1;
  mover_.m_dX = 410;
  target.m_dX = 510;
  mover_.MoveToward(state_, &target, 97, 96, 1, 1);
  EXPECT_EQ(mover_.m_rcScreen.left, 82);
  EXPECT_EQ(target.m_rcScreen.left, 180);
}

}  // namespace
