#pragma once
// Grid probes: which cell of the block grid an object's edge, floor or
// corners meet, the most solid one winning.
//
// Probe points never leave the probe area: x within [0, Bx - 1] and y within
// [0, By - 1], the bounds being the stage's scroll extents plus 640 dots, kept
// within [32, the grid's extent]. Every cell is read through the grid lookup,
// so a point off the grid is an empty, passable block. For a 20 x 15 stage
// (grid 40 x 35 cells) and a 32 x 32 chara of group 0 at (100, 200):
//
//   cProbeArea area = ProbeAreaOf(g_BlockGrid, 640 + 20 * 32, 640 + 15 * 32);
//   cProbeBody body{0, 1, 32, 32};
//   ProbeEdgeCell(g_BlockGrid, area, body, 131, 200, 131, 231);  // right edge
//       // the cell of (131, 200) or of (131, 231), the upper on a tie
//   PickCornerCell(g_BlockGrid, 3, 6, 4, 7, 0);                  // four corners

#include <cstdint>

#include "stage/grid/block_grid.h"

// The reach of the probes in dots.
struct cProbeArea {
  int32_t nBoundX = 32;
  int32_t nBoundY = 32;
};

// What the probes need of an object: its group (the block key), its scale
// and its size at scale 1.
struct cProbeBody {
  int8_t nKey = 0;
  int32_t nScale = 1;
  int32_t nWidthBase = 0;
  int32_t nHeightBase = 0;
};

// Bounds from the stored probe reaches (scroll extra + 640), each kept within
// [32, the grid's extent in dots] so no point reaches past the grid.
cProbeArea ProbeAreaOf(const cBlockGrid& grid, int64_t nReachX, int64_t nReachY);

// The hit class of cell (column, row) for group nKey; 0 off the grid.
// Inline, with CellIndexHitClass: every probe point asks one.
[[gnu::always_inline]] inline int8_t CellHitClass(cBlockGrid& grid, int32_t nColumn, int32_t nRow, int8_t nKey) {
  const int32_t cell = grid.CellIndex(nColumn, nRow);
  return cell < 0 ? 0 : grid.HitClassAt(cell, nKey);
}
// The hit class of a cell index for group nKey; 0 for -1 (no cell).
[[gnu::always_inline]] inline int8_t CellIndexHitClass(cBlockGrid& grid, int32_t nCell, int8_t nKey) {
  return grid.HasCell(nCell) ? grid.HitClassAt(nCell, nKey) : 0;
}

// The cell with the highest hit class along one edge (x1 = x2: a vertical
// edge walked down from y1; y1 = y2: a horizontal edge walked right from x1,
// ties going to the point nearest the middle). The points lie the size at
// scale 1 minus one apart, scale + 1 of them. 0 for any other pair of points.
int32_t ProbeEdgeCell(cBlockGrid& grid, const cProbeArea& area, const cProbeBody& body, int32_t x1,
                      int32_t y1, int32_t x2, int32_t y2);

// The floor cell under a body from dX to dRight whose bottom edge is dBottom:
// scale + 1 points (scale + 2 when odd, so there is a middle one), the most
// solid cell nearest the middle winning. A scale below 1 counts as 1.
int32_t PickFloorCell(cBlockGrid& grid, const cProbeArea& area, int8_t nKey, int32_t nScale,
                      int32_t nWidth, double dX, double dRight, double dBottom);

// Of the cells at the corners (columns left and right, rows top and bottom),
// the first with the highest hit class, in the order top-left, top-right,
// bottom-left, bottom-right; -1 when that corner lies off the grid.
int32_t PickCornerCell(cBlockGrid& grid, int32_t nLeft, int32_t nTop, int32_t nRight,
                       int32_t nBottom, int8_t nKey);
