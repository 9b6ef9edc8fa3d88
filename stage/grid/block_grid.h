#pragma once
// cBlockGrid: the blocks of the running stage, one cBlock per cell.
//
// The stage is surrounded by a margin of 10 cells on every side. A stage W
// blocks wide and H high has W + 20 columns and H + 20 rows; rows are 2^shift
// cells apart, shift being the number of binary digits of W + 19, so a cell is
// column + (row << shift) and the cells past the last column of a row are
// never used. For a 20 x 15 stage:
//
//   g_BlockGrid.Build(20, 15);         // 40 columns, 35 rows, shift 6, stride 64
//   g_BlockGrid.CellIndex(10, 10);     // 650: the stage's block (0, 0)
//   BlockAt(45, 3);                    // null: past the last column, not row 4
//
// Dot (px, py) of the running stage lies in column px >> 5 and row py >> 5.
// Cells are read by index (CheckedVectorAt) on hot paths and by BlockAt where
// the column or row may lie outside the grid.

#include <cstdint>

#include "core/containers/checked_vector.h"
#include "records/palette/grid_block.h"

// Cells at most: beyond this the stage is refused as if memory had run out.
inline constexpr int64_t kMaxBlockGridCells = int64_t{1} << 22;
// Cells of margin around the stage on every side.
inline constexpr int32_t kBlockGridMargin = 10;

class cBlockGrid : public cVector<cBlock> {
 public:
  int32_t m_nColumns = 0;
  int32_t m_nRows = 0;
  int32_t m_nShift = 0;

  int32_t Stride() const { return int32_t{1} << m_nShift; }

  // Sizes the grid for a stage of nWidth x nHeight blocks, every cell the
  // empty passable block. False, with the grid left empty, for a negative size
  // or more than kMaxBlockGridCells cells.
  bool Build(int32_t nWidth, int32_t nHeight);
  // Empties the grid and forgets its shape.
  void Release();

  // -1 when the column or row lies outside the grid. Inline, with BlockAt:
  // collision asks for cells many times in every sub-step.
  int32_t CellIndex(int32_t nColumn, int32_t nRow) const {
    if (nColumn < 0 || nColumn >= m_nColumns || nRow < 0 || nRow >= m_nRows) return -1;
    return nColumn + (nRow << m_nShift);
  }
  // null when the column or row lies outside the grid.
  cBlock* BlockAt(int32_t nColumn, int32_t nRow) {
    const int32_t cell = CellIndex(nColumn, nRow);
    return cell < 0 ? nullptr : &CheckedVectorAt(cell);
  }
};

// The number of binary digits of nWidth + 19 (nWidth >= 0).
int32_t BlockGridShift(int32_t nWidth);

extern cBlockGrid g_BlockGrid;

// g_BlockGrid.BlockAt.
inline cBlock* BlockAt(int32_t nColumn, int32_t nRow) { return g_BlockGrid.BlockAt(nColumn, nRow); }
