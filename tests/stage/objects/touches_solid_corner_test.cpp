// The block test of an object's four corner cells, including bodies that
// reach past the ends of the grid.
#include <gtest/gtest.h>

#include "object_world.h"
#include "stage/grid/block_grid.h"

namespace {

class SolidCorner : public ObjectWorld {
 protected:
  // The grid: 50 columns, 40 rows, stride 64.
  static cBlock& Cell(int32_t column, int32_t row) { return *BlockAt(column, row); }

  static void Solid(int32_t column, int32_t row, uint8_t exemptGroup = kNoExemptGroup) {
    Cell(column, row).m_nHitClass = kBlockSolid;
    Cell(column, row).m_nExemptGroup = exemptGroup;
    g_BlockGrid.RefreshCell(g_BlockGrid.CellIndex(column, row));
  }

  // A body of w x h at (x, y) with its cells taken by the clamps' edge update.
  cGameObject Body(double x, double y, int32_t w, int32_t h, int32_t key = 0) {
    cGameObject object = Object(x, y, w, h);
    object.m_nBlockKey = key;
    object.ClampXMode(9);
    object.ClampYMode(9);
    return object;
  }
};

TEST_F(SolidCorner, EachCornerCounts) {
  // Body 40 x 40 at (330, 340): columns 10..11, rows 10..11.
  struct Case {
    const char* name;
    int32_t column, row;
  };
  const Case cases[] = {{"left top", 10, 10}, {"left bottom", 10, 11}, {"right top", 11, 10}, {"right bottom", 11, 11}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Solid(c.column, c.row);
    EXPECT_EQ(Body(330, 340, 40, 40).TouchesSolidCorner(), 1);
    Cell(c.column, c.row).m_nHitClass = 0;
    g_BlockGrid.RefreshCell(g_BlockGrid.CellIndex(c.column, c.row));
  }
  Solid(12, 10);  // beside the body
  Solid(10, 9);   // above it
  EXPECT_EQ(Body(330, 340, 40, 40).TouchesSolidCorner(), 0);
}

TEST_F(SolidCorner, OnlyTheCornersAreLookedAt) {
  Solid(11, 10);  // the middle column of a body three cells wide
  EXPECT_EQ(Body(330, 340, 80, 20).TouchesSolidCorner(), 0);
}

TEST_F(SolidCorner, ExemptGroupPassesThrough) {
  Solid(10, 10, 3);
  EXPECT_EQ(Body(330, 340, 20, 20, 3).TouchesSolidCorner(), 0);
  EXPECT_EQ(Body(330, 340, 20, 20, 2).TouchesSolidCorner(), 1);
}

TEST_F(SolidCorner, CornersOutsideTheGridHoldNoBlock) {
  // Every cell that a wrong address would reach is solid.
  for (int32_t column = 0; column < 50; ++column) Solid(column, 0), Solid(column, 39);
  for (int32_t row = 0; row < 40; ++row) {
    Solid(0, row);
    Solid(49, row);
    // The unused cells at the end of each row (stride 64, 50 columns): where
    // column -1 of the next row or column 63 of this one would be read.
    g_BlockGrid.CheckedVectorAt(63 + (row << 6)).m_nHitClass = kBlockSolid;
    g_BlockGrid.RefreshCell(63 + (row << 6));
  }
  struct Case {
    const char* name;
    double x, y;
    int32_t w, h;
  };
  const Case cases[] = {
      {"above row 0", 500, -40, 20, 20},
      {"left of column 0", -40, 500, 20, 20},
      {"taller than the margin, both ends outside", 500, -400, 20, 1800},
      {"right edge past the last column", 1605, 500, 20, 20},
      {"past the stride: the next row's column 0", 2050, 500, 20, 20},
      {"below the last row", 500, 1290, 20, 20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Body(c.x, c.y, c.w, c.h).TouchesSolidCorner(), 0);
  }
  EXPECT_EQ(TakeCloseRequests(), 0);
}

}  // namespace
