// The one way an item reaches the hero, wherever it lies: on the stage, in a
// block, in a shot or in a defeated chara.

#include "stage/objects/hero.h"
#include "stage/objects/item.h"
#include "stage/objects/stage_play.h"
#include "stage/services/stage_services.h"

int32_t GiveItemToHero(cItem* lpItem, cHero* lpHero) {
  if (lpItem == nullptr || lpHero == nullptr) return 0;
  // The empty part (graphic 0) stands for "no item" in the palettes.
  if (lpItem->m_nGraphicNo == 0 || lpItem->m_Def.m_nTakeKind == kItemTakeNever || lpItem->m_bEnabled == 0) return 0;
  const cItemDef& def = lpItem->m_Def;
  if (def.m_bTakeMessage != 0) lpHero->ShowTakenItemIcon(def.m_nGraphicSource, def.m_nGraphic, def.m_nGraphicCell);
  if (g_lpSceneStagePlay != nullptr) g_lpSceneStagePlay->Services().PlayProjectSE(def.m_nSound);
  return lpHero->ApplyItemCommands(lpItem->m_Def.m_Commands);
}
