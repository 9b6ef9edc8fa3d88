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
//   ProbeEdge(g_BlockGrid, area, body, 131, 200, 131, 231);      // that cell and its class
//   PickCornerCell(g_BlockGrid, 3, 6, 4, 7, 0);                  // four corners

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "stage/grid/block_grid.h"

// The reach of the probes in dots.
struct cProbeArea {
  int32_t nBoundX = 32;
  int32_t nBoundY = 32;
};

// A cell of an edge and its hit class.
struct cEdgeCell {
  int32_t nCell = 0;
  int8_t nClass = 0;
};

// What the probes need of an object: its group (the block key), its scale
// and its size at scale 1.
struct cProbeBody {
  int8_t nKey = 0;
  int32_t nScale = 1;
  int32_t nWidthBase = 0;
  int32_t nHeightBase = 0;
};

namespace block_probes {

inline int32_t ClampBound(int64_t nReach, int32_t nExtent) {
  const int64_t upper = std::max<int64_t>(32, nExtent);
  return static_cast<int32_t>(std::clamp<int64_t>(nReach, 32, upper));
}

}  // namespace block_probes

// Bounds from the stored probe reaches (scroll extra + 640), each kept within
// [32, the grid's extent in dots] so no point reaches past the grid. Inline:
// every side test of every chara takes them.
[[gnu::always_inline]] inline cProbeArea ProbeAreaOf(const cBlockGrid& grid, int64_t nReachX, int64_t nReachY) {
  using block_probes::ClampBound;
  return {ClampBound(nReachX, grid.m_nColumns * 32), ClampBound(nReachY, grid.m_nRows * 32)};
}

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

namespace block_probes {

inline int32_t ClampPoint(int64_t value, int32_t nBound) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, 0, int64_t{nBound} - 1));
}

// Walks the points one after another; a later point wins only with a higher
// class, or with the same class and a smaller distance to the middle. It
// remembers whether the winner's class may be reused: a block with conditions
// must be asked again, as each asking may draw random numbers.
class cBestCell {
 public:
  [[gnu::always_inline]] void Offer(cBlockGrid& grid, int32_t nColumn, int32_t nRow, int8_t nKey,
                                    int64_t nDistance) {
    OfferCell(grid, grid.CellIndex(nColumn, nRow), nKey, nDistance);
  }
  // A cell index, -1 for a point off the grid.
  [[gnu::always_inline]] void OfferCell(cBlockGrid& grid, int32_t cell, int8_t nKey, int64_t nDistance) {
    const int8_t hit = cell < 0 ? 0 : grid.HitClassAt(cell, nKey);
    if (hit > m_nBest || (hit == m_nBest && nDistance < m_nDistance)) {
      m_nBest = hit;
      m_nDistance = nDistance;
      m_nCell = cell;
    }
  }
  int32_t Cell() const { return m_nCell; }
  // The cell and CellIndexHitClass of it, asked once more only when the
  // answer of the walk cannot stand for it.
  [[gnu::always_inline]] cEdgeCell Result(cBlockGrid& grid, int8_t nKey) const {
    if (m_nBest >= 0 && !grid.IsConditionalCell(m_nCell)) return {m_nCell, static_cast<int8_t>(m_nBest)};
    return {m_nCell, CellIndexHitClass(grid, m_nCell, nKey)};
  }

 private:
  int32_t m_nBest = -1;
  int64_t m_nDistance = 0;
  int32_t m_nCell = 0;
};

// The two points of a scale-1 edge as cells (-1 off the grid) with their
// distances to the middle; bSecond is false when the second point is the
// first again and must not be asked.
struct cTwoPoints {
  int32_t nCell0;
  int32_t nCell1;
  int64_t nDistance0;
  int64_t nDistance1;
  bool bSecond;
};

// cBestCell over two points. When neither cell has conditions their entries
// answer without effects, and a second point that repeats the first changes
// nothing, so the pick is made from the entries alone.
[[gnu::always_inline]] inline cEdgeCell PickOfTwo(cBlockGrid& grid, const cTwoPoints& points, int8_t nKey) {
  if (points.nCell0 >= 0 && points.nCell1 >= 0) {
    const cCellHit first = grid.CellHitAt(points.nCell0);
    const cCellHit second = grid.CellHitAt(points.nCell1);
    if (AnswersAlone(first) && AnswersAlone(second)) {
      const int8_t hit0 = PlainHitClass(first, nKey);
      const int8_t hit1 = PlainHitClass(second, nKey);
      // The first point wins over "nothing yet" (-1 at distance 0) with any
      // class of 0 or more.
      if (hit0 >= 0 && (hit1 < hit0 || (hit1 == hit0 && points.nDistance1 >= points.nDistance0))) {
        return {points.nCell0, hit0};
      }
      if (hit1 >= 0) return {points.nCell1, hit1};
    }
  }
  cBestCell best;
  best.OfferCell(grid, points.nCell0, nKey, points.nDistance0);
  if (points.bSecond) best.OfferCell(grid, points.nCell1, nKey, points.nDistance1);
  return best.Result(grid, nKey);
}

}  // namespace block_probes

// The cell with the highest hit class along one edge (x1 = x2: a vertical
// edge walked down from y1; y1 = y2: a horizontal edge walked right from x1,
// ties going to the point nearest the middle). The points lie the size at
// scale 1 minus one apart, scale + 1 of them. 0 for any other pair of points.
int32_t ProbeEdgeCell(cBlockGrid& grid, const cProbeArea& area, const cProbeBody& body, int32_t x1,
                      int32_t y1, int32_t x2, int32_t y2);

// ProbeEdgeCell and CellIndexHitClass of the cell it finds, with the same
// lookups of blocks with conditions in the same order. Collision probes every
// side of every chara on every sub-step, nearly all at scale 1: two points,
// walked here inline; other scales take ProbeEdgeCell.
[[gnu::always_inline]] inline cEdgeCell ProbeEdge(cBlockGrid& grid, const cProbeArea& area, const cProbeBody& body,
                                                  int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  if (body.nScale != 1) {
    const int32_t cell = ProbeEdgeCell(grid, area, body, x1, y1, x2, y2);
    return {cell, CellIndexHitClass(grid, cell, body.nKey)};
  }
  using block_probes::ClampPoint;
  x1 = ClampPoint(x1, area.nBoundX);
  x2 = ClampPoint(x2, area.nBoundX);
  y1 = ClampPoint(y1, area.nBoundY);
  y2 = ClampPoint(y2, area.nBoundY);
  if (x1 == x2) {
    const int32_t column = x1 >> 5;
    const int32_t next = ClampPoint(int64_t{y1} + body.nHeightBase - 1, area.nBoundY);
    return block_probes::PickOfTwo(
        grid, {grid.CellIndex(column, y1 >> 5), grid.CellIndex(column, next >> 5), 0, 0, next != y1}, body.nKey);
  }
  if (y1 == y2) {
    const int32_t row = y1 >> 5;
    const int32_t mid = (x1 + x2) >> 1;
    const int32_t next = ClampPoint(int64_t{x1} + body.nWidthBase - 1, area.nBoundX);
    return block_probes::PickOfTwo(grid,
                                   {grid.CellIndex(x1 >> 5, row), grid.CellIndex(next >> 5, row),
                                    std::llabs(int64_t{x1} - mid), std::llabs(int64_t{next} - mid), next != x1},
                                   body.nKey);
  }
  return {0, CellIndexHitClass(grid, 0, body.nKey)};
}

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
