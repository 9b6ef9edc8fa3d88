// The block test of an object's body: its four corner cells.
#include "stage/grid/block_grid.h"
#include "stage/objects/game_object.h"

namespace game_object_blocks {

// A corner outside the grid (an object reaching past the world's ends) holds
// no block: it must not be read from another row or wrap into the grid.
bool IsSolidFor(int32_t column, int32_t row, int8_t key) {
  cBlock* block = BlockAt(column, row);
  return block != nullptr && block->GetHitClass(key) != 0;
}

}  // namespace game_object_blocks

int32_t cGameObject::TouchesSolidCorner() const {
  using game_object_blocks::IsSolidFor;
  const auto key = static_cast<int8_t>(m_nBlockKey);
  return IsSolidFor(m_nCellLeft, m_nCellTop, key) || IsSolidFor(m_nCellLeft, m_nCellBottom, key) ||
                 IsSolidFor(m_nCellRight, m_nCellTop, key) || IsSolidFor(m_nCellRight, m_nCellBottom, key)
             ? 1
             : 0;
}
