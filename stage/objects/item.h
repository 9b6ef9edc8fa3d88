#pragma once
// cItem: an item lying on the stage (g_ItemList), known by its item id, or
// the copy a chara carries (cChara::m_Item). It keeps its own copy of its
// part, whose item commands run on the hero who takes it (item_cmd_table.h).
//
//   cItem item;                              // the empty item: graphic 0, never given
//   item.InitFromDef(id, &def, 0);           // loops unrolled, scaled by the part
//   item.PlaceAtBlock(3, 5, 1);              // centred in stage cell (3, 5)
//   int32_t pattern = item.StepDraw(0);      // 0 and 1 alternate every 15 frames

#include <cstdint>

#include "records/palette/item_def.h"
#include "stage/objects/game_object.h"

class cItem : public cGameObject {
 public:
  cItemDef m_Def;          // the item's own copy of its part
  int32_t m_bCarried = 0;  // a chara's copy: it holds an item to drop

  // Set-up from lpDef (copied; a giant scale of 0 or below becomes 1 in the
  // copy): the stage's item box centred in the cell, the item animation,
  // flying through blocks, life unlimited, loop commands unrolled; carried 1
  // marks a chara's copy, which is enabled at once and keeps scale 1.
  void InitFromDef(int32_t id, const cItemDef* lpDef, int32_t carried);
  // On stage cell (column, row); the vertical clamp's edge code.
  int32_t PlaceAtBlock(int32_t column, int32_t row, int32_t flag);

  // Nothing beyond the base's resizing.
  void OnScaleChanged(int32_t newScale) override;
  // Grows upwards: the bottom of the graphic stays where it was.
  void AdjustYForScale(int32_t newScale, int32_t oldScale, int32_t flag) override;

  // The state half of drawing, once per drawn frame: the pattern to draw (the
  // animation steps unless paused); -1 for an invisible item, which is never
  // drawn and whose animation stands still.
  int32_t StepDraw(int32_t paused);

  void VisitState(cStateVisitor& visitor) override;
};

// The item part at index of the common (kind 1) or the stage (kind 2)
// palette; null for another kind or an index outside the palette.
const cItemDef* GetPaletteItem(int32_t kind, int32_t index);
