// cShot::HitsBlock: the block test of a shot's box.
#include <cstdint>

#include "core/math/truncate.h"
#include "stage/grid/block_grid.h"
#include "stage/objects/shot.h"

namespace shot_blocks {

constexpr int32_t kCellDots = 32;

// A dot outside the grid holds no block: a shot reaching past the world's
// ends must not read another row's cells or cells before the grid. Dots are
// 64-bit so that a far position plus an offset cannot wrap.
bool IsSolidAt(cBlockGrid& grid, int64_t x, int64_t y, int8_t key) {
  if (x < 0 || y < 0) return false;
  const int64_t column = x >> 5;
  const int64_t row = y >> 5;
  if (column >= grid.m_nColumns || row >= grid.m_nRows) return false;
  const int32_t cell = grid.CellIndex(static_cast<int32_t>(column), static_cast<int32_t>(row));
  return cell >= 0 && grid.HitClassAt(cell, key) != 0;
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

}  // namespace shot_blocks

int32_t cShot::HitsBlock() const {
  using shot_blocks::IsSolidAt;
  if (m_Settings.m_bShotOpt9 != 0) return 0;
  cBlockGrid& grid = g_BlockGrid;
  const auto key = static_cast<int8_t>(m_nBlockKey);
  const int64_t x = TruncToInt(m_dX);
  const int64_t y = TruncToInt(m_dY);
  if (m_nWidth > shot_blocks::kCellDots) {
    return shot_blocks::AnySample(m_nWidth, [&](int32_t dx) {
             return shot_blocks::AnySample(m_nHeight, [&](int32_t dy) { return IsSolidAt(grid, x + dx, y + dy, key); });
           })
               ? 1
               : 0;
  }
  const int64_t right = x + m_nWidth - 1;
  const int64_t bottom = y + m_nHeight - 1;
  return IsSolidAt(grid, x, y, key) || IsSolidAt(grid, x, bottom, key) || IsSolidAt(grid, right, y, key) ||
                 IsSolidAt(grid, right, bottom, key)
             ? 1
             : 0;
}
