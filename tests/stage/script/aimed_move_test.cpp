#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "move_world.h"
#include "records/settings/system_data.h"

namespace aimed_move_test {

// A mover at screen (100, 100) and its target 1 at (200, 100).
class AimedMoveTest : public MoveWorld {
 protected:
  cChara& Pair(int32_t id, int32_t flying) {
    cChara& chara = Mover(id, flying, 0);
    cChara& target = Mover(id + 1, 0, 0, 200, 100);
    Target(chara, 0, target);
    return chara;
  }
  cChara& TargetOf(const cChara& chara) { return *static_cast<cChara*>(play_.FindCharaById(chara.m_nId + 1)); }
};

TEST_F(AimedMoveTest, ChargeTurnsItsAimByTheAngleUnderEitherRule) {
  struct Case {
    const char* name;
    int32_t flying;
    int16_t angle;
    int32_t legacy728;
    double vx, vy;
  } cases[] = {
      {"straight at the target", 0, 0, 0, 2, 0},
      {"30 degrees on", 0, 30, 0, 2 * std::sqrt(3.0) / 2, 0},
      {"30 degrees under the old rule: measured from the other axis", 0, 30, 1, -2 * std::sqrt(3.0) / 2, 0},
      {"flying: the turn lifts it", 1, 30, 0, 2 * std::sqrt(3.0) / 2, 1},
      {"flying under the old rule", 1, 30, 1, -2 * std::sqrt(3.0) / 2, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    g_SystemData.m_bLegacy728 = c.legacy728;
    cEdMove& move = NewMove(kFlowCmdChargeMove);
    move.m_nAngle = c.angle;
    state_.m_dSpeed = 2;
    cChara& chara = Pair(10 + 2 * static_cast<int32_t>(&c - cases), c.flying);
    Call(chara);
    EXPECT_NEAR(chara.m_dVX, c.vx, 1e-12);
    EXPECT_NEAR(chara.m_dVY, c.vy, 1e-12);
    EXPECT_EQ(chara.m_nFacing, 1);  // faced the target
    // Later calls keep the velocity found.
    Call(chara);
    EXPECT_NEAR(chara.m_dVX, 2 * c.vx, 1e-12);
  }
}

TEST_F(AimedMoveTest, AChargeWithoutALivingTargetStandsOrKeepsItsVelocity) {
  NewMove(kFlowCmdChargeMove);
  state_.m_dSpeed = 2;
  state_.m_dVX = 1.5;  // left from an earlier run of the command
  cChara& lonely = Mover(30, 0, 0);
  Call(lonely);
  EXPECT_EQ(state_.m_dVX, 0);
  EXPECT_EQ(lonely.m_bAnimeChosen, 0);  // the first call ends before the movement step
  Call(lonely);
  EXPECT_EQ(lonely.m_dVX, 0);
  EXPECT_EQ(lonely.m_bAnimeChosen, 1);  // standing still, it still asks for its animation

  NewMove(kFlowCmdChargeMove);
  state_.m_dSpeed = 2;
  state_.m_dVX = 1.5;
  cChara& chara = Pair(31, 0);
  TargetOf(chara).m_bDead = 1;
  Call(chara);
  EXPECT_EQ(chara.m_dVX, 0);
  Call(chara);
  EXPECT_EQ(chara.m_dVX, 1.5);
}

TEST_F(AimedMoveTest, HomingAimsAtWhereTheTargetWasAPeriodAgo) {
  struct Case {
    const char* name;
    int32_t period;
    std::vector<std::pair<double, double>> velocities;  // calls 1 to 7
  } cases[] = {
      {"every call: down once the target is below", 0, {{1, 0}, {0, 1}, {0, 1}, {0, 1}, {0, 1}, {0, 1}, {0, 1}}},
      {"every third call, at the point three calls old", 3, {{1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}, {0, 1}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    NewMove(kFlowCmdHomingMove);
    state_.m_dSpeed = 1;
    state_.m_nWork1 = c.period;
    cChara& chara = Pair(40 + 2 * static_cast<int32_t>(&c - cases), 1);
    std::vector<std::pair<double, double>> velocities;
    for (int32_t call = 0; call < 7; ++call) {
      Call(chara);
      velocities.emplace_back(state_.m_dVX, state_.m_dVY);
      if (call == 0) PlaceScreen(TargetOf(chara), 100, 200);  // the target drops below the mover
    }
    EXPECT_EQ(velocities, c.velocities);
    EXPECT_EQ(state_.m_nCount, 7);
  }
}

TEST_F(AimedMoveTest, HomingWithoutALivingTargetOrAFreeAxisDoesNothing) {
  struct Case {
    const char* name;
    bool targetDead, noTarget;
    int32_t flying;
    int8_t lockX;
  } cases[] = {
      {"empty slot", false, true, 1, 0},
      {"dead target", true, false, 1, 0},
      {"walking with x locked", false, false, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    NewMove(kFlowCmdHomingMove).m_bLockX = c.lockX;
    state_.m_dSpeed = 1;
    const int32_t id = 50 + 2 * static_cast<int32_t>(&c - cases);
    cChara& chara = c.noTarget ? Mover(id, c.flying, 0) : Pair(id, c.flying);
    if (c.targetDead) TargetOf(chara).m_bDead = 1;
    chara.m_bHoldScreenPos = 1;
    Call(chara);
    EXPECT_EQ(chara.m_dVX, 0);
    EXPECT_EQ(chara.m_bAnimeChosen, 0);
    EXPECT_EQ(state_.m_nCount, 0);
  }
}

}  // namespace aimed_move_test
