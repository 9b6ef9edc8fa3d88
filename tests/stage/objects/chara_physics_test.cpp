#include <gtest/gtest.h>

#include <climits>

#include "chara_world.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/grid/block_grid.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/shot.h"
#include "support/recording_chara_flow_calls.h"

namespace {

class CharaPhysicsTest : public CharaWorld {
 protected:
  // Stage gravity 1.5 per frame at collision level (= sub-steps) level.
  static void SetLevel(int32_t level, double gravity = 1.5) {
    g_Stage.m_dGravity = gravity;
    g_Stage.SetCollisionLevel(level);
  }
};

TEST_F(CharaPhysicsTest, JumpSpeedAndRiseTime) {
  struct Case {
    const char* name;
    int32_t level;
    double gravity;
    int32_t control;
    int8_t halfBlocks;
    double speed;
    int32_t riseTime;
  };
  const Case cases[] = {
      // h 0: the formula's -g, times the player factor 0.99 - 1.5 x 0.025.
      {"h 0", 1, 1.5, 0, 0, -1.5 * 0.9525, 1},
      {"4 hbl at L 1, computer", 1, 1.5, 1, 4, -14.626689086377917, 2},
      {"4 hbl at L 10, player", 10, 1.5, 0, 4, -1.3269857985664422, 2},
      {"negative height counts as 0", 1, 1.5, 1, -3, -1.5, 1},
      {"no gravity", 1, 0, 0, 4, 0, 1},
      {"negative gravity", 1, -0.4, 1, 4, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetLevel(c.level, c.gravity);
    cChara chara;
    chara.m_nControl = c.control;
    EXPECT_DOUBLE_EQ(chara.JumpSpeedHbl(c.halfBlocks), c.speed);
    EXPECT_EQ(chara.JumpRiseTime(c.halfBlocks), c.riseTime);
  }
}

TEST_F(CharaPhysicsTest, ApexStepsWithoutGravityIsOneFrameAndSaturates) {
  SetLevel(3, 0);
  cChara chara;
  EXPECT_EQ(chara.ApexSteps(-5), 3);
  SetLevel(1, 1e-300);
  EXPECT_EQ(chara.ApexSteps(-5), INT_MAX);
  EXPECT_EQ(chara.JumpRiseTime(0), 1);  // gravity too small to matter: speed 0 at h 0
  EXPECT_EQ(cCharaBase::SightDots(-3), -48);
}

TEST_F(CharaPhysicsTest, StartPushStrengthAgainstResistance) {
  struct Case {
    const char* name;
    int8_t impact;
    int8_t resist;
    int8_t strength;  // what reaches the push speed
  };
  const Case cases[] = {
      {"below the resistance", 3, 5, 0},
      {"huge", 127, 0, 20},
      {"negative", -5, 2, -3},
      {"negative huge", -128, 0, -20},
      {"negative within the resistance", -2, 5, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cChara chara;
    chara.m_Def.m_nImpactResist = c.resist;
    chara.StartPush(c.impact, 3, -1);
    double vx = 0, vy = 0;
    cChara().CalcPushSpeed(&vx, &vy, c.strength, 3, -1);
    EXPECT_EQ(chara.m_dPushVX, vx);
    EXPECT_EQ(chara.m_dPushVY, vy);
    EXPECT_EQ(chara.m_bPushed, 1);
  }
  cChara still;
  still.StartPush(0, 3, -1);
  EXPECT_EQ(still.m_bPushed, 0);
}

TEST_F(CharaPhysicsTest, StartPushCancelsOnlyClearlyOpposedSpeeds) {
  cChara chara;
  chara.m_dInertiaX = 2;      // against a push to the left: cleared
  chara.m_dInertiaY = -1e-9;  // within epsilon: kept
  chara.m_dVY = 4;            // against an upward push: cleared
  chara.StartPush(6, -1, -1);
  ASSERT_LT(chara.m_dPushVX, 0);
  ASSERT_LT(chara.m_dPushVY, 0);
  EXPECT_EQ(chara.m_dInertiaX, 0);
  EXPECT_EQ(chara.m_dInertiaY, -1e-9);
  EXPECT_EQ(chara.m_dVY, 0);

  cChara along;
  along.m_dInertiaX = -2;
  along.StartPush(6, -1, 0);
  EXPECT_EQ(along.m_dInertiaX, -2);
}

TEST_F(CharaPhysicsTest, PushFromAttackerIgnoresASlowFall) {
  struct Case {
    const char* name;
    double attackerVY;
    int8_t fly;
    bool vertical;
  };
  // L 1, g 1.5: a fall counts from 8 x 1 x 1.5 = 12.
  const Case cases[] = {
      {"slow fall", 11.9, 0, false},
      {"fast fall", 12, 0, true},
      {"slow but flying", 1, 1, true},
      {"rising", -3, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cChara attacker;
    attacker.m_Def.m_nImpact = 6;
    attacker.m_Def.m_nFly = c.fly;
    attacker.m_dVX = 2;
    attacker.m_dVY = c.attackerVY;
    cChara chara;
    chara.PushFromAttacker(attacker);
    EXPECT_EQ(chara.m_dPushVY != 0, c.vertical);
  }

  cShot shot;
  shot.m_Settings.m_nImpact = 4;
  shot.m_nFacing = 0;  // left, a sword: pushes along its facing
  cChara hit;
  hit.PushFromShot(shot);
  EXPECT_LT(hit.m_dPushVX, 0);
  EXPECT_EQ(hit.m_dPushVY, 0);
}

TEST_F(CharaPhysicsTest, ApplyPushYAndDecay) {
  cChara onFloor;
  onFloor.m_bRiding = 1;
  onFloor.m_dPushVY = 2;
  onFloor.m_dVY = 1;
  onFloor.ApplyPushY();
  EXPECT_EQ(onFloor.m_dPushVY, 0);
  EXPECT_EQ(onFloor.m_dVY, 1);
  EXPECT_EQ(onFloor.m_dPushVYPrev, 0);

  cChara falling;
  falling.m_dPushVY = 2;
  falling.m_dPushVYPrev = 3;
  falling.m_dVY = 5;  // 3 of it was last sub-step's push
  falling.ApplyPushY();
  EXPECT_EQ(falling.m_dVY, 4);
  EXPECT_EQ(falling.m_dPushVYPrev, 2);

  SetLevel(3);
  cChara pushed;
  pushed.m_dPushVX = 0.5;
  pushed.m_dPushVY = -0.5;
  pushed.DecayPushX();
  pushed.DecayPushY();
  EXPECT_DOUBLE_EQ(pushed.m_dPushVX, 0.5 - 1.0 / 3);
  EXPECT_DOUBLE_EQ(pushed.m_dPushVY, -0.5 + 1.0 / 3);
  pushed.DecayPushX();
  pushed.DecayPushY();
  EXPECT_EQ(pushed.m_dPushVX, 0);
  EXPECT_EQ(pushed.m_dPushVY, 0);
}

TEST_F(CharaPhysicsTest, LandingAndCeilingPlaceTheEdgeAndFireTriggersInOrder) {
  cRecordingCharaFlowCalls calls;
  cCharaFlowCallsScope scope(&calls);
  cChara chara;
  chara.m_nId = 4;
  chara.m_nControl = 1;
  chara.m_dY = 390;
  chara.m_dBottom = 415.5;  // cell row 12 ends at 415
  chara.m_dVY = 3;
  chara.m_dInertiaY = 1;
  chara.m_bInAir = chara.m_bJumpHit = chara.m_bJumpRising = chara.m_bJumpLocked = chara.m_bPushed = 1;
  chara.m_nNoFloorSteps = 9;
  chara.LandOnBlock();
  EXPECT_EQ(chara.m_dY, 390 - 32);  // 415 mod 32 = 31: the bottom moves to the cell above's last dot
  EXPECT_EQ(chara.m_dVY + chara.m_dInertiaY, 0);
  EXPECT_EQ(chara.m_bInAir + chara.m_bJumpHit + chara.m_bJumpRising + chara.m_bJumpLocked + chara.m_bPushed, 0);
  EXPECT_EQ(chara.m_bContactBottom, 1);
  EXPECT_EQ(calls.m_Calls, (std::vector<std::pair<int32_t, int32_t>>{{4, 9}, {4, 13}, {4, 15}}));

  cChara player;  // the hero clears its jump lock in its own jump step
  player.m_bJumpLocked = 1;
  player.LandOnBlock();
  EXPECT_EQ(player.m_bJumpLocked, 1);

  calls.m_Calls.clear();
  for (int32_t legacy781 : {0, 1}) {
    SCOPED_TRACE(legacy781);
    g_SystemData.m_bLegacy781 = legacy781;
    cChara head;
    head.m_nId = 5;
    head.m_dY = 330.7;  // 330 mod 32 = 10
    head.m_dPushVY = -2;
    head.HitCeiling();
    EXPECT_DOUBLE_EQ(head.m_dY, 352.7);
    EXPECT_EQ(head.m_dPushVY, legacy781 ? -2 : 0);
    EXPECT_EQ(head.m_bJumpHit + head.m_bJumpRising + head.m_bJumpLocked + head.m_bContactTop, 4);
  }
  EXPECT_EQ(calls.m_Calls,
            (std::vector<std::pair<int32_t, int32_t>>{{5, 9}, {5, 13}, {5, 14}, {5, 9}, {5, 13}, {5, 14}}));
}

TEST_F(CharaPhysicsTest, GravityOnlyForAFreeWalker) {
  SetLevel(2);  // 1.5 / 4 per sub-step
  struct Case {
    const char* name;
    int32_t flying, riding, held;
    double pushVY;
    double vy;
  };
  const Case cases[] = {
      {"free", 0, 0, 0, 0, 0.375}, {"flying", 1, 0, 0, 0, 0}, {"riding", 0, 1, 0, 0, 0},
      {"held", 0, 0, 1, 0, 0},     {"pushed up", 0, 0, 0, -1, 0}, {"pushed down", 0, 0, 0, 1, 0.375},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cChara chara;
    chara.m_bFlying = c.flying;
    chara.m_bRiding = c.riding;
    chara.m_bMoveDisabled = c.held;
    chara.m_dPushVY = c.pushVY;
    chara.ApplyGravity();
    EXPECT_EQ(chara.m_dVY, c.vy);
  }
}

TEST_F(CharaPhysicsTest, OnFloorWhenTheFloorCellHitsTheGroupOrRiding) {
  cStageLayout layout;
  layout.Solid = {{2, 14}};
  layout.nExemptGroup = 3;
  ASSERT_TRUE(Build(layout));
  const int32_t solid = g_BlockGrid.CellIndex(12, 24);
  cChara chara;
  struct Case {
    int32_t floor, group, riding, onFloor;
  };
  const Case cases[] = {
      {solid, 0, 0, 1}, {solid, 3, 0, 0}, {solid + 1, 0, 0, 0}, {kNoLink, 0, 0, 0}, {kNoLink, 0, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.floor << " " << c.group << " " << c.riding);
    chara.m_nFloorBlock = c.floor;
    chara.m_nBlockKey = c.group;
    chara.m_bRiding = c.riding;
    EXPECT_EQ(chara.IsOnFloor(), c.onFloor);
  }
}

TEST_F(CharaPhysicsTest, SetBlockPositionPlacesOnTheCellBehindTheMargin) {
  cChara chara;
  chara.m_nGraphicOffsetXBase = 4;
  chara.m_nGraphicOffsetYBase = 2;
  chara.m_Def.m_nGiant = 1;
  chara.SetBlockPosition(3, 5, 1);
  EXPECT_EQ(chara.m_dX, (3 + 10) * 32 + 4 + 0.5);
  EXPECT_EQ(chara.m_dY, (5 + 10) * 32 + 2);
}

TEST_F(CharaPhysicsTest, ChangeHpInvincibilityForceAndHealing) {
  cChara chara;
  chara.m_Def.m_nMaxHp = 100;
  chara.m_nHp = 40;
  chara.m_Def.m_nInvincible = 1;
  chara.m_nInvincible = 0;  // the definition's state decides, not the frame counter
  EXPECT_EQ(chara.ChangeHp(-1, 0, 1), 0);
  EXPECT_EQ(chara.m_nHp, 40);
  EXPECT_EQ(chara.m_HpGauge.nFrames, 0);
  EXPECT_EQ(chara.ChangeHp(-1, 1, 1), 0);
  EXPECT_EQ(chara.m_nHp, 39);

  chara.ChangeHp(80, 0, 1);  // 61 of 80 take effect
  EXPECT_EQ(chara.m_nHp, 100);
  EXPECT_EQ(chara.m_HpGauge.nFrames, 120);
  EXPECT_EQ(chara.m_HpGauge.nFill, 50);
  EXPECT_DOUBLE_EQ(chara.m_HpGauge.dChange, 61 * 50 / 100.0);
  EXPECT_DOUBLE_EQ(chara.m_HpGauge.dChangeStep, 30.5 / 60);

  chara.m_HpGauge = GAUGEANIM{};
  chara.ChangeHp(5, 0, 1);  // nothing missing: no change, no gauge
  EXPECT_EQ(chara.m_HpGauge.nFrames, 0);

  chara.m_Def.m_nInvincible = 0;
  EXPECT_EQ(chara.ChangeHp(-100, 0, 1), 1);
  EXPECT_EQ(chara.m_nHp, 0);
}

TEST_F(CharaPhysicsTest, HpAndSpExtremes) {
  cChara chara;
  chara.m_Def.m_nMaxHp = 100'000'000;
  chara.m_nHp = 40'000'000;
  chara.ChangeHp(10'000'000, 0, 1);
  EXPECT_EQ(chara.m_HpGauge.nFill, 25);  // 50,000,000 x 50 does not wrap
  EXPECT_DOUBLE_EQ(chara.m_HpGauge.dChange, 5);

  chara.m_nHp = INT_MAX - 5;
  chara.m_Def.m_nMaxHp = INT_MAX;
  chara.ChangeHp(INT_MAX, 0, 0);
  EXPECT_EQ(chara.m_nHp, INT_MAX);
  EXPECT_EQ(chara.ChangeHp(INT_MIN, 1, 0), 1);

  chara.m_Def.m_nMaxHp = -5;  // an expression set a negative maximum
  chara.m_nHp = 3;
  EXPECT_EQ(chara.ChangeHp(1, 0, 1), 1);
  EXPECT_EQ(chara.m_nHp, 0);

  cChara noSp;
  noSp.m_Def.m_nMaxSp = 0;
  noSp.m_nSp = 4;
  EXPECT_EQ(noSp.ChangeSp(2, 1), 1);
  EXPECT_EQ(noSp.m_nSp, 0);
  EXPECT_EQ(noSp.m_SpGauge.nFrames, 0);
  noSp.m_Def.m_nMaxHp = 0;
  noSp.StartHpGauge(3);  // max 0: nothing to divide by
  EXPECT_EQ(noSp.m_HpGauge.nFrames, 0);

  cChara sp;
  sp.m_Def.m_nMaxSp = 10;
  sp.m_nSp = 10;
  sp.m_Def.m_nInvincible = 1;  // not SP's business
  EXPECT_EQ(sp.ChangeSp(-10, 1), 0);
  EXPECT_EQ(sp.m_nSp, 0);
  EXPECT_DOUBLE_EQ(sp.m_SpGauge.dChange, -50);
}

}  // namespace
