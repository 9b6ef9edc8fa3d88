#include <gtest/gtest.h>

#include "records/script/condition.h"
#include "stage/grid/block_grid.h"
#include "shot_world.h"

namespace {

class ShotBlocksTest : public ShotWorld {
 protected:
  // A projectile of group 1 whose box is set to w x h at (x, y).
  cShot Box(double x, double y, int32_t w, int32_t h) {
    cChara& shooter = AddShooter(next_++);
    cShot shot = Made(&shooter, Settings(), Launch(700, 700, 1, 0));
    shot.m_dX = x;
    shot.m_dY = y;
    shot.m_nWidth = w;
    shot.m_nHeight = h;
    return shot;
  }

  static cBlock& MakeSolid(int32_t column, int32_t row) {
    cBlock* block = BlockAt(column, row);
    EXPECT_NE(block, nullptr);
    block->m_nHitClass = kBlockSolid;
    block->m_nExemptGroup = 255;
    g_BlockGrid.RefreshCells();
    return *block;
  }

  static void ClearGrid() {
    for (cBlock& block : g_BlockGrid) block.m_nHitClass = 0;
    g_BlockGrid.RefreshCells();
  }

  // A condition that draws one random number each time the block is asked
  // and never holds: stage variable 1 equals a number from 1000 to 1000.
  static void AddRandomCondition(cBlock& block) {
    cCondition cond;
    cond.m_nKind = kCondStatus;
    cond.m_nLeftType = 1;
    cond.m_nLeftScope = 1;
    cond.m_nIndex = 1;
    cond.m_nCompare = kCompareEqual;
    cond.m_nRightType = kRightRandom;
    cond.m_nRandomMin = 1000;
    cond.m_nRandomMax = 1000;
    block.m_Conditions.push_back(cond);
    g_BlockGrid.RefreshCells();
  }

  int32_t next_ = 1;
};

TEST_F(ShotBlocksTest, AWideShotSamplesEveryCellWidthAndItsLastDot) {
  // 48 x 16 at x 500: offsets 0, 32 and 47 fall in columns 15, 16 and 17.
  struct Case {
    int32_t column;
    int32_t hits;
  } const cases[] = {{14, 0}, {15, 1}, {16, 1}, {17, 1}, {18, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.column);
    ClearGrid();
    MakeSolid(c.column, 15);
    EXPECT_EQ(Box(500, 480, 48, 16).HitsBlock(), c.hits);
  }
}

TEST_F(ShotBlocksTest, ANarrowShotTestsOnlyItsCorners) {
  // 16 x 80 at (480, 480) covers rows 15 to 17 of column 15.
  struct Case {
    int32_t row;
    int32_t hits;
  } const cases[] = {{15, 1}, {16, 0}, {17, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    ClearGrid();
    MakeSolid(15, c.row);
    EXPECT_EQ(Box(480, 480, 16, 80).HitsBlock(), c.hits);
  }
}

TEST_F(ShotBlocksTest, BlocksThatDoNotStopTheShot) {
  ClearGrid();
  cBlock& block = MakeSolid(15, 15);
  cShot shot = Box(480, 480, 16, 16);
  ASSERT_EQ(shot.HitsBlock(), 1);

  shot.m_Settings.m_bShotOpt9 = 1;  // passes through blocks
  EXPECT_EQ(shot.HitsBlock(), 0);
  shot.m_Settings.m_bShotOpt9 = 0;

  block.m_nExemptGroup = 1;  // the shot's group
  g_BlockGrid.RefreshCells();
  EXPECT_EQ(shot.HitsBlock(), 0);
  block.m_nExemptGroup = 255;

  cCondition cond;  // stage variable 1 is 1: it is 0
  cond.m_nKind = kCondStageVar;
  cond.m_nIndex = 1;
  cond.m_nValue = 1;
  block.m_Conditions.push_back(cond);
  g_BlockGrid.RefreshCells();
  EXPECT_EQ(shot.HitsBlock(), 0);
}

TEST_F(ShotBlocksTest, CornersSharingAConditionalBlockEachAskIt) {
  // 16 x 16 at (480, 480): all four corners lie in cell (15, 15). A block with
  // conditions answers for itself on every asking, and a random operand draws
  // each time; asking the shared cell once would leave the stage's generator
  // behind where replays expect it.
  ClearGrid();
  cBlock& block = MakeSolid(15, 15);
  AddRandomCondition(block);

  cRandom expected = play_.m_Random;
  for (int32_t corner = 0; corner < 4; ++corner) expected.Rand();
  EXPECT_EQ(Box(480, 480, 16, 16).HitsBlock(), 0);
  EXPECT_EQ(play_.m_Random.m_nState, expected.m_nState);
}

TEST_F(ShotBlocksTest, AConditionalCornerIsAskedOnlyWhenTheCornersBeforeItMiss) {
  // 16 x 16 at (504, 480) spans columns 15 and 16 of row 15: the left corners
  // come first, then the right ones. A block with conditions in column 16
  // draws once per asking, and only if no corner before it stopped the shot.
  struct Case {
    const char* name;
    bool solidLeft;
    int32_t hits;
    int32_t draws;
  } const cases[] = {
      {"plain passable left, conditional right", false, 0, 2},
      {"solid left stops before the conditional", true, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClearGrid();
    if (c.solidLeft) MakeSolid(15, 15);
    cBlock& block = MakeSolid(16, 15);
    block.m_Conditions.clear();
    AddRandomCondition(block);

    cRandom expected = play_.m_Random;
    for (int32_t draw = 0; draw < c.draws; ++draw) expected.Rand();
    EXPECT_EQ(Box(504, 480, 16, 16).HitsBlock(), c.hits);
    EXPECT_EQ(play_.m_Random.m_nState, expected.m_nState);
    block.m_Conditions.clear();
  }
}

TEST_F(ShotBlocksTest, CellsOutsideTheGridAreEmptyAndNeverAliased) {
  ClearGrid();
  cBlockGrid& grid = g_BlockGrid;
  const int32_t stride = grid.Stride();
  ASSERT_LT(grid.m_nColumns, stride);
  // Cell index column + (row << shift): columns -2 and -1 of row 1 would land
  // on the last two cells of row 0, columns stride.. of row 1 on row 2.
  grid.CheckedVectorAt(stride - 2).m_nHitClass = kBlockSolid;
  grid.CheckedVectorAt(stride - 1).m_nHitClass = kBlockSolid;
  for (int32_t column = 0; column < 8; ++column) MakeSolid(column, 2);
  grid.RefreshCells();
  ASSERT_EQ(Box(0, 64, 16, 16).HitsBlock(), 1);  // the fixture's row 2 is solid

  const int32_t wide = 32 * (stride + 8);  // far wider than the stage
  struct Case {
    const char* name;
    double x, y;
    int32_t w, h;
  } const cases[] = {
      {"wider than the stage at negative x", -64, 40, wide, 16},
      {"below the grid", 40, 32.0 * grid.m_nRows + 8, 16, 16},
      {"above the grid", 40, -40, 16, 16},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Box(c.x, c.y, c.w, c.h).HitsBlock(), 0);
  }
  EXPECT_EQ(TakeCloseRequests(), 0);
}

}  // namespace
