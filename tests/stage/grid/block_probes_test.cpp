#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <vector>

#include "records/script/condition.h"
#include "stage/grid/block_grid.h"
#include "stage/grid/block_probes.h"
#include "support/stage_world.h"

// Grid cells are addressed by grid column and row (the stage's block (0, 0)
// is grid cell (10, 10)); classes are set on the built grid directly.
class BlockProbesTest : public StageWorld {
 protected:
  void BuildEmpty(int32_t width = 20, int32_t height = 15) {
    cStageLayout layout;
    layout.nWidth = width;
    layout.nHeight = height;
    ASSERT_TRUE(Build(layout));
    area_ = ProbeAreaOf(g_BlockGrid, INT64_MAX, INT64_MAX);
  }
  void SetClass(int32_t column, int32_t row, int8_t hit) {
    cBlock* block = BlockAt(column, row);
    ASSERT_NE(block, nullptr);
    block->m_nHitClass = hit;
    block->m_nExemptGroup = 255;
    g_BlockGrid.RefreshCell(Cell(column, row));
  }
  int32_t Cell(int32_t column, int32_t row) const { return g_BlockGrid.CellIndex(column, row); }

  cProbeArea area_;
};

TEST_F(BlockProbesTest, BoundsAreTheReachKeptWithinTheGrid) {
  BuildEmpty();  // 40 x 35 cells: 1280 x 1120 dots
  struct Case {
    int64_t reachX, reachY;
    int32_t boundX, boundY;
  } const cases[] = {
      {640, 640, 640, 640},
      {640 + 20 * 32, 640 + 15 * 32, 1280, 1120},
      {int64_t{INT32_MAX} + 640, INT64_MAX, 1280, 1120},  // no overflow past the grid
      {0, -5, 32, 32},
      {INT64_MIN, 31, 32, 32},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.reachX << "," << c.reachY);
    const cProbeArea area = ProbeAreaOf(g_BlockGrid, c.reachX, c.reachY);
    EXPECT_EQ(area.nBoundX, c.boundX);
    EXPECT_EQ(area.nBoundY, c.boundY);
  }
}

TEST_F(BlockProbesTest, VerticalEdgeOfAScaledCharaTestsOnePointPerUnscaledHeight) {
  BuildEmpty();
  const cProbeBody body{0, 2, 32, 32};  // scale 2: points y, y + 31, y + 62
  const int32_t x = 15 * 32 + 4, y = 12 * 32;
  SetClass(15, 13, kBlockSolid);  // y + 62 = row 12 * 32 + 62: row 13
  EXPECT_EQ(ProbeEdgeCell(g_BlockGrid, area_, body, x, y, x, y + 63), Cell(15, 13));
  SetClass(15, 13, 0);
  SetClass(15, 14, kBlockSolid);  // y + 64 lies past the last point
  const int32_t found = ProbeEdgeCell(g_BlockGrid, area_, body, x, y, x, y + 63);
  EXPECT_EQ(CellIndexHitClass(g_BlockGrid, found, 0), 0);
  // Ties keep the upper point; a higher class below still wins.
  SetClass(15, 12, kBlockSolid);
  SetClass(15, 13, kBlockSolid);
  EXPECT_EQ(ProbeEdgeCell(g_BlockGrid, area_, body, x, y, x, y + 63), Cell(15, 12));
  SetClass(15, 13, kBlockDeadly);
  EXPECT_EQ(ProbeEdgeCell(g_BlockGrid, area_, body, x, y, x, y + 63), Cell(15, 13));
}

TEST_F(BlockProbesTest, HorizontalEdgePrefersTheMostSolidCellThenTheMiddle) {
  BuildEmpty();
  const cProbeBody body{0, 2, 32, 32};  // points x, x + 31, x + 62 on a 63-dot edge
  const int32_t x = 14 * 32 + 16, y = 20 * 32 + 8;  // mid 495
  struct Case {
    int8_t left, middle, right;
    int32_t column;
  } const cases[] = {
      {1, 1, 1, 15},  // the middle one
      {2, 1, 1, 14},  // the most solid one
      {1, 0, 1, 14},  // equal distance: the earlier
      {0, 0, 0, 15},  // nothing solid: still the middle
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << +c.left << +c.middle << +c.right);
    SetClass(14, 20, c.left);
    SetClass(15, 20, c.middle);
    SetClass(16, 20, c.right);
    EXPECT_EQ(ProbeEdgeCell(g_BlockGrid, area_, body, x, y, x + 62, y), Cell(c.column, 20));
  }
  // Neither vertical nor horizontal: no cell.
  EXPECT_EQ(ProbeEdgeCell(g_BlockGrid, area_, body, x, y, x + 62, y + 1), 0);
}

TEST_F(BlockProbesTest, AProbePastTheRowNeverReachesTheNextRowsCells) {
  BuildEmpty(12, 5);  // 32 columns fill the stride of 32
  SetClass(0, 11, kBlockSolid);  // what column 32 of row 10 would alias to
  SetClass(31, 10, 0);
  const cProbeBody body{0, 1, 32, 32};
  const int32_t found = ProbeEdgeCell(g_BlockGrid, area_, body, 5000, 10 * 32, 5000, 10 * 32 + 31);
  EXPECT_EQ(found, Cell(31, 10));
  // Rows past the grid stop at its last row.
  const int32_t below = ProbeEdgeCell(g_BlockGrid, area_, body, 40, INT32_MAX, 40, INT32_MAX);
  EXPECT_EQ(below, Cell(1, g_BlockGrid.m_nRows - 1));
  // A huge scale walks to the bound and stops there.
  const cProbeBody giant{0, INT32_MAX, 32, 32};
  EXPECT_EQ(ProbeEdgeCell(g_BlockGrid, area_, giant, 40, 0, 40, 31), Cell(1, 0));
}

TEST_F(BlockProbesTest, FloorPointsFavourTheMiddleAmongTheMostSolid) {
  BuildEmpty();
  // Scale 2, 64 dots: points 464, 496 and the right edge 527; the middle is 495.
  const double left = 14 * 32 + 16, right = left + 63, bottom = 20 * 32 + 2;
  struct Case {
    int8_t left, middle, right;
    int32_t column;
  } const cases[] = {
      {1, 1, 1, 15},
      {2, 1, 1, 14},
      {1, 0, 1, 14},  // 31 dots from the middle beats 32
      {0, 0, 2, 16},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << +c.left << +c.middle << +c.right);
    SetClass(14, 20, c.left);
    SetClass(15, 20, c.middle);
    SetClass(16, 20, c.right);
    EXPECT_EQ(PickFloorCell(g_BlockGrid, area_, 0, 2, 64, left, right, bottom), Cell(c.column, 20));
  }
}

TEST_F(BlockProbesTest, FloorPickSurvivesOddScalesAndPointsOffTheGrid) {
  BuildEmpty();
  SetClass(14, 20, kBlockSolid);
  SetClass(15, 20, kBlockSolid);
  const double left = 14 * 32 + 4, right = left + 31, bottom = 20 * 32 + 2;
  // Scale 0 would divide by zero: it counts as 1.
  EXPECT_EQ(PickFloorCell(g_BlockGrid, area_, 0, 0, 32, left, right, bottom),
            PickFloorCell(g_BlockGrid, area_, 0, 1, 32, left, right, bottom));
  // Scale 127: 129 points over a 127-block-wide body, clamped to the grid.
  SetClass(39, 20, kBlockDeadly);
  const int32_t wide = PickFloorCell(g_BlockGrid, area_, 0, 127, 127 * 32, left, left + 127 * 32 - 1, bottom);
  EXPECT_EQ(wide, Cell(39, 20));
  // A body left of and below the grid reads passable cells instead of others.
  const int32_t off = PickFloorCell(g_BlockGrid, area_, 0, 1, 32, -500, -469, 1e12);
  EXPECT_EQ(CellIndexHitClass(g_BlockGrid, off, 0), 0);
  EXPECT_EQ(PickFloorCell(g_BlockGrid, area_, 0, 1, 32, NAN, NAN, NAN), Cell(0, 0));
}

TEST_F(BlockProbesTest, CornersGoToTheFirstMostSolidAndOffGridCornersArePassable) {
  BuildEmpty();
  SetClass(20, 20, kBlockSolid);
  SetClass(21, 21, kBlockDeadly);
  EXPECT_EQ(PickCornerCell(g_BlockGrid, 20, 20, 21, 21, 0), Cell(21, 21));
  SetClass(21, 21, kBlockSolid);
  EXPECT_EQ(PickCornerCell(g_BlockGrid, 20, 20, 21, 21, 0), Cell(20, 20));
  // The exempt group passes.
  BlockAt(20, 20)->m_nExemptGroup = 3;
  g_BlockGrid.RefreshCell(Cell(20, 20));
  EXPECT_EQ(PickCornerCell(g_BlockGrid, 20, 20, 21, 21, 3), Cell(21, 21));
  // An object of 320 dots or more in the margin has corners off the grid.
  const int32_t off = PickCornerCell(g_BlockGrid, -12, -12, -1, 20, 0);
  EXPECT_EQ(CellIndexHitClass(g_BlockGrid, off, 0), 0);
  EXPECT_EQ(PickCornerCell(g_BlockGrid, -12, -12, 50, 50, 0), -1);
}

namespace block_probes_test {

// The edge walk written out plainly: every point visited until the points
// stand still (a block with conditions is asked once per point, and asking
// may draw), 64-bit sums.
int32_t ReferenceEdgeCell(cBlockGrid& grid, const cProbeArea& area, const cProbeBody& body, int32_t x1, int32_t y1,
                          int32_t x2, int32_t y2) {
  const auto clamp = [](int64_t v, int32_t bound) { return std::clamp<int64_t>(v, 0, bound - 1); };
  const int64_t ax = clamp(x1, area.nBoundX), bx = clamp(x2, area.nBoundX);
  const int64_t ay = clamp(y1, area.nBoundY), by = clamp(y2, area.nBoundY);
  int32_t best = -1, cell = 0;
  int64_t distance = 0;
  const auto offer = [&](int64_t x, int64_t y, int64_t d) {
    const int32_t at = grid.CellIndex(static_cast<int32_t>(x >> 5), static_cast<int32_t>(y >> 5));
    const int32_t hit = CellHitClass(grid, static_cast<int32_t>(x >> 5), static_cast<int32_t>(y >> 5), body.nKey);
    if (hit > best || (hit == best && d < distance)) best = hit, distance = d, cell = at;
  };
  for (int64_t i = 0, x = ax, y = ay, last = -1; i <= int64_t{body.nScale}; ++i) {
    if (ax == bx) {
      if (y == last) break;
      offer(ax, y, 0);
      last = y;
      y = clamp(y + body.nHeightBase - 1, area.nBoundY);
    } else if (ay == by) {
      if (x == last) break;
      offer(x, ay, std::llabs(x - ((ax + bx) >> 1)));
      last = x;
      x = clamp(x + body.nWidthBase - 1, area.nBoundX);
    }
  }
  return cell;
}

// A block condition: stage variable 1 is 1, or (drawing) a number drawn from
// 0 and 1 each time the block is asked is 1.
cCondition BlockCondition(bool drawing) {
  cCondition cond;
  cond.m_nKind = drawing ? kCondStatus : kCondStageVar;
  cond.m_nIndex = drawing ? 2 : 1;
  cond.m_nValue = 1;
  if (drawing) {
    cond.m_nLeftType = 1;  // stage variable 2, which stays 0, below the draw
    cond.m_nLeftScope = 1;
    cond.m_nCompare = kCompareLess;
    cond.m_nRightType = kRightRandom;
    cond.m_nRandomMax = 1;
  }
  return cond;
}

}  // namespace block_probes_test

// Random grids of plain, exempt and conditional cells, random areas, bodies
// and points in and beyond the bounds: the probe finds the cell the plain
// walk finds, sizes that would overflow 32-bit sums included. The probe that
// also answers the cell's class (inline for scale 1) asks the blocks with
// conditions exactly as often as the walk and a lookup of its cell do.
TEST_F(BlockProbesTest, EdgeProbeMatchesAPlainWalk) {
  std::mt19937 rng(20261211);
  const auto below = [&](int64_t n) { return std::uniform_int_distribution<int64_t>(0, n - 1)(rng); };
  const int32_t odd_sizes[] = {0, -5, INT32_MAX, INT32_MIN, 1000};
  const int32_t far_points[] = {INT32_MIN, -1, INT32_MAX};
  for (int32_t stage = 0; stage < 20; ++stage) {
    BuildEmpty(static_cast<int32_t>(1 + below(30)), static_cast<int32_t>(1 + below(20)));
    play_.m_StageVar.CheckedVectorAt(1) = static_cast<int32_t>(below(2));
    for (int32_t cell = 0; cell < g_BlockGrid.VectorSize(); ++cell) {
      cBlock& block = g_BlockGrid.CheckedVectorAt(cell);
      block.m_nHitClass = static_cast<int8_t>(below(5) == 0 ? below(256) - 128 : below(3));
      block.m_nExemptGroup = static_cast<uint8_t>(below(3) == 0 ? below(4) : 255);
      if (below(6) == 0) block.m_Conditions.push_back(block_probes_test::BlockCondition(below(2) == 0));
    }
    g_BlockGrid.RefreshCells();
    const int32_t extentX = g_BlockGrid.m_nColumns * 32, extentY = g_BlockGrid.m_nRows * 32;
    for (int32_t probe = 0; probe < 3000; ++probe) {
      const cProbeArea area = ProbeAreaOf(g_BlockGrid, below(extentX + 100), below(extentY + 100));
      const auto size = [&] { return below(20) == 0 ? odd_sizes[below(5)] : static_cast<int32_t>(1 + below(96)); };
      const cProbeBody body{static_cast<int8_t>(below(4)), static_cast<int32_t>(below(6)) - 1, size(), size()};
      const auto point = [&](int32_t bound) {
        return below(20) == 0 ? far_points[below(3)] : static_cast<int32_t>(below(bound + 400) - 200);
      };
      int32_t x1 = point(area.nBoundX), y1 = point(area.nBoundY), x2 = point(area.nBoundX), y2 = point(area.nBoundY);
      const int64_t shape = below(5);
      if (shape < 2) x2 = x1;
      if (shape >= 2 && shape < 4) y2 = y1;
      if (shape == 1) y2 = y1 + body.nHeightBase;
      SCOPED_TRACE(testing::Message() << "stage " << stage << " probe " << probe << " (" << x1 << "," << y1 << ")-("
                                      << x2 << "," << y2 << ") scale " << body.nScale << " size " << body.nWidthBase
                                      << "x" << body.nHeightBase);
      // Each asking of a block with conditions may draw: every probe starts
      // from the same draws and must leave them where the plain walk did.
      const cRandom start = play_.m_Random;
      const int32_t want = block_probes_test::ReferenceEdgeCell(g_BlockGrid, area, body, x1, y1, x2, y2);
      const uint32_t walked = play_.m_Random.m_nState;
      const int8_t wantClass = CellIndexHitClass(g_BlockGrid, want, body.nKey);
      const uint32_t asked = play_.m_Random.m_nState;
      play_.m_Random = start;
      ASSERT_EQ(ProbeEdgeCell(g_BlockGrid, area, body, x1, y1, x2, y2), want);
      ASSERT_EQ(play_.m_Random.m_nState, walked);
      play_.m_Random = start;
      const cEdgeCell edge = ProbeEdge(g_BlockGrid, area, body, x1, y1, x2, y2);
      ASSERT_EQ(edge.nCell, want);
      ASSERT_EQ(edge.nClass, wantClass);
      ASSERT_EQ(play_.m_Random.m_nState, asked);
      // The left and right side tests hand a scale-1 edge its top as both
      // ends, its second point coming from the height alone.
      if (x2 == x1 && body.nScale == 1) {
        play_.m_Random = start;
        const cEdgeCell upright = ProbeEdge(g_BlockGrid, area, body, x1, y1, x1, y1);
        ASSERT_EQ(upright.nCell, want);
        ASSERT_EQ(upright.nClass, wantClass);
        ASSERT_EQ(play_.m_Random.m_nState, asked);
      }
    }
  }
}
