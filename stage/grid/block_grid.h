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
//
// Collision asks a cell for its class through HitClassAt, which reads the
// grid's cCellHit of the cell (cell_hit.h) and the block only when the block
// has conditions. Whoever writes a cell's block afterwards calls RefreshCell
// (RefreshCells for many) so the entry follows; builds without NDEBUG check
// the entry against the block on every lookup.
//
//   cBlock& block = g_BlockGrid.CheckedVectorAt(cell);
//   block.Def() = part;
//   g_BlockGrid.RefreshCell(cell);
//   g_BlockGrid.HitClassAt(cell, 0);   // block.GetHitClass(0)

#include <cassert>
#include <cstdint>

#include "core/containers/checked_vector.h"
#include "core/containers/container_index.h"
#include "records/palette/grid_block.h"
#include "stage/grid/cell_hit.h"

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

  // Whether a cell index lies in the grid (cells past the last column too).
  bool HasCell(int32_t nCell) const { return IndexIsBelow(nCell, m_CellHits.size()); }

  // cBlock::GetHitClass of the block at a cell index, with the same effects:
  // a block with conditions is asked itself.
  [[gnu::always_inline]] inline int8_t HitClassAt(int32_t nCell, int8_t nKey) {
    const cCellHit hit = CellHitAt(nCell);
    if (AnswersAlone(hit)) return PlainHitClass(hit, nKey);
    return CheckedVectorAt(nCell).GetHitClass(nKey);
  }
  // The entry of a cell index (HasCell). What it tells without asking the
  // block (AnswersAlone) may be read any number of times.
  [[gnu::always_inline]] inline cCellHit CellHitAt(int32_t nCell) const {
    assert(IsCellInStep(nCell));
    return m_CellHits.CheckedVectorAt(nCell);
  }

  // Whether a cell index lies in the grid and holds a block with conditions,
  // whose class only asking the block tells.
  bool IsConditionalCell(int32_t nCell) const { return HasCell(nCell) && !AnswersAlone(CellHitAt(nCell)); }

  // Takes the entry of a cell again from its block, after a write.
  void RefreshCell(int32_t nCell) { m_CellHits.CheckedVectorAt(nCell) = CellHitOf(CheckedVectorAt(nCell)); }
  // Takes every entry again, sized to the blocks.
  void RefreshCells();

  // Whether the entry of a cell matches its block.
  bool IsCellInStep(int32_t nCell) const {
    return m_CellHits.size() == size() && m_CellHits.CheckedVectorAt(nCell) == CellHitOf(CheckedVectorAt(nCell));
  }

 private:
  // One per block, in step with it.
  cVector<cCellHit> m_CellHits;
};

// The number of binary digits of nWidth + 19 (nWidth >= 0).
int32_t BlockGridShift(int32_t nWidth);

extern cBlockGrid g_BlockGrid;

// g_BlockGrid.BlockAt.
inline cBlock* BlockAt(int32_t nColumn, int32_t nRow) { return g_BlockGrid.BlockAt(nColumn, nRow); }
