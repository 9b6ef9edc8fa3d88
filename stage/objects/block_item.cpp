// The item a floor block holds, given to the hero standing on it: once on
// landing, then again after a jump, a step onto another block, or a second
// of standing still.

#include "records/stage/stage_globals.h"
#include "stage/grid/block_grid.h"
#include "stage/grid/block_probes.h"
#include "stage/objects/hero.h"
#include "stage/objects/item.h"
#include "stage/objects/stage_play.h"

namespace block_item {

constexpr int32_t kWaitFrames = 60;  // one second at 60 frames per second

}  // namespace block_item

int32_t cStagePlay::GiveBlockItem(cHero& hero) {
  if (hero.m_bFlying != 0) return 0;
  bool given = false;
  const auto key = static_cast<int8_t>(hero.m_nBlockKey);
  if (hero.m_nFloorBlock != kNoLink && hero.m_nBlockItemPause == 0 &&
      CellIndexHitClass(g_BlockGrid, hero.m_nFloorBlock, key) != 0) {
    const cBlock& block = g_BlockGrid.CheckedVectorAt(hero.m_nFloorBlock);
    const cItemDef* def = block.m_nItemPalette != 0 ? GetPaletteItem(block.m_nItemPalette, block.m_nItemIndex) : nullptr;
    if (def != nullptr) {
      cItem item;
      item.InitFromDef(0, def, 0);
      item.m_bEnabled = 1;
      const int32_t result = GiveItemToHero(&item, &hero);
      if (result != 0) return result;
      hero.m_nBlockItemPause = g_Stage.m_nSubSteps * block_item::kWaitFrames;
      given = true;
    }
  }
  if (hero.m_nBlockItemPause != 0) {
    if (hero.m_bInAir != 0) {
      hero.m_nBlockItemPause = 0;
    } else {
      if (--hero.m_nBlockItemPause < 0) hero.m_nBlockItemPause = 0;
      if (hero.m_nFloorBlock != kNoLink && hero.m_nLastFloorBlock != hero.m_nPrevFloorBlock && !given) {
        hero.m_nBlockItemPause = 0;
        SnapToGround(hero);
      }
    }
  }
  return 0;
}
