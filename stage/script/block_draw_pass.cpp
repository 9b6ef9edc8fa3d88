// The block map's condition checks as the drawing makes them. Drawing a block
// evaluates its conditions (random operands, the once-only met flag), so the
// simulation repeats exactly those checks in the drawing's order whether or
// not pixels are drawn: for the back layer, then the front layer, the 16 rows
// and 21 columns of cells under the view, row by row, each cell that has a
// graphic on that layer.

#include <cstdint>

#include "core/math/truncate.h"
#include "records/palette/grid_block.h"
#include "stage/grid/block_grid.h"
#include "stage/objects/stage_play.h"

namespace block_draw_pass {

constexpr int32_t kCellDots = 32;
constexpr int32_t kViewRows = 16;
constexpr int32_t kViewColumns = 21;
constexpr int8_t kLayers[] = {0, 1};  // behind the objects, in front of them

void CheckLayer(cStagePlay& play, int8_t layer) {
  const int32_t firstRow = TruncToInt(play.m_ScrollY.m_dPos) / kCellDots;
  const int32_t firstColumn = TruncToInt(play.m_ScrollX.m_dPos) / kCellDots;
  for (int32_t row = firstRow; row < firstRow + kViewRows; ++row) {
    for (int32_t column = firstColumn; column < firstColumn + kViewColumns; ++column) {
      cBlock* block = BlockAt(column, row);
      if (block == nullptr || block->m_nGraphic == 0 || block->m_nLayer != layer) continue;
      play.CheckBlockConditions(block);
    }
  }
}

}  // namespace block_draw_pass

void cStagePlay::CheckDrawnBlockConditions() {
  for (int8_t layer : block_draw_pass::kLayers) block_draw_pass::CheckLayer(*this, layer);
}
