// Block summons: a cell of the grid gets a block, loses it, or toggles.

#include <algorithm>
#include <cmath>

#include "core/math/truncate.h"
#include "records/palette/common_palette.h"
#include "records/settings/system_data.h"
#include "stage/grid/block_grid.h"
#include "stage/grid/block_probes.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"
#include "stage/objects/summon_settings.h"

namespace block_replace {

enum eBlockMode : int32_t { kPlace = 0, kErase = 1, kToggle = 2 };

bool HasBlock(cStagePlay& play, cBlock& cell) {
  return cell.m_nGraphic != 0 && play.CheckBlockConditions(&cell) != 0;
}

// The empty block of the common palette (entry 0), or a default one.
cBlockDef EmptyBlock() {
  return g_CommonPalette.m_BlockPalette.empty() ? cBlockDef() : g_CommonPalette.m_BlockPalette.front();
}

// Puts a part in a cell, not yet met.
void PutBlock(int32_t index, const cBlockDef& part) {
  cBlock& cell = g_BlockGrid.CheckedVectorAt(index);
  cell.Def() = part;
  cell.m_bMet = 0;
  g_BlockGrid.RefreshCell(index);
}

bool OverlapsCell(const cGameObject& obj, double left, double top, double right, double bottom) {
  return obj.m_dX <= right && obj.m_dRight >= left && obj.m_dY <= bottom && obj.m_dBottom >= top;
}

}  // namespace block_replace

void cStagePlay::ReplaceBlockAt(double px, double py, const cEdShot* lpSet, const cBlockDef* lpBlock) {
  // Column and row are each checked: a column past the stride would land in
  // the next row, and the dot conversion saturates (NaN gives no cell).
  if (std::isnan(px) || std::isnan(py) || lpSet == nullptr || lpBlock == nullptr) return;
  const int32_t column = TruncToInt(px + 16.5) >> 5;
  const int32_t row = TruncToInt(py + 16.5) >> 5;
  const int32_t index = g_BlockGrid.CellIndex(column, row);
  if (index < 0) return;
  cBlock& cell = g_BlockGrid.CheckedVectorAt(index);
  if (g_SystemData.m_bLegacy637 != 0) {
    if (cell.m_bNoReplace != 0) return;
  } else if (cell.m_bNoReplace != 0 && block_replace::HasBlock(*this, cell)) {
    return;
  }
  const bool undoable = SummonUndoOnHero(*lpSet) || SummonUndoOnChara(*lpSet);
  // Places the block; false when the summon's undo put the old cell back.
  auto place = [&]() {
    const cBlock saved = cell;
    block_replace::PutBlock(index, *lpBlock);
    if (FlagObjectsInCell(index, column, row, lpSet) != 0 && undoable) {
      cell = saved;
      g_BlockGrid.RefreshCell(index);
      return false;
    }
    return true;
  };
  switch (lpSet->m_nBlockMode) {
    case block_replace::kPlace:
      place();
      break;
    case block_replace::kErase:
      block_replace::PutBlock(index, block_replace::EmptyBlock());
      break;
    case block_replace::kToggle:
      if (std::find(m_ToggledCells.begin(), m_ToggledCells.end(), index) != m_ToggledCells.end()) return;
      if (block_replace::HasBlock(*this, cell)) {
        block_replace::PutBlock(index, block_replace::EmptyBlock());
        m_ToggledCells.push_back(index);
      } else if (place()) {
        m_ToggledCells.push_back(index);
      }
      break;
    default:
      break;
  }
}

int32_t cStagePlay::FlagObjectsInCell(int32_t cell, int32_t column, int32_t row, const cEdShot* lpSet) {
  cBlock& block = g_BlockGrid.CheckedVectorAt(cell);
  const double left = column * 32.0;
  const double top = row * 32.0;
  const double right = left + 32 - 0.1;
  const double bottom = top + 32 - 0.1;
  auto flag = [&](cCharaBase& obj, bool undo) {
    if (block.GetHitClass(static_cast<int8_t>(obj.m_nBlockKey)) == 0) return false;
    if (!block_replace::OverlapsCell(obj, left, top, right, bottom)) return false;
    obj.m_nPostureFrames = 2;  // the squeeze rescue may put it back
    return undo;
  };
  if (!g_Heroes.empty()) {
    cHero& hero = g_Heroes.front();
    if (hero.m_bDead == 0 && flag(hero, lpSet != nullptr && SummonUndoOnHero(*lpSet))) return 1;
  }
  for (cChara& chara : g_CharaList) {
    if (chara.m_bDead != 0 || chara.m_bEnabled == 0 || FindCharaById(chara.m_nId) != &chara) continue;
    if (flag(chara, lpSet != nullptr && SummonUndoOnChara(*lpSet))) return 1;
  }
  return 0;
}

int32_t cStagePlay::IsPlaceBlocked(cCharaBase& obj) {
  if (obj.m_bFlying != 0 && obj.m_nFlyBlockMode == 0) return 0;
  const int32_t cell = PickCornerCell(g_BlockGrid, obj.m_nCellLeft, obj.m_nCellTop, obj.m_nCellRight,
                                      obj.m_nCellBottom, static_cast<int8_t>(obj.m_nBlockKey));
  if (cell >= 0 && g_BlockGrid.HitClassAt(cell, static_cast<int8_t>(obj.m_nBlockKey)) != 0) {
    return 1;
  }
  return OverlapsSolidChara(obj, g_CharaList);
}
