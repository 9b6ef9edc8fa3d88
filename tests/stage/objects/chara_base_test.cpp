#include <gtest/gtest.h>

#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/flow_cmd_state.h"
#include "chara_world.h"

namespace {

class CharaBaseTest : public CharaWorld {};

// Counts the clamps the base operations ask for.
class cClampCounter : public cChara {
 public:
  int32_t m_nClampsX = 0;
  int32_t m_nClampsY = 0;
  int32_t ClampX() override { return ++m_nClampsX; }
  int32_t ClampY() override { return ++m_nClampsY; }
};

cAnimeSet TwoAnimeSet(int32_t firstPattern) {
  cAnimeSet set;
  set.m_Animes.clear();
  for (int32_t i = 0; i < 2; ++i) {
    cAnime& anime = set.m_Animes.emplace_back();
    anime.m_Frames.clear();
    cAnimeFrame& a = anime.m_Frames.emplace_back();
    a.m_nPattern = firstPattern + i;
    a.m_nDuration = 2;
    cAnimeFrame& b = anime.m_Frames.emplace_back();
    b.m_nPattern = firstPattern + 10 + i;
    b.m_nDuration = 1;
  }
  return set;
}

TEST_F(CharaBaseTest, ResetWithoutDefinitionKeepsItAndEmptiesHpAndSp) {
  cChara chara;
  cCharaDef def;
  def.m_nMaxHp = 30;
  def.m_nMaxSp = 12;
  def.m_nSight = 5;
  chara.Reset(&def, 0, 0, 0);
  ASSERT_EQ(chara.m_nHp, 30);

  chara.Reset(nullptr, 0, 0, 0);
  EXPECT_EQ(chara.m_Def.m_nMaxHp, 30);
  EXPECT_EQ(chara.m_nHp, 0);
  EXPECT_EQ(chara.m_nSp, 0);
  EXPECT_EQ(chara.m_nSightDots, 80);  // from the kept definition
}

TEST_F(CharaBaseTest, ResetOverADirtyCharaGivesTheStartValues) {
  g_Stage.SetCollisionLevel(2);  // L 2: friction divides by 4
  cChara chara;
  chara.m_Targets.assign(7, 3);
  chara.m_nParentId = 9;
  chara.m_TargetedBy.push_back({1, 0});
  chara.m_ShotLinks.push_back({1, 4});
  chara.m_nFlowSerial = 8;
  chara.m_FlowFlagBusy.assign(3, 1);
  chara.m_FlowFlagRelease.assign(40, 1);
  chara.m_bFlagReleasePending = chara.m_bFlowDeletePending = 1;
  chara.m_dPushVX = chara.m_dPushVY = chara.m_dPushVYPrev = 2;
  chara.m_bPushed = chara.m_bMoveDisabled = 1;
  chara.m_nWallSide = 1;
  chara.m_bInAir = 0;
  chara.m_bJumpHit = chara.m_bJumpRising = chara.m_bJumpLocked = 1;
  chara.m_nNoFloorSteps = chara.m_nPostureFrames = 5;
  chara.m_nFloorBlock = chara.m_nLastFloorBlock = chara.m_nPrevFloorBlock = 70;
  chara.m_bHoldScreenPos = chara.m_nHoldMode = chara.m_nHoldScreenX = chara.m_nHoldScreenY = 2;
  chara.m_bDead = 1;
  chara.m_nDeathFrames = 30;
  chara.m_bContactLeft = chara.m_bContactRight = chara.m_bContactTop = chara.m_bContactBottom = 1;
  chara.m_bSolidPushed = chara.m_bRiding = 1;
  chara.m_nRiddenId = 4;
  chara.m_HpGauge.nFrames = chara.m_SpGauge.nFrames = 120;
  chara.m_Vars.assign(3, 7);
  chara.m_nInvincible = 9;
  chara.m_Immunities.push_back({3, 4});
  chara.m_AnimePlayers.emplace_back();
  chara.m_CharaEffect.m_nEffect = 4;
  chara.m_bVanish = chara.m_bTransparentNow = chara.m_bParentAttack = 1;
  chara.m_nParentFlowId = 3;
  chara.m_bTemporaryCopy = 1;    // kept
  chara.m_nAnimeChosen = 2;      // kept
  chara.m_dSavedX = 5;           // kept
  chara.m_bHeroActive = 1;       // kept

  cCharaDef def;
  def.m_nMaxHp = 40;
  def.m_nMaxSp = 6;
  def.m_nSight = -2;
  def.m_nStop = 50;
  def.m_bAutoScrollSync = 1;
  chara.Reset(&def, 336, 400, 3);

  EXPECT_EQ(chara.m_nIndex, 3);
  EXPECT_EQ(chara.m_Targets, cVector<int32_t>(4, kNoLink));
  EXPECT_EQ(chara.m_nParentId, kNoLink);
  EXPECT_TRUE(chara.m_TargetedBy.empty());
  EXPECT_TRUE(chara.m_ShotLinks.empty());
  EXPECT_EQ(chara.m_nFlowSerial, 0);
  for (const cVector<uint8_t>* flags : {&chara.m_FlowFlagBusy, &chara.m_FlowFlagRelease, &chara.m_FlowFlagFrame}) {
    EXPECT_EQ(*flags, cVector<uint8_t>(kFlowFlagCount, 0));
  }
  EXPECT_EQ(chara.m_bFlagReleasePending + chara.m_bFlowDeletePending, 0);
  EXPECT_EQ(chara.m_dHomeX, 336);
  EXPECT_EQ(chara.m_dHomeY, 400);
  EXPECT_EQ(chara.m_dPushVX + chara.m_dPushVY + chara.m_dPushVYPrev, 0);
  EXPECT_EQ(chara.m_bPushed + chara.m_bMoveDisabled, 0);
  EXPECT_EQ(chara.m_nWallSide, -1);
  EXPECT_EQ(chara.m_bInAir, 1);
  EXPECT_EQ(chara.m_bJumpHit + chara.m_bJumpRising + chara.m_bJumpLocked + chara.m_nNoFloorSteps, 0);
  EXPECT_EQ(chara.m_nFloorBlock, kNoLink);
  EXPECT_EQ(chara.m_nLastFloorBlock, kNoLink);
  EXPECT_EQ(chara.m_nPrevFloorBlock, kNoLink);
  EXPECT_EQ(chara.m_nPostureFrames + chara.m_bHoldScreenPos + chara.m_nHoldMode + chara.m_nHoldScreenX +
                chara.m_nHoldScreenY,
            0);
  EXPECT_EQ(chara.m_bDead + chara.m_nDeathFrames, 0);
  EXPECT_EQ(chara.m_bContactLeft + chara.m_bContactRight + chara.m_bContactTop + chara.m_bContactBottom, 0);
  EXPECT_EQ(chara.m_bSolidPushed + chara.m_bRiding + chara.m_nRiddenId, 0);
  EXPECT_EQ(chara.m_HpGauge.nFrames + chara.m_SpGauge.nFrames, 0);
  EXPECT_EQ(chara.m_Vars, cVector<int32_t>(kCharaVarCount, 0));
  EXPECT_EQ(chara.m_nHp, 40);
  EXPECT_EQ(chara.m_nSp, 6);
  EXPECT_EQ(chara.m_nInvincible, 0);
  EXPECT_TRUE(chara.m_Immunities.empty());
  EXPECT_TRUE(chara.m_AnimePlayers.empty());
  EXPECT_EQ(chara.m_CharaEffect.m_nEffect, 0);
  EXPECT_EQ(chara.m_bVanish + chara.m_bTransparentNow + chara.m_bParentAttack + chara.m_nParentFlowId, 0);
  EXPECT_EQ(chara.m_bFollowScroll, 1);
  EXPECT_EQ(chara.m_nSightDots, -32);  // the sign is kept
  EXPECT_DOUBLE_EQ(chara.m_dFriction, 50 * 0.01 / 4);

  EXPECT_EQ(chara.m_bTemporaryCopy, 1);
  EXPECT_EQ(chara.m_nAnimeChosen, 2);
  EXPECT_EQ(chara.m_dSavedX, 5);
  EXPECT_EQ(chara.m_bHeroActive, 1);
}

TEST_F(CharaBaseTest, SetHitBoxCentresOnTheCell) {
  cChara chara;
  chara.m_nGraphicOffsetX = 2;
  chara.m_nGraphicOffsetY = 4;
  chara.SetHitBox(1, 24, 28);
  EXPECT_EQ(chara.m_HitBox.nOffsetX, 16 - 2 - 12);
  EXPECT_EQ(chara.m_HitBox.nOffsetY, 32 - 4 - 28);
  EXPECT_EQ(chara.m_HitBox.nOffsetXBase, chara.m_HitBox.nOffsetX);
  EXPECT_EQ(chara.m_HitBox.nHeightBase, 28);
  chara.SetHitBox(0, -3, 9);  // odd sizes halve by a shift: -3 >> 1 is -2
  EXPECT_EQ(chara.m_HitBox.nOffsetX, 16 - 2 + 2);
  EXPECT_EQ(chara.m_HitBox.nOffsetY, 16 - 4 - 4);
}

TEST_F(CharaBaseTest, SetAnimeSetBuildsLoopingSequencesAndTakesRecordZeroForABadIndex) {
  g_Database.m_AnimeSets.assign({TwoAnimeSet(100), TwoAnimeSet(200)});
  cChara chara;
  chara.SetAnimeSet(1, 1);
  ASSERT_EQ(chara.m_Anime.m_Sequences.VectorSize(), 2);
  const cAnimeStepList& second = chara.m_Anime.m_Sequences.CheckedVectorAt(1);
  ASSERT_EQ(second.VectorSize(), 3);
  EXPECT_EQ(second.CheckedVectorAt(0), (ANIMESTEP{201, 12, 1}));
  EXPECT_EQ(second.CheckedVectorAt(1), (ANIMESTEP{211, 6, 1}));
  EXPECT_EQ(second.CheckedVectorAt(2), (ANIMESTEP{kAnimeStepLoop, 0, 1}));
  EXPECT_EQ(chara.m_Def.m_nAnimeSet, 1);

  chara.m_Anime.m_nSequence = 1;
  chara.SetAnimeSet(1, 0);  // current, not forced: nothing
  EXPECT_EQ(chara.m_Anime.m_nSequence, 1);
  chara.SetAnimeSet(1, 1);
  EXPECT_EQ(chara.m_Anime.m_nSequence, 0);

  chara.SetAnimeSet(7, 0);
  EXPECT_EQ(chara.m_Def.m_nAnimeSet, 7);
  EXPECT_EQ(chara.m_Anime.m_Sequences.CheckedVectorAt(0).CheckedVectorAt(0).nPattern, 100);
  EXPECT_EQ(TakeCloseRequests(), 1);
}

TEST_F(CharaBaseTest, AdjustYForScaleChoosesItsAnchorBySwitches) {
  struct Case {
    int32_t bLegacy831, bLegacy261, flag;
    double expectedY;
  };
  // Scale 1 -> 3 (d 2), graphic 40 tall at offset 6, body 30 tall, y 500.
  constexpr double kBox = 500 - 2 * 40 + 2 * 6;
  constexpr double kHeight = 500 - 2 * 30;
  const Case cases[] = {
      {0, 0, 1, kBox}, {0, 0, 0, kHeight}, {0, 1, 1, kBox},     {0, 1, 0, kHeight},
      {1, 0, 0, kBox}, {1, 0, 1, kBox},    {1, 1, 1, kHeight}, {1, 1, 0, kHeight},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.bLegacy831 << c.bLegacy261 << c.flag);
    g_SystemData.m_bLegacy831 = c.bLegacy831;
    g_SystemData.m_bLegacy261 = c.bLegacy261;
    cClampCounter chara;
    chara.m_nGraphicHBase = 40;
    chara.m_nGraphicOffsetYBase = 6;
    chara.m_nHeightBase = 30;
    chara.m_dY = 500;
    chara.AdjustYForScale(3, 1, c.flag);
    EXPECT_EQ(chara.m_dY, c.expectedY);
    EXPECT_EQ(chara.m_nClampsY, 1);
    chara.AdjustYForScale(2, 2, c.flag);
    EXPECT_EQ(chara.m_dY, c.expectedY);
    EXPECT_EQ(chara.m_nClampsY, 1);
  }
}

TEST_F(CharaBaseTest, SetCenterMovesByTheScreenCentreAndAlwaysClamps) {
  cClampCounter chara;
  chara.m_dX = 400;
  chara.m_dY = 300;
  chara.m_rcScreen = {100, 50, 0, 0};
  chara.m_nGraphicW = 33;  // centre 100 + 16
  chara.m_nGraphicH = 20;  // centre 50 + 10
  chara.SetCenterX(116);
  EXPECT_EQ(chara.m_dX, 400);
  EXPECT_EQ(chara.m_nClampsX, 1);
  chara.SetCenter(100, 70);
  EXPECT_EQ(chara.m_dX, 384);
  EXPECT_EQ(chara.m_dY, 310);
  EXPECT_EQ(chara.m_nClampsX, 2);
  EXPECT_EQ(chara.m_nClampsY, 1);

  cFlowCmdState state;
  state.m_dVX = 3;
  state.m_dVY = -2;
  chara.SetCenterYAndStop(60, &state);
  EXPECT_EQ(state.m_dVX, 0);
  EXPECT_EQ(state.m_dVY, 0);
  EXPECT_EQ(chara.m_nClampsY, 2);
}

TEST_F(CharaBaseTest, CopyFromSkipsThreeFieldsAndCopiesTheRest) {
  cChara source;
  source.m_nId = 11;
  source.Reset(nullptr, 1, 2, 0);
  source.m_bTemporaryCopy = 1;
  source.m_bMoveDisabled = 1;
  source.m_nAnimePriority = 2;
  source.m_nAnimeChosen = 3;
  source.m_nHp = 17;
  source.m_Targets.CheckedVectorAt(2) = 5;
  source.m_Flows.resize(2);
  source.m_Flows.CheckedVectorAt(1).m_nSerial = 6;
  source.m_CharaEffect.m_dValue = 2.5;
  source.m_dX = 99;

  cChara copy;
  copy.CopyFrom(source);
  EXPECT_EQ(copy.m_bTemporaryCopy, 0);
  EXPECT_EQ(copy.m_bMoveDisabled, 0);
  EXPECT_EQ(copy.m_nAnimePriority, 0);
  EXPECT_EQ(copy.m_nId, 11);
  EXPECT_EQ(copy.m_dX, 99);
  EXPECT_EQ(copy.m_nAnimeChosen, 3);
  EXPECT_EQ(copy.m_nHp, 17);
  EXPECT_EQ(copy.m_Targets.CheckedVectorAt(2), 5);
  EXPECT_EQ(copy.m_Flows.CheckedVectorAt(1).m_nSerial, 6);
  EXPECT_EQ(copy.m_CharaEffect.m_dValue, 2.5);
}

TEST_F(CharaBaseTest, LinkHeroAndParentTwiceAddsOneBackReference) {
  cHero& hero = AddTestHero(0);
  cChara& parent = AddTestChara(1);
  cChara& child = AddTestChara(2);
  child.LinkHeroAndParent(parent.m_nId);
  child.LinkHeroAndParent(parent.m_nId);
  EXPECT_EQ(child.m_Targets.CheckedVectorAt(0), 0);
  EXPECT_EQ(child.m_nParentId, 1);
  EXPECT_EQ(hero.m_TargetedBy, cVector<CHARALINK>({{2, 0}}));
  EXPECT_EQ(parent.m_TargetedBy, cVector<CHARALINK>({{2, kLinkSlotParent}}));
  EXPECT_EQ(BrokenLinks(), "");

  cChara& orphan = AddTestChara(3);
  orphan.LinkHeroAndParent(77);  // no such chara: no parent rather than a dangling one
  EXPECT_EQ(orphan.m_nParentId, kNoLink);
  EXPECT_EQ(BrokenLinks(), "");
}

// A targets B, B's parent is C, B fired one shot and another homes on B.
class CharaLinkTest : public CharaWorld {
 protected:
  void SetUp() override {
    CharaWorld::SetUp();
    AddTestHero(0);
    a_ = &AddTestChara(1);
    b_ = &AddTestChara(2);
    c_ = &AddTestChara(3);
    b_->LinkHeroAndParent(c_->m_nId);
    a_->LinkHeroAndParent(kNoLink);
    Target(*a_, 1, *b_);
    Target(*b_, 2, *a_);
    fired_ = &AddTestShot(10, b_, a_);
    homing_ = &AddTestShot(11, a_, b_);
    ASSERT_EQ(BrokenLinks(), "");
  }

  void ExpectBReleased() {
    EXPECT_FALSE(Named(2));
    EXPECT_EQ(fired_->m_lpShooter, kNoLink);
    EXPECT_EQ(fired_->m_nOwnerId, 2);  // the serial of the chara that fired it stays
    EXPECT_EQ(fired_->m_lpTarget, 1);  // the rest is intact
    EXPECT_EQ(homing_->m_lpTarget, kNoLink);
    EXPECT_EQ(homing_->m_lpShooter, 1);
    EXPECT_EQ(a_->m_Targets.CheckedVectorAt(0), 0);
    EXPECT_EQ(BrokenLinks(), "");
  }

  cChara* a_ = nullptr;
  cChara* b_ = nullptr;
  cChara* c_ = nullptr;
  cShot* fired_ = nullptr;
  cShot* homing_ = nullptr;
};

TEST_F(CharaLinkTest, ReleasedCharaIsNamedByNothing) {
  b_->ReleaseTargetLinks();
  ExpectBReleased();
  EXPECT_TRUE(b_->m_ShotLinks.empty());
}

TEST_F(CharaLinkTest, ErasedCharaIsNamedByNothing) {
  for (auto it = g_CharaList.begin(); it != g_CharaList.end();) {
    it = it->m_nId == 2 ? EraseChara(play_, it) : std::next(it);
  }
  b_ = nullptr;
  ExpectBReleased();
}

TEST_F(CharaLinkTest, DestroyedTemporaryCopyKeepsEveryLink) {
  {
    cChara copy;
    copy.CopyFrom(*b_);
    copy.m_bTemporaryCopy = 1;
  }
  {
    cChara unregistered;  // a plain copy the lists do not hold shares the id too
    unregistered.CopyFrom(*b_);
  }
  EXPECT_EQ(b_->m_nParentId, 3);
  EXPECT_EQ(a_->m_Targets.CheckedVectorAt(1), 2);
  EXPECT_EQ(fired_->m_lpShooter, 2);
  EXPECT_EQ(homing_->m_lpTarget, 2);
  EXPECT_EQ(BrokenLinks(), "");
}

TEST_F(CharaLinkTest, GrowingTheHeroesKeepsTheirLinks) {
  for (int32_t id = 20; id < 40; ++id) AddTestHero(id);  // the vector moves its elements
  EXPECT_EQ(a_->m_Targets.CheckedVectorAt(0), 0);
  EXPECT_EQ(g_Heroes.front().m_TargetedBy.VectorSize(), 2);
  EXPECT_EQ(BrokenLinks(), "");
}

}  // namespace

namespace {

class HeroTest : public CharaWorld {};

TEST_F(HeroTest, TouchListByItemIdAndTheInputOfAMissingPlayer) {
  cHero& hero = AddTestHero(0);
  hero.m_Touching.assign({4, 9, 4});
  EXPECT_EQ(hero.IsNotTouching(4), 0);
  EXPECT_EQ(hero.IsNotTouching(5), 1);  // a new item whatever became of item 4
  hero.ForgetTouch(4);
  EXPECT_EQ(hero.IsNotTouching(4), 1);
  EXPECT_EQ(hero.m_Touching.size(), 1U);

  for (int32_t player : {0, 1, -1}) {
    SCOPED_TRACE(player);
    hero.m_nInput = player;
    EXPECT_EQ(hero.InputIndex(), 0);
  }
  EXPECT_EQ(TakeCloseRequests(), 0);

  hero.m_nFloorBlock = 77;
  hero.RememberFloorBlock();
  hero.m_nFacing = 1;
  hero.RememberFacing();
  EXPECT_EQ(hero.m_nPrevFloorBlock, 77);
  EXPECT_EQ(hero.m_nRememberedFacing, 1);
}

}  // namespace
