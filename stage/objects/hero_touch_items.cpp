// The hero's touch of the loose items: each touch gives an item once; one
// taken once leaves the stage, one taken any number of times gives again
// only after the hero has left it.

#include "stage/objects/hero.h"
#include "stage/objects/object_walk.h"
#include "stage/objects/solid_chara_rules.h"
#include "stage/objects/stage_play.h"

namespace hero_touch_items {

constexpr int32_t kTouchItemTrigger = 8;

bool Takeable(const cItem& item) {
  return item.m_bEnabled != 0 && item.m_bCarried == 0 && item.m_Def.m_nTakeKind != kItemTakeNever;
}

}  // namespace hero_touch_items

int32_t cStagePlay::HeroTouchItems(cHero& hero) {
  cItemWalk walk(*this);
  for (cItem& item : g_ItemList) {
    if (!IsLive(*this, item) || !hero_touch_items::Takeable(item)) continue;
    const int32_t id = item.m_nId;
    const bool always = item.m_Def.m_nTakeKind == kItemTakeAlways;
    if (!hero.m_ItemBox.Overlaps(solid_chara_rules::PositionBox(item))) {
      if (always) hero.ForgetTouch(id);
      continue;
    }
    hero.FireTrigger(hero_touch_items::kTouchItemTrigger);
    if (always) {
      if (hero.IsNotTouching(id) == 0) continue;
      hero.m_Touching.push_back(id);
    }
    const int32_t result = GiveItemToHero(&item, &hero);
    if (item.m_Def.m_nTakeKind == kItemTakeOnce) EraseStageItem(item);
    if (result != 0) return result;
  }
  return 0;
}
