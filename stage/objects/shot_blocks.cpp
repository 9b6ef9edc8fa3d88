// cShot::HitsBlock: the block test of a shot's box.
#include <cstdint>

#include "core/math/truncate.h"
#include "stage/grid/block_grid.h"
#include "stage/objects/shot.h"

namespace shot_blocks {

constexpr int32_t kCellDots = 32;
constexpr int64_t kOutside = -1;

// The grid column (or row) of a dot, kOutside for a dot outside the grid: a
// shot reaching past the world's ends must not read another row's cells or
// cells before the grid. Dots are 64-bit so that a far position plus an
// offset cannot wrap.
[[gnu::always_inline]] inline int64_t CellOf(int64_t dot, int32_t cells) {
  if (dot < 0 || (dot >> 5) >= cells) return kOutside;
  return dot >> 5;
}

// Inlined into the shot pass, which asks every shot each sub-step.
[[gnu::always_inline]] inline bool IsSolidCell(cBlockGrid& grid, int64_t column, int64_t row, int8_t key) {
  if (column == kOutside || row == kOutside) return false;
  const int32_t cell = grid.CellIndex(static_cast<int32_t>(column), static_cast<int32_t>(row));
  return cell >= 0 && grid.HitClassAt(cell, key) != 0;
}

[[gnu::always_inline]] inline bool IsSolidAt(cBlockGrid& grid, int64_t x, int64_t y, int8_t key) {
  return IsSolidCell(grid, CellOf(x, grid.m_nColumns), CellOf(y, grid.m_nRows), key);
}

// The offsets a side of `size` dots is sampled at: every cell's width from
// 0, then its last dot.
template <class Fn>
bool AnySample(int32_t size, Fn&& fn) {
  for (int32_t d = 0; d < size; d += kCellDots) {
    if (fn(d)) return true;
  }
  return fn(size - 1);
}

// The test of a wide shot: every sample of its box. Kept out of line so that
// the narrow test, which the shots of most games take, needs few registers.
[[gnu::noinline]] bool AnySolidSample(cBlockGrid& grid, int64_t x, int64_t y, int32_t width, int32_t height,
                                      int8_t key) {
  return AnySample(width, [&](int32_t dx) {
    return AnySample(height, [&](int32_t dy) { return IsSolidAt(grid, x + dx, y + dy, key); });
  });
}

// The four corners of a narrow shot in the order they are asked: top left,
// bottom left, top right, bottom right. A corner outside the grid has no
// cell (kOutside).
struct Corners {
  int32_t cells[4];
};

// The corners from `first` on, each asked through its block where it has
// conditions. Kept out of line: conditions are rare, and without a call the
// plain corners keep the grid in registers.
[[gnu::noinline]] bool AnySolidFrom(cBlockGrid& grid, const Corners& corners, int32_t first, int8_t key) {
  for (int32_t i = first; i < 4; ++i) {
    const int32_t cell = corners.cells[i];
    if (cell != kOutside && grid.HitClassAt(cell, key) != 0) return true;
  }
  return false;
}

// The corners asked in order with the first solid one ending the test. A
// plain entry answers alone and reading it has no effect, so only a corner
// with conditions needs its block asked; from there on the blocks answer.
[[gnu::always_inline]] inline bool AnySolidCorner(cBlockGrid& grid, const Corners& corners, int8_t key) {
  for (int32_t i = 0; i < 4; ++i) {
    const int32_t cell = corners.cells[i];
    if (cell == kOutside) continue;
    const cCellHit hit = grid.CellHitAt(cell);
    if (!AnswersAlone(hit)) return AnySolidFrom(grid, corners, i, key);
    if (PlainHitClass(hit, key) != 0) return true;
  }
  return false;
}

// The cell of a corner whose column and row CellOf gave: CellOf has already
// held both inside the grid, so the index needs no second check.
[[gnu::always_inline]] inline int32_t CornerCell(int32_t shift, int64_t column, int64_t row) {
  if (column == kOutside || row == kOutside) return static_cast<int32_t>(kOutside);
  return static_cast<int32_t>(column) + (static_cast<int32_t>(row) << shift);
}

}  // namespace shot_blocks

int32_t cShot::HitsBlock() const {
  using shot_blocks::CellOf;
  using shot_blocks::CornerCell;
  if (m_Settings.m_bShotOpt9 != 0) return 0;
  cBlockGrid& grid = g_BlockGrid;
  const auto key = static_cast<int8_t>(m_nBlockKey);
  const int64_t x = TruncToInt(m_dX);
  const int64_t y = TruncToInt(m_dY);
  if (m_nWidth > shot_blocks::kCellDots) return shot_blocks::AnySolidSample(grid, x, y, m_nWidth, m_nHeight, key) ? 1 : 0;
  // Each corner asks its own cell, in this order, even where two corners
  // share one: a block with conditions is asked itself and may note that a
  // once-only condition held, so a second asking can answer otherwise.
  const int64_t left = CellOf(x, grid.m_nColumns);
  const int64_t right = CellOf(x + m_nWidth - 1, grid.m_nColumns);
  const int64_t top = CellOf(y, grid.m_nRows);
  const int64_t bottom = CellOf(y + m_nHeight - 1, grid.m_nRows);
  const int32_t shift = grid.m_nShift;
  const shot_blocks::Corners corners{{CornerCell(shift, left, top), CornerCell(shift, left, bottom),
                                      CornerCell(shift, right, top), CornerCell(shift, right, bottom)}};
  return shot_blocks::AnySolidCorner(grid, corners, key) ? 1 : 0;
}
