// The block test of an object's body: its four corner cells.
#include "stage/grid/block_grid.h"
#include "stage/grid/block_probes.h"
#include "stage/objects/game_object.h"

namespace game_object_blocks {

// A corner outside the grid (an object reaching past the world's ends) holds
// no block: it must not be read from another row or wrap into the grid.
bool IsSolidFor(int32_t column, int32_t row, int8_t key) { return CellHitClass(g_BlockGrid, column, row, key) != 0; }

bool IsInside(int32_t value, int32_t count) { return static_cast<uint32_t>(value) < static_cast<uint32_t>(count); }

}  // namespace game_object_blocks

// Runs for every solid chara on every sub-step: a body wholly inside the grid
// (nearly always) takes its four cells by index without a range test each.
int32_t cGameObject::TouchesSolidCorner() const {
  using game_object_blocks::IsInside;
  using game_object_blocks::IsSolidFor;
  const auto key = static_cast<int8_t>(m_nBlockKey);
  cBlockGrid& grid = g_BlockGrid;
  if (IsInside(m_nCellLeft, grid.m_nColumns) && IsInside(m_nCellRight, grid.m_nColumns) &&
      IsInside(m_nCellTop, grid.m_nRows) && IsInside(m_nCellBottom, grid.m_nRows)) {
    const int32_t top = m_nCellTop << grid.m_nShift;
    const int32_t bottom = m_nCellBottom << grid.m_nShift;
    return grid.HitClassAt(m_nCellLeft + top, key) != 0 || grid.HitClassAt(m_nCellLeft + bottom, key) != 0 ||
                   grid.HitClassAt(m_nCellRight + top, key) != 0 || grid.HitClassAt(m_nCellRight + bottom, key) != 0
               ? 1
               : 0;
  }
  return IsSolidFor(m_nCellLeft, m_nCellTop, key) || IsSolidFor(m_nCellLeft, m_nCellBottom, key) ||
                 IsSolidFor(m_nCellRight, m_nCellTop, key) || IsSolidFor(m_nCellRight, m_nCellBottom, key)
             ? 1
             : 0;
}
