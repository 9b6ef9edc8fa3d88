// The floor block under the hero: springs, no-jump, speed change and
// conveyors; the item a block holds; the nudge back onto the ground.

#include <gtest/gtest.h>

#include "chara_world.h"
#include "records/palette/common_palette.h"
#include "records/script/cmd_kind_table.h"
#include "stage/grid/block_grid.h"
#include "stage/objects/hero.h"

class FloorEffectsTest : public CharaWorld {
 protected:
  void SetUp() override {
    CharaWorld::SetUp();
    savedCommon_ = g_CommonPalette.m_ItemPalette;
    savedSettings_ = g_SystemData;
    g_Stage.m_nSubSteps = 10;
    g_Stage.m_dSubSteps = 10;
    play_.m_ScrollX.m_nProbeBound = 1 << 20;
    play_.m_ScrollY.m_nProbeBound = 1 << 20;
    hero_ = &AddTestHero(1);
    hero_->m_Def.m_nMaxHp = hero_->m_nHp = 100;
    hero_->m_bFlying = 0;
    hero_->m_bInAir = 0;
    hero_->m_bOnScreen = 1;  // its item commands' sounds play
    cell_ = g_BlockGrid.CellIndex(15, 20);
    Block() = cBlock();
    Block().m_nGraphic = 1;
    Block().m_nHitClass = kBlockSolid;
    Block().m_nExemptGroup = kNoExemptGroup;
    g_BlockGrid.RefreshCell(cell_);
    hero_->m_nFloorBlock = hero_->m_nLastFloorBlock = hero_->m_nPrevFloorBlock = cell_;
    services_.m_Events.clear();
  }
  void TearDown() override {
    g_CommonPalette.m_ItemPalette = savedCommon_;
    g_SystemData = savedSettings_;
    CharaWorld::TearDown();
  }

  cBlock& Block() { return g_BlockGrid.CheckedVectorAt(cell_); }

  // Common item 1 with a sound command (its taking shows in the events).
  void PutItemInBlock(int8_t takeKind) {
    cItemDef def;
    def.m_nGraphic = 3;
    def.m_bTakeMessage = 0;
    def.m_nTakeKind = takeKind;
    cFlowCmd sound;
    sound.m_nSet = kCmdSetItem;
    sound.m_nKind = 20;
    sound.m_Params.assign({8});
    def.m_Commands.assign({sound});
    g_CommonPalette.m_ItemPalette.assign(2, cItemDef());
    g_CommonPalette.m_ItemPalette.CheckedVectorAt(1) = def;
    Block().m_nItemPalette = 1;
    Block().m_nItemIndex = 1;
  }

  int CountEvents(const std::string& name) const {
    int n = 0;
    for (const cStageEvent& event : services_.m_Events) n += event.strName == name ? 1 : 0;
    return n;
  }

  cVector<cItemDef> savedCommon_;
  cSystemData savedSettings_;
  cHero* hero_ = nullptr;
  int32_t cell_ = -1;
};

TEST_F(FloorEffectsTest, SpringLaunchesAndGivesTheBlocksItem) {
  Block().m_nFloorEffect = kFloorJump;
  Block().m_nFloorValue = 4;
  PutItemInBlock(kItemTakeOnce);
  hero_->m_bJumpHit = hero_->m_bJumpRising = 0;
  EXPECT_EQ(play_.ApplyFloorEffect(*hero_), 0);
  EXPECT_DOUBLE_EQ(hero_->m_dVY, hero_->JumpSpeedHbl(4));
  EXPECT_EQ(hero_->m_bJumpHit, 1);
  EXPECT_EQ(hero_->m_bJumpRising, 1);
  ASSERT_GE(services_.m_Events.size(), 3U);
  EXPECT_EQ(services_.m_Events[0].strName, "PlaySE");
  EXPECT_EQ(CountEvents("PlayProjectSE"), 2);  // the item's sound (0) and its command
  // The play step's own block-item call in the same sub-step gives nothing more.
  services_.m_Events.clear();
  play_.GiveBlockItem(*hero_);
  EXPECT_EQ(CountEvents("PlayProjectSE"), 0);
}

TEST_F(FloorEffectsTest, TimedEffectsLastOneFrameAndRearmWhileStanding) {
  struct Case {
    const char* name;
    int8_t effect;
    int32_t value;
    double vx;
    double expectVX;  // after one sub-step
  };
  const Case cases[] = {
      {"conveyor left 30 at L 10", kFloorMoveLeft, 30, 1.0, 0.7},
      {"conveyor right 30 at L 10", kFloorMoveRight, 30, 1.0, 1.3},
      {"speed 50 %", kFloorSpeed, 50, 1.0, 0.5},
      {"none", kFloorNone, 30, 1.0, 1.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Block().m_nFloorEffect = c.effect;
    Block().m_nFloorValue = c.value;
    hero_->m_nFloorEffectFrames = 0;
    hero_->m_dVX = c.vx;
    play_.ApplyFloorEffect(*hero_);
    EXPECT_NEAR(hero_->m_dVX, c.expectVX, 1e-12);
  }
  // Armed for L sub-steps; stepping off the block ends it at the frame's end.
  Block().m_nFloorEffect = kFloorMoveRight;
  hero_->m_nFloorEffectFrames = 0;
  hero_->m_dVX = 0;
  hero_->m_dInertiaX = -2;
  play_.ApplyFloorEffect(*hero_);
  EXPECT_EQ(hero_->m_dInertiaX, 0);
  hero_->m_nFloorBlock = kNoLink;
  for (int i = 1; i < 10; ++i) play_.ApplyFloorEffect(*hero_);
  EXPECT_NEAR(hero_->m_dVX, 3.0, 1e-9);
  EXPECT_EQ(hero_->m_nFloorEffectFrames, 0);
  play_.ApplyFloorEffect(*hero_);
  EXPECT_NEAR(hero_->m_dVX, 3.0, 1e-9);
}

TEST_F(FloorEffectsTest, NoJumpHoldsOnlyOnItsBlockAndFlyingHeroesFeelNothing) {
  Block().m_nFloorEffect = kFloorNoJump;
  play_.ApplyFloorEffect(*hero_);
  EXPECT_EQ(hero_->m_bNoJump, 1);
  Block().m_nFloorEffect = kFloorNone;
  play_.ApplyFloorEffect(*hero_);
  EXPECT_EQ(hero_->m_bNoJump, 0);

  Block().m_nFloorEffect = kFloorJump;
  Block().m_nFloorValue = 4;
  hero_->m_bFlying = 1;
  hero_->m_dVY = 0;
  EXPECT_EQ(play_.ApplyFloorEffect(*hero_), 0);
  EXPECT_EQ(hero_->m_dVY, 0);
  EXPECT_TRUE(services_.m_Events.empty());
}

TEST_F(FloorEffectsTest, BlockItemEverySecondOfStandingAgainAfterAJumpOrAnotherBlock) {
  PutItemInBlock(kItemTakeAlways);
  int32_t gives = 0;
  auto step = [&] {
    services_.m_Events.clear();
    play_.GiveBlockItem(*hero_);
    gives += CountEvents("PlayProjectSE") > 0 ? 1 : 0;
  };
  for (int i = 0; i < 60 * 10 * 2 + 1; ++i) step();
  EXPECT_EQ(gives, 3);  // on landing, then every 60 x L sub-steps
  gives = 0;
  hero_->m_bInAir = 1;  // a jump
  hero_->m_nFloorBlock = kNoLink;
  step();
  hero_->m_bInAir = 0;
  hero_->m_nFloorBlock = cell_;
  step();
  EXPECT_EQ(gives, 1);
  gives = 0;
  hero_->m_nLastFloorBlock = cell_ + 1;  // landed on another block
  step();
  step();
  EXPECT_EQ(gives, 1);
}

TEST_F(FloorEffectsTest, BlockItemsThatGiveNothing) {
  struct Case {
    const char* name;
    int8_t takeKind;
    int16_t index;
  };
  const Case cases[] = {{"取れない", kItemTakeNever, 1}, {"index past the palette", kItemTakeOnce, 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PutItemInBlock(c.takeKind);
    Block().m_nItemIndex = c.index;
    hero_->m_nBlockItemPause = 0;
    services_.m_Events.clear();
    EXPECT_EQ(play_.GiveBlockItem(*hero_), 0);
    EXPECT_TRUE(services_.m_Events.empty());
  }
}

TEST_F(FloorEffectsTest, SnapToGroundNudgesOnlyOverAFloor) {
  // The hero's bottom edge 2 dots above the block's top.
  hero_->m_nWidthBase = hero_->m_nWidth = 32;
  hero_->m_nHeightBase = hero_->m_nHeight = 32;
  hero_->m_dX = 15 * 32;
  hero_->m_dRight = hero_->m_dX + 31;
  hero_->m_dBottom = 20 * 32 - 3;
  hero_->m_dY = hero_->m_dBottom - 31;
  struct Case {
    const char* name;
    double vy;
    int32_t riding;
    double bottom;
    int32_t legacy;
    double expect;
  };
  const Case cases[] = {
      {"floor below", 0, 0, 20 * 32 - 3, 0, 0.7},
      {"too fast", 0.2, 0, 20 * 32 - 3, 0, 0.2},
      {"riding", 0, 1, 20 * 32 - 3, 0, 0},
      {"nothing below", 0, 0, 20 * 32 - 40, 0, 0},
      {"the old rule", 0.2, 0, 20 * 32 - 40, 1, 1.2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    g_SystemData.m_bLegacy793 = c.legacy;
    hero_->m_dVY = c.vy;
    hero_->m_bRiding = c.riding;
    hero_->m_dBottom = c.bottom;
    play_.SnapToGround(*hero_);
    EXPECT_NEAR(hero_->m_dVY, c.expect, 1e-12);
  }
}
