#pragma once
// cItem: an item lying on the stage (g_ItemList), known by its item id, or
// the copy a chara carries (cChara::m_Item). Its own fields and operations
// come with the item runtime; the carried flag, its last field, is declared
// here because a chara's death reads it.

#include <cstdint>

#include "stage/objects/game_object.h"

class cItem : public cGameObject {
 public:
  int32_t m_bCarried = 0;  // a chara's copy: it holds an item to drop

  void VisitState(cStateVisitor& visitor) override;
};
