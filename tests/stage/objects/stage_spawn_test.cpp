// The summon spawners: charas at a dot position with their blocked-place
// retries, life time and parent attack; items; and block summons (place,
// erase, toggle) with undo and protection.

#include <gtest/gtest.h>

#include <cmath>

#include "core/math/truncate.h"
#include "records/settings/system_data.h"
#include "support/stage_world.h"

namespace {

class StageSpawnTest : public StageWorld {
 protected:
  // A 16 x 16 body centred in the cell: graphic offset (8, 8).
  void BuildWithSolids(std::vector<std::pair<int32_t, int32_t>> gridCells) {
    cStageLayout layout;
    for (auto [c, r] : gridCells) layout.Solid.emplace_back(c - 10, r - 10);
    ASSERT_TRUE(Build(layout));
    g_Stage.m_nCharaBoxW = 16;
    g_Stage.m_nCharaBoxH = 16;
    g_Stage.m_bCharaBoxBottom = 0;
  }

  static cCharaDef Summoned() {
    cCharaDef def;
    def.m_nControl = cCharaDef::kControlComputer;
    def.m_nGraphic = 2;
    def.m_nMaxHp = 5;
    def.m_nCarriedItem = -1;
    return def;
  }

  cEdShot set_;
};

TEST_F(StageSpawnTest, ABlockedSummonTriesUpThenLeftThenUpLeft) {
  // The body's right and bottom edges lie one dot into grid column 20 and
  // row 20: the corners are (19, 19), (20, 19), (19, 20) and (20, 20).
  struct Case {
    const char* name;
    std::vector<std::pair<int32_t, int32_t>> solids;
    bool made;
    double dx, dy;  // moved from the first place
  } const cases[] = {
      {"free", {}, true, 0, 0},
      {"up one dot", {{20, 20}}, true, 0, -1},
      {"left one dot", {{20, 19}}, true, -1, 0},
      {"up and left", {{20, 19}, {19, 20}}, true, -1, -1},
      {"nowhere", {{19, 19}}, false, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BuildWithSolids(c.solids);
    const int32_t before = play_.m_nNextObjectId;
    const double px = 20 * 32 - 15 - 8;
    const double py = 20 * 32 - 15 - 8;
    const cCharaDef def = Summoned();
    play_.SpawnCharaAt(g_CharaList, px, py, 3, 1, &set_, &def, &play_.m_nNextObjectId, nullptr);
    ASSERT_EQ(g_CharaList.size(), c.made ? 1u : 0u);
    EXPECT_EQ(play_.m_nNextObjectId, before + (c.made ? 1 : 0));
    if (!c.made) continue;
    const cChara& chara = g_CharaList.front();
    EXPECT_EQ(chara.m_dX, 20 * 32 - 15 + c.dx);
    EXPECT_EQ(chara.m_dY, 20 * 32 - 15 + c.dy);
    EXPECT_EQ(chara.m_nBlockKey, 3);
    EXPECT_EQ(chara.m_nFacing, 1);
    EXPECT_EQ(play_.m_ObjGroup.CheckedVectorAt(3), (cList<int32_t>{chara.m_nId}));
  }
}

TEST_F(StageSpawnTest, SummonSettingsGiveLifeTimeParentAttackAndNoScore) {
  cStageLayout layout;
  layout.nCollisionLevel = 3;
  ASSERT_TRUE(Build(layout));
  const int32_t L = g_Stage.m_nSubSteps;
  cChara& parent = g_CharaList.emplace_back();
  parent.m_nId = play_.m_nNextObjectId++;
  play_.m_CharaIds.Put(parent.m_nId, &parent);
  set_.m_bShotOpt6 = 1;   // life time on
  set_.m_nRange = 5;      // tenths of a second
  set_.m_bShotOpt16 = 1;  // no defeat score
  set_.m_bShotOpt17 = 1;  // hits count as the parent's
  set_.m_bShotOpt18 = 4;
  cCharaDef def = Summoned();
  def.m_nScore = 300;
  def.m_nCopies = 1;
  def.m_nOffsetXStep = 32;
  play_.SpawnCharaAt(g_CharaList, 600, 500, 2, 0, &set_, &def, &play_.m_nNextObjectId, &parent);
  ASSERT_EQ(g_CharaList.size(), 3u);
  for (auto it = std::next(g_CharaList.begin()); it != g_CharaList.end(); ++it) {
    EXPECT_EQ(it->m_nLife, 5 * L * 6);
    EXPECT_EQ(it->m_bParentAttack, 1);
    EXPECT_EQ(it->m_nParentFlowId, 4);
    EXPECT_EQ(it->m_nParentId, parent.m_nId);
    EXPECT_EQ(it->m_Def.m_nScore, 0);
    EXPECT_EQ(it->m_Targets.CheckedVectorAt(0), Hero().m_nId);
  }
  EXPECT_EQ(std::next(g_CharaList.begin(), 2)->m_nIndex, 1);
  EXPECT_EQ(parent.m_TargetedBy.VectorSize(), 2);
}

TEST_F(StageSpawnTest, AnItemIsMovedByItsOffsetAndOutsideTheStageIsNotMade) {
  ASSERT_TRUE(Build(cStageLayout()));
  cItemDef def;
  def.m_nGraphic = 7;
  def.m_nExtra1 = 5;
  def.m_nExtra2 = -3;
  set_.m_bShotOpt6 = 1;
  set_.m_nRange = 2;
  play_.SpawnItemAt(g_ItemList, 500, 500, &set_, &def, &play_.m_nNextItemId);
  play_.SpawnItemAt(g_ItemList, -900, 500, &set_, &def, &play_.m_nNextItemId);
  ASSERT_EQ(g_ItemList.size(), 1u);
  const cItem& item = g_ItemList.front();
  EXPECT_EQ(item.m_dX, 500 + item.m_nGraphicOffsetX + 5);
  EXPECT_EQ(item.m_dY, 500 + item.m_nGraphicOffsetY - 3);
  EXPECT_EQ(item.m_nLife, 2 * g_Stage.m_nSubSteps * 6);
  EXPECT_EQ(play_.m_nNextItemId, 1);
  EXPECT_EQ(play_.FindItemById(0), &item);
}

class BlockSummonTest : public StageWorld {
 protected:
  void SetUp() override {
    StageWorld::SetUp();
    cStageLayout layout;
    layout.Solid = {{5, 5}};  // grid cell (15, 15)
    ASSERT_TRUE(Build(layout));
    block_.m_nGraphic = 9;
    block_.m_nHitClass = kBlockSolid;
  }

  cBlock& Cell(int32_t c, int32_t r) { return *BlockAt(c, r); }
  // The cells the case wrote through Cell are taken into the grid's entries first.
  void Summon(int32_t c, int32_t r) {
    g_BlockGrid.RefreshCells();
    play_.ReplaceBlockAt(c * 32.0, r * 32.0, &set_, &block_);
  }

  cEdShot set_;
  cBlockDef block_;
};

TEST_F(BlockSummonTest, PlaceEraseAndToggleByMode) {
  struct Case {
    const char* name;
    int8_t mode;
    bool occupied;
    int16_t graphic;  // afterwards
    bool toggled;
  } const cases[] = {
      {"place into empty", 0, false, 9, false},   {"place over a block", 0, true, 9, false},
      {"erase a block", 1, true, 0, false},       {"erase empty", 1, false, 0, false},
      {"toggle empty: placed", 2, false, 9, true}, {"toggle a block: erased", 2, true, 0, true},
      {"unknown mode", 3, true, 1, false},
  };
  int32_t row = 12;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ++row;
    if (c.occupied) Cell(20, row).Def() = g_Stage.m_PlacedBlocks.front();
    Cell(20, row).m_bMet = 1;
    set_.m_nBlockMode = c.mode;
    play_.m_ToggledCells.clear();
    Summon(20, row);
    EXPECT_EQ(Cell(20, row).m_nGraphic, c.graphic);
    if (c.mode <= 2) {
      EXPECT_EQ(Cell(20, row).m_bMet, 0);
    }
    EXPECT_EQ(play_.m_ToggledCells.VectorSize(), c.toggled ? 1 : 0);
  }
}

TEST_F(BlockSummonTest, AToggledCellStaysAsItIsForTheRestOfTheSceneAcrossRestarts) {
  set_.m_nBlockMode = 2;
  Summon(20, 20);
  EXPECT_EQ(Cell(20, 20).m_nGraphic, 9);
  Summon(20, 20);
  EXPECT_EQ(Cell(20, 20).m_nGraphic, 9);
  ASSERT_TRUE(play_.SetStage(0, 0));
  EXPECT_EQ(Cell(20, 20).m_nGraphic, 0);  // the grid is rebuilt ...
  Summon(20, 20);
  EXPECT_EQ(Cell(20, 20).m_nGraphic, 0);  // ... the record of the toggle is not
}

TEST_F(BlockSummonTest, ProtectedCellsByTheOldAndTheNewRule) {
  struct Case {
    const char* name;
    int32_t legacy637;
    bool hasGraphic;
    bool replaced;
  } const cases[] = {
      {"new rule, protected block", 0, true, false},
      {"new rule, protected empty cell", 0, false, true},
      {"old rule, protected block", 1, true, false},
      {"old rule, protected empty cell", 1, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    g_SystemData.m_bLegacy637 = c.legacy637;
    cBlock& cell = Cell(22, 22);
    cell.Def() = cBlockDef();
    cell.m_nGraphic = c.hasGraphic ? 3 : 0;
    cell.m_bNoReplace = 1;
    set_.m_nBlockMode = 0;
    Summon(22, 22);
    EXPECT_EQ(cell.m_nGraphic, c.replaced ? 9 : (c.hasGraphic ? 3 : 0));
  }
}

TEST_F(BlockSummonTest, ABlockOnTheHeroIsUndoneOnlyWithTheUndoSwitch) {
  cHero& hero = Hero();
  const int32_t c = TruncToInt(hero.m_dX) >> 5;
  const int32_t r = TruncToInt(hero.m_dY) >> 5;
  for (int8_t undo : {0, 1}) {
    SCOPED_TRACE(undo);
    Cell(c, r).Def() = cBlockDef();
    Cell(c, r).m_nGraphic = 0;
    Cell(c, r).m_bMet = 1;
    hero.m_nPostureFrames = 0;
    set_.m_nBlockMode = 0;
    set_.m_bShotOpt14 = undo;
    Summon(c, r);
    EXPECT_EQ(hero.m_nPostureFrames, 2);  // the squeeze rescue is open either way
    EXPECT_EQ(Cell(c, r).m_nGraphic, undo ? 0 : 9);
    EXPECT_EQ(Cell(c, r).m_bMet, undo ? 1 : 0);
  }
  // A toggle that was undone is not recorded.
  Cell(c, r).Def() = cBlockDef();
  Cell(c, r).m_nGraphic = 0;
  set_.m_nBlockMode = 2;
  set_.m_bShotOpt14 = 1;
  play_.m_ToggledCells.clear();
  Summon(c, r);
  EXPECT_TRUE(play_.m_ToggledCells.empty());
}

TEST_F(BlockSummonTest, AColumnPastTheStrideOrOffTheGridChangesNoCell) {
  // 20 blocks wide: 40 columns, stride 64. Column 50 would be row + 1's cell 50 - 64.
  set_.m_nBlockMode = 0;
  auto graphics = [] {
    std::vector<int32_t> all;
    for (const cBlock& block : g_BlockGrid) all.push_back(block.m_nGraphic);
    return all;
  };
  const std::vector<int32_t> before = graphics();
  play_.ReplaceBlockAt(50 * 32.0, 20 * 32.0, &set_, &block_);
  play_.ReplaceBlockAt(-64.0, 20 * 32.0, &set_, &block_);
  play_.ReplaceBlockAt(20 * 32.0, 1e12, &set_, &block_);
  play_.ReplaceBlockAt(std::nan(""), 20 * 32.0, &set_, &block_);
  EXPECT_EQ(graphics(), before);
  EXPECT_EQ(TakeCloseRequests(), 0);
}

TEST_F(BlockSummonTest, ABlockOnAnEnabledCharaIsUndoneByItsOwnSwitch) {
  cStageLayout layout;
  WriteStage(layout, g_Stage);
  cCharaDef& def = g_Stage.m_PlacedCharas.emplace_back();
  def.m_nX = 8;
  def.m_nY = 6;
  def.m_nControl = cCharaDef::kControlComputer;
  def.m_nGraphic = 1;
  def.m_nMaxHp = 1;
  def.m_nCarriedItem = -1;
  def.m_nFly = 1;
  g_StageInitial.TakeHeaderOf(g_Stage);
  ASSERT_TRUE(play_.SetStage(0, 1));
  cChara& chara = g_CharaList.front();
  ASSERT_EQ(chara.m_bEnabled, 1);
  const int32_t c = TruncToInt(chara.m_dX) >> 5;
  const int32_t r = TruncToInt(chara.m_dY) >> 5;
  struct Case {
    int8_t undoHero, undoChara;
    bool undone;
  } const cases[] = {{0, 0, false}, {1, 0, false}, {0, 1, true}};
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << int{k.undoHero} << int{k.undoChara});
    Cell(c, r).Def() = cBlockDef();
    Cell(c, r).m_nGraphic = 0;
    chara.m_nPostureFrames = 0;
    set_.m_nBlockMode = 0;
    set_.m_bShotOpt14 = k.undoHero;
    set_.m_bShotOpt15 = k.undoChara;
    Summon(c, r);
    EXPECT_EQ(chara.m_nPostureFrames, 2);
    EXPECT_EQ(Cell(c, r).m_nGraphic, k.undone ? 0 : 9);
  }
}

}  // namespace
