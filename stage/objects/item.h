#pragma once
// cItem: an item lying on the stage (g_ItemList), known by its item id, or
// the copy a chara carries (cChara::m_Item). Its own fields and operations
// come with the item runtime; the carried flag, its last field, is declared
// here because a chara's death reads it.

#include <cstdint>

#include "records/palette/item_def.h"
#include "stage/objects/game_object.h"

class cItem : public cGameObject {
 public:
  cItemDef m_Def;          // the item's own copy of its part
  int32_t m_bCarried = 0;  // a chara's copy: it holds an item to drop

  // Set-up from lpDef (copied; a scale of 0 becomes 1): the stage's item box
  // centred in the cell, flying through blocks, life unlimited; carried 1
  // marks a chara's copy, which keeps scale 1.
  void InitFromDef(int32_t id, const cItemDef* lpDef, int32_t carried);
  // On stage cell (column, row); the vertical clamp's edge code.
  int32_t PlaceAtBlock(int32_t column, int32_t row, int32_t flag);

  void VisitState(cStateVisitor& visitor) override;
};
