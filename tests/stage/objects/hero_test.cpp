// The hero: posture and boxes, the view that follows it, its moves, its flow
// pass and its jump command.
#include <gtest/gtest.h>

#include <vector>

#include "records/script/key_cond.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara_draw_list.h"
#include "stage/objects/flow_cmd_state.h"
#include "stage/objects/state_digest.h"
#include "stage/objects/hero.h"
#include "support/recording_chara_flow_calls.h"
#include "support/stage_world.h"

namespace {

// A 60 x 40 stage without its objects; the hero's sizes: walking 24 x 28 on
// the cell's bottom, flying 20 x 20 centred, hit 20 x 20, shot 20 x 20, item
// 16 x 16.
class HeroPlayTest : public StageWorld {
 protected:
  void SetUp() override {
    StageWorld::SetUp();
    cStageLayout layout;
    layout.nWidth = 60;
    layout.nHeight = 40;
    ASSERT_TRUE(Build(layout));
    RemoveBuiltObjects();
    g_Stage.m_nHeroBoxW = 24;
    g_Stage.m_nHeroBoxH = 28;
    g_Stage.m_bHeroBoxBottom = 1;
    g_Stage.m_nHeroBoxW2 = g_Stage.m_nHeroBoxH2 = 20;
    g_Stage.m_nHeroHitW = g_Stage.m_nHeroHitH = 20;
    g_Stage.m_nHeroHitW2 = g_Stage.m_nHeroHitH2 = 20;
    g_Stage.m_nHeroShotHitW = g_Stage.m_nHeroShotHitH = 20;
    g_Stage.m_nHeroItemBoxW = g_Stage.m_nHeroItemBoxH = 16;
  }

  // A hero set up for play (walking unless fly), placed at (x, y).
  cHero& MakeHero(int8_t fly, double x, double y) {
    cCharaDef def;
    def.m_nControl = cCharaDef::kControlPlayer;
    def.m_nFly = fly;
    def.m_nMaxHp = 100;
    cHero hero;
    hero.InitForStage(0, &def, x, y);
    cHero& added = AddHero(play_, hero);
    PlaceAt(added, x, y);
    return added;
  }

  static void PlaceAt(cHero& hero, double x, double y) {
    hero.m_dX = x;
    hero.m_dY = y;
    hero.ClampX();
    hero.ClampY();
  }

  int32_t Sounds() const {
    int32_t sounds = 0;
    for (const std::string& name : EventNames()) sounds += name == "PlayProjectSE";
    return sounds;
  }
};

TEST_F(HeroPlayTest, InitForStageSizesTheWalkingBodyAndReadiesTheJump) {
  cHero& hero = MakeHero(0, 1000, 600);
  EXPECT_EQ(hero.m_nWidth, 24);
  EXPECT_EQ(hero.m_nHeight, 28);
  EXPECT_EQ(hero.m_nGraphicOffsetX, 4);
  EXPECT_EQ(hero.m_nGraphicOffsetY, 4);
  EXPECT_EQ(hero.m_Def.m_nGiant, 1);  // scale 0 counts as 1
  EXPECT_EQ(hero.m_bJumpReady, 1);
  EXPECT_DOUBLE_EQ(hero.m_dFloorBaseSpeed, 4.0 / g_Stage.m_dSubSteps);
  // Shot and item boxes centred on the cell, measured from the body.
  EXPECT_EQ(hero.m_AttackBox.nOffsetX, 16 - 10 - 4);
  EXPECT_EQ(hero.m_nItemBoxY, 16 - 8 - 4);
  EXPECT_EQ(hero.m_ItemBox.left, 1000 + 16 - 8 - 4);
  EXPECT_EQ(hero.m_ItemBox.right, hero.m_ItemBox.left + 15);
}

TEST_F(HeroPlayTest, PlayerNumberOutsideTheInputsReadsTheFirst) {
  cCharaDef def;
  def.m_nPlayerNo = 1;
  cHero hero;
  hero.InitForStage(0, &def, 1000, 600);
  EXPECT_EQ(hero.m_nInput, 0);
  EXPECT_EQ(TakeCloseRequests(), 0);
}

// With the view not scrolling by itself, a hero 32 wide at x 1000 puts the
// view at 696, held inside the scroll limits (320 .. 2240 on this stage).
TEST_F(HeroPlayTest, TheViewFollowsTheHeroInsideTheScrollLimits) {
  g_Stage.m_nHeroBoxW = 32;
  cHero& hero = MakeHero(0, 1000, 600);
  struct Case {
    double x;
    double view;
  } const cases[] = {{1000, 696}, {400, 320}, {2100, 2240 - 640}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    PlaceAt(hero, c.x, 600);
    EXPECT_EQ(play_.m_ScrollX.m_dPos, c.view);
    EXPECT_EQ(hero.m_dRight, c.x + 31);
  }
  play_.m_ScrollX.m_bAutoScroll = 1;  // the view moves by itself: the hero does not move it
  PlaceAt(hero, 1000, 600);
  EXPECT_EQ(play_.m_ScrollX.m_dPos, 2240 - 640);
}

// Flying, the hero stays inside the scroll limits; walking, inside the stage
// area, and it may fall out at the bottom. MoveX never reports an edge.
TEST_F(HeroPlayTest, ClampsByPostureAndTheCodesOfItsMoves) {
  play_.m_ScrollX.m_nMin = 640;  // a scroll limit inside the stage area
  cHero& flying = MakeHero(1, 1000, 600);
  PlaceAt(flying, 500, 600);
  EXPECT_EQ(flying.m_dX, 640);
  ClearHeroes(play_);
  cHero& walking = MakeHero(0, 1000, 600);
  PlaceAt(walking, 500, 600);
  EXPECT_EQ(walking.m_dX, 500);

  walking.m_dVX = 1000;
  PlaceAt(walking, 2215, 600);
  EXPECT_EQ(walking.MoveX(), 0);  // held at the stage area's end, no code
  EXPECT_EQ(walking.m_dRight, play_.m_ScrollX.m_nFurthest - 1);

  const double bottomMargin = play_.m_ScrollY.m_nFurthest;
  PlaceAt(walking, 1000, bottomMargin - 30);
  walking.m_dVY = 6;
  EXPECT_EQ(walking.MoveY(), 7);
}

TEST_F(HeroPlayTest, SpeedChangeFloorScalesTheInertiaWithoutCrossingZero) {
  cHero& hero = MakeHero(0, 1000, 600);
  hero.m_dFriction = 0;
  const double d = SpeedPerSubStep(hero.m_dFloorBaseSpeed);  // the floor's step per unit of factor
  struct Case {
    const char* name;
    int32_t frames;
    double factor, inertia, expected;
  } const cases[] = {
      {"slower", 5, 0.5, 2, 2 - d / 2},
      {"faster, to the left", 5, 2, -1, -1 - d},
      {"slowed past zero stops", 5, 0.5, d / 4, 0},
      {"the effect has run out", 0, 0.5, 2, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    hero.m_nFloorEffect = 3;
    hero.m_nFloorEffectFrames = c.frames;
    hero.m_dFloorEffectValue = c.factor;
    hero.m_dInertiaX = c.inertia;
    hero.m_dVX = 0;
    hero.MoveX();
    EXPECT_DOUBLE_EQ(hero.m_dInertiaX, c.expected);
    EXPECT_DOUBLE_EQ(hero.m_dVX, c.expected);
  }
}

TEST_F(HeroPlayTest, PostureChangesBodyBoxesAndTheSqueezeWindow) {
  cHero& hero = MakeHero(0, 1000, 600);
  hero.m_dVX = hero.m_dInertiaX = 3;
  hero.SetFlyingState(1, 1, 1, 1);
  EXPECT_EQ(hero.m_bFlying, 1);
  EXPECT_EQ(hero.m_Def.m_nFly, 1);
  EXPECT_EQ(hero.m_nWidth, 20);
  EXPECT_EQ(hero.m_nGraphicOffsetY, 6);  // centred
  EXPECT_EQ(hero.m_nPostureFrames, 2);
  EXPECT_EQ(hero.m_bPostureChanged, 1);
  EXPECT_EQ(hero.m_dVX, 3);  // speeds kept into the air

  // A squeeze right after the change is survived once with the old position.
  hero.m_dX += 50;
  EXPECT_EQ(hero.TryRecoverFromSqueeze(), 1);
  EXPECT_EQ(hero.m_dX, 1000);
  hero.m_dX += 50;
  EXPECT_EQ(hero.TryRecoverFromSqueeze(), 1);
  EXPECT_EQ(hero.m_dX, 1050);  // the saved position comes back only once
  hero.RunFlows(0);
  hero.RunFlows(0);
  EXPECT_EQ(hero.TryRecoverFromSqueeze(), 0);

  hero.SetFlyingState(0, 1, 0, 0);
  EXPECT_EQ(hero.m_dVX, 0);
  EXPECT_EQ(hero.m_dInertiaX, 0);
  EXPECT_EQ(hero.m_nHeight, 28);
  EXPECT_EQ(hero.m_bPostureChanged, 0);  // not marked
}

// Taking to the air makes the hero count as falling, unless the project keeps
// the old rule.
TEST_F(HeroPlayTest, FlyingStateFallsUnlessTheOldRule) {
  for (int32_t legacy : {0, 1}) {
    SCOPED_TRACE(legacy);
    g_SystemData.m_bLegacy818B = legacy;
    ClearHeroes(play_);
    cHero& hero = MakeHero(0, 1000, 600);
    hero.m_bInAir = 0;
    hero.m_nNoFloorSteps = 0;
    hero.SetFlyingState(2, 0, 0, 0);
    EXPECT_EQ(hero.m_bInAir, legacy ? 0 : 1);
    EXPECT_EQ(hero.m_nNoFloorSteps, legacy ? 0 : 8 * g_Stage.m_nSubSteps);
  }
}

TEST_F(HeroPlayTest, GiantScaleMultipliesEveryBoxWhenRescaled) {
  cHero& hero = MakeHero(0, 1000, 600);
  hero.m_Def.m_nGiant = 3;
  hero.SetFlyingState(1, 1, 0, 0);
  EXPECT_EQ(hero.m_nWidth, 60);
  EXPECT_EQ(hero.m_nGraphicW, 96);
  EXPECT_EQ(hero.m_HitBox.nWidth, 60);
  EXPECT_EQ(hero.m_AttackBox.nOffsetX, 3 * (16 - 10 - 6));
  EXPECT_EQ(hero.m_nItemBoxW, 48);
  EXPECT_EQ(hero.m_nWidthBase, 20);
}

// Largest first; equal areas (the hit and shot boxes) keep the list's order.
TEST_F(HeroPlayTest, RectanglesLargestFirstWithTheirSettings) {
  g_Stage.m_nShowHitRange = 2;
  g_Stage.m_nHitRangeColour = 3;
  cHero& hero = MakeHero(0, 1000, 600);
  ASSERT_EQ(hero.m_BoxRects.VectorSize(), 4);
  std::vector<int32_t> kinds;
  for (const HEROBOXRECT& rect : hero.m_BoxRects) kinds.push_back(rect.nKind);
  EXPECT_EQ(kinds, (std::vector<int32_t>{0, 1, 3, 2}));
  const HEROBOXRECT& hit = hero.m_BoxRects.CheckedVectorAt(1);
  EXPECT_EQ(hit.nMode, 2);
  EXPECT_EQ(hit.nColour, 220);
}

class HeroFlowTest : public HeroPlayTest {
 protected:
  void SetUp() override {
    HeroPlayTest::SetUp();
    saved_ = g_lpCharaFlowCalls;
    g_lpCharaFlowCalls = &calls_;
  }
  void TearDown() override {
    g_lpCharaFlowCalls = saved_;
    HeroPlayTest::TearDown();
  }

  // One running flow with a command.
  static void AddRunningFlow(cHero& hero) {
    cFlow& flow = hero.m_Def.m_Flows.emplace_back();
    flow.m_Commands.emplace_back();
    cFlowInstance& instance = hero.m_Flows.emplace_back();
    instance.m_States.resize(1);
    instance.m_bRunning = 1;
  }

  cRecordingCharaFlowCalls calls_;
  cCharaFlowCalls* saved_ = nullptr;
};

TEST_F(HeroFlowTest, APassClearsItsRequestsCountsAndReadiesTheJump) {
  cHero& hero = MakeHero(0, 1000, 600);
  hero.m_nHp = 10;
  hero.m_bDirectionLock = hero.m_bButtonLock = 1;
  hero.m_nJumpHold = 5;
  hero.m_bJumpReady = 0;
  hero.m_bJumpLocked = 1;
  hero.m_bJumpRan = 1;
  hero.m_bVanish = 1;  // a hero is ended by its HP only
  AddRunningFlow(hero);
  EXPECT_EQ(hero.RunFlows(0), 0);
  EXPECT_EQ(calls_.m_FlowOps, (std::vector<std::string>{"animes", "run 0"}));
  EXPECT_EQ(hero.m_bDirectionLock + hero.m_bButtonLock, 0);
  EXPECT_EQ(hero.m_nPassCount, 1);
  // No jump command ran in this pass.
  EXPECT_EQ(hero.m_nJumpHold, 0);
  EXPECT_EQ(hero.m_bJumpReady, 1);
  EXPECT_EQ(hero.m_bJumpLocked, 0);
}

TEST_F(HeroFlowTest, RunningOutOfHpEndsThePassAndClearsTheOwner) {
  cHero& hero = MakeHero(0, 1000, 600);
  hero.m_nHp = 10;
  AddRunningFlow(hero);
  AddRunningFlow(hero);
  calls_.m_OnRun = [](cCharaBase& chara, int32_t) { chara.m_nHp = 0; };
  play_.m_bKill = 1;
  EXPECT_EQ(hero.RunFlows(0), 1);
  EXPECT_EQ(calls_.m_FlowOps, (std::vector<std::string>{"animes", "run 0"}));
  EXPECT_EQ(play_.m_nFlowOwnerId, -1);
  EXPECT_EQ(play_.m_nFlowIndex, -1);
  EXPECT_EQ(play_.m_bKill, 0);
  EXPECT_EQ(hero.m_nPassCount, 0);
}

std::vector<int32_t> g_RanPendingKinds;
void RecordPending(cHero&, cFlowCmd& command) { g_RanPendingKinds.push_back(command.m_nKind); }

TEST_F(HeroFlowTest, PendingItemCommandsRunAfterTheFlowsOnce) {
  cHero& hero = MakeHero(0, 1000, 600);
  hero.m_nHp = 10;
  hero.m_PendingItemCmds.resize(2);
  hero.m_PendingItemCmds.CheckedVectorAt(1).m_nKind = 5;
  g_RanPendingKinds.clear();
  const PendingItemCmdRunner saved = g_lpRunPendingItemCmd;
  g_lpRunPendingItemCmd = RecordPending;
  hero.RunFlows(0);
  hero.RunFlows(0);
  g_lpRunPendingItemCmd = saved;
  EXPECT_EQ(g_RanPendingKinds, (std::vector<int32_t>{0, 5}));
  EXPECT_TRUE(hero.m_PendingItemCmds.empty());
}

// The jump command on a walking hero standing in the open (no floor block:
// the landing rule stays out of the way).
class HeroJumpTest : public HeroPlayTest {
 protected:
  void SetUp() override {
    HeroPlayTest::SetUp();
    command_.m_nSound = 4;
    command_.m_Params.assign({0, 0, 0, 0, 0});
    state_.m_lpCmd = &command_;
    state_.m_dSpeed = -10;
    state_.m_nFrames = 10;
    hero_ = &MakeHero(0, 1000, 600);
    hero_->m_bInAir = 0;
    // The running flow with one key condition; its mode says whether the
    // key is held (all of no keys) or not (exactly one of none).
    cFlowInstance& flow = hero_->m_Flows.emplace_back();
    flow.m_KeyConds.push_back(&key_);
    play_.m_nFlowIndex = 0;
  }

  void Step(bool held) {
    key_.m_nKeyMode = held ? kKeyAllTrue : kKeyExactlyOne;
    hero_->m_bJumpRan = 0;  // a new flow pass
    hero_->StepJump(state_);
  }

  cFlowCmd command_;
  cFlowCmdState state_;
  cKeyCond key_;
  cHero* hero_ = nullptr;
};

// Mode 1: letting go after 2 of 10 hold calls cuts the rise to 30 % once;
// holding through all 10 keeps the full speed.
TEST_F(HeroJumpTest, KeyHeightCutsTheRiseWhenLetGoEarly) {
  command_.m_Params.CheckedVectorAt(0) = 1;
  struct Case {
    int32_t holds;
    double vy;
  } const cases[] = {{2, -3}, {10, -10}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.holds);
    hero_->m_dVY = 0;
    hero_->m_bJumpHit = hero_->m_bJumpRising = 0;
    state_.m_nWork1 = 0;
    for (int32_t i = 0; i < c.holds; ++i) Step(true);
    EXPECT_EQ(state_.m_nWork1, 1);
    Step(false);
    Step(false);
    EXPECT_DOUBLE_EQ(hero_->m_dVY, c.vy);
    EXPECT_EQ(hero_->m_bJumpHit, 1);
  }
  EXPECT_EQ(Sounds(), 2);
}

TEST_F(HeroJumpTest, OncePerFlowPassAndNeverWhileFlying) {
  Step(true);
  EXPECT_EQ(hero_->m_dVY, -10);
  hero_->m_dVY = 0;
  state_.m_nWork1 = 0;
  hero_->StepJump(state_);  // the same pass
  EXPECT_EQ(hero_->m_dVY, 0);
  hero_->m_bFlying = 1;
  Step(true);
  EXPECT_EQ(hero_->m_dVY, 0);
}

// Mode 2 at L 1 with full speed 40, full height 4, low speed 10, low height 1
// (speeds in tenths of a dot per frame).
TEST_F(HeroJumpTest, SpeedHeightFromTheInertia) {
  ASSERT_EQ(g_Stage.m_nSubSteps, 1);
  command_.m_Params.assign({2, 40, 4, 10, 1});
  struct Case {
    double inertia;
    int32_t halfBlocks;
  } const cases[] = {{4, 4}, {5, 4}, {2, 2}, {-2, 2}, {1, 1}, {0.5, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.inertia);
    hero_->m_dInertiaX = c.inertia;
    Step(false);
    EXPECT_DOUBLE_EQ(state_.m_dSpeed, hero_->JumpSpeedHbl(static_cast<int8_t>(c.halfBlocks)));
  }
}

// Off a ridden chara the hero takes off only on the frame's last sub-step,
// 2 % faster than from the ground.
TEST_F(HeroJumpTest, RidingJumpWaitsForTheLastSubStep) {
  g_Stage.SetCollisionLevel(2);
  hero_->m_bRiding = 1;
  play_.m_nSubStep = 1;
  Step(true);
  EXPECT_EQ(hero_->m_dVY, 0);
  EXPECT_EQ(hero_->m_bRiding, 1);
  EXPECT_EQ(state_.m_nWork1, 0);
  play_.m_nSubStep = 2;
  Step(true);
  EXPECT_DOUBLE_EQ(hero_->m_dVY, -10 * 1.0199999809265137);
  EXPECT_EQ(hero_->m_bRiding, 0);
  EXPECT_EQ(state_.m_nWork1, 1);
  EXPECT_EQ(Sounds(), 1);
}

// Landing lets the command jump again without key conditions; with them,
// landing with the key let go ends the command.
TEST_F(HeroJumpTest, LandingRearmsOrEndsTheCommand) {
  command_.m_Params.CheckedVectorAt(0) = 1;
  hero_->m_bRiding = 1;  // on something: IsOnFloor
  hero_->m_dVY = 0;
  state_.m_nWork1 = 1;
  state_.m_nRemain = 7;
  Step(false);
  EXPECT_EQ(state_.m_nWork1, 0);
  EXPECT_EQ(state_.m_nRemain, 0);

  hero_->m_Flows.CheckedVectorAt(0).m_KeyConds.clear();
  state_.m_nWork1 = 1;
  state_.m_nRemain = 7;
  hero_->m_bPushed = 1;
  Step(false);
  EXPECT_EQ(state_.m_nWork1, 0);
  EXPECT_EQ(state_.m_nRemain, 7);
  EXPECT_EQ(hero_->m_bPushed, 0);
}

// The hit box shown as a frame in colour choice 3 cycles through palette
// numbers 220..223, 8 frames each; on a display whose palette cycles by
// itself it stays 220.
TEST_F(HeroPlayTest, ShownRectanglesCycleTheirColourEveryEightFrames) {
  g_Stage.m_nShowHitRange = 2;
  g_Stage.m_nHitRangeColour = 3;
  cHero& hero = MakeHero(0, 1000, 600);
  hero.UpdateScreenRect();
  for (int32_t cycles : {0, 1}) {
    SCOPED_TRACE(cycles);
    cCharaDrawList draw;
    draw.bPaletteCycles = cycles;
    std::vector<int32_t> colours;
    for (int32_t frame = 0; frame < 34; ++frame) {
      hero.StepDrawnWithBoxes(frame % 2, &draw);  // frozen frames step it too
      const CHARADRAW& entry = draw.Entries.back();
      ASSERT_EQ(entry.nKind, kDrawHeroBox);
      if (frame % 8 == 0) colours.push_back(HeroBoxColour(entry.Box, draw.bPaletteCycles));
    }
    const std::vector<int32_t> expected =
        cycles ? std::vector<int32_t>{220, 220, 220, 220, 220} : std::vector<int32_t>{220, 221, 222, 223, 220};
    EXPECT_EQ(colours, expected);
    const HEROBOXRECT& shown = draw.Entries.back().Box;
    EXPECT_EQ(shown.nX, hero.m_rcScreen.left + hero.m_nGraphicOffsetX + hero.m_HitBox.nOffsetX);
    EXPECT_EQ(shown.nY, hero.m_rcScreen.top + hero.m_nGraphicOffsetY + hero.m_HitBox.nOffsetY);
  }
}

// The frame's state pass leaves the same state whether or not a list takes
// what it would draw, frozen passes included.
TEST_F(HeroPlayTest, TheStateDoesNotDependOnTheDrawList) {
  auto run = [&](cCharaDrawList* lpDraw) {
    cStageLayout layout;
    layout.nWidth = 30;
    EXPECT_TRUE(Build(layout));
    g_Stage.m_nShowMainBox = 2;
    Hero().RebuildBoxes();
    Hero().m_HpGauge.nFrames = 100;
    for (int32_t frame = 0; frame < 5; ++frame) {
      play_.UpdatePresentation(0, lpDraw);
      play_.UpdatePresentation(1, lpDraw);
      play_.UpdatePresentation(1, lpDraw);
    }
    return StateDigest(play_);
  };
  const uint64_t headless = run(nullptr);
  cCharaDrawList draw;
  EXPECT_EQ(run(&draw), headless);
  EXPECT_FALSE(draw.Entries.empty());
}

// The mask (1280 x 960 here) is centred on the hero's graphic, shifted
// ahead in light modes 2 and 4, and never shows past its own edges.
TEST_F(HeroPlayTest, LightMaskStaysInsideItsImage) {
  cHero& hero = MakeHero(0, 1000, 600);
  hero.m_nSightDots = 48;
  struct Case {
    const char* name;
    int8_t mode;
    int32_t facing, left, top;
    int32_t sx, sy;
  } const cases[] = {
      {"centred", 1, 1, 300, 200, 640 - 16 - 300, 480 - 16 - 200},
      {"ahead to the right", 2, 1, 300, 200, 640 - 16 - 300 + 16 - 48, 480 - 16 - 200},
      {"ahead to the left", 4, 0, 300, 200, 640 - 16 - 300 - 16 + 48, 480 - 16 - 200},
      {"near the left edge", 1, 1, 700, 500, 0, 0},
      {"near the right edge", 1, 1, -100, -100, 640, 480},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    hero.m_Def.m_nSightShape = c.mode;
    hero.m_nFacing = c.facing;
    hero.m_rcScreen = {c.left, c.top, c.left + 31, c.top + 31};
    cCharaDrawList draw;
    hero.AppendLightMask(&draw);
    ASSERT_EQ(draw.Entries.VectorSize(), 1);
    int32_t sx = -1, sy = -1;
    LightMaskOrigin(draw.Entries.back(), 1280, 960, &sx, &sy);
    EXPECT_EQ(sx, c.sx);
    EXPECT_EQ(sy, c.sy);
  }
  hero.m_Def.m_nSightShape = 0;  // no light mode: no mask
  cCharaDrawList none;
  hero.AppendLightMask(&none);
  EXPECT_TRUE(none.Entries.empty());
}

// What only the drawing steps (a blink's toggle flips in a pause's frozen
// passes, which a replay does not repeat) is not part of the state a replay
// is checked against; the effect's own run is.
TEST_F(HeroPlayTest, DrawingCountersStayOutOfTheState) {
  cHero& hero = MakeHero(0, 1000, 600);
  const uint64_t before = StateDigest(play_);
  hero.m_CharaEffect.m_nCounter1 = 5;
  hero.m_CharaEffect.m_nCounter2 = 1;
  HEROBOXRECT& rect = hero.m_BoxRects.CheckedVectorAt(0);
  rect.nCycle = 9;
  rect.nX = 3;
  play_.m_nRangePhase = 7;
  EXPECT_EQ(StateDigest(play_), before);
  hero.m_CharaEffect.m_dValue = 3;
  EXPECT_NE(StateDigest(play_), before);
}

}  // namespace
