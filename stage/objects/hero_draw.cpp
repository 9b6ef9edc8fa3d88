// The state half of the hero's drawing with its rectangles.

#include "stage/objects/chara_draw_list.h"
#include "stage/objects/hero.h"

namespace hero_draw {

constexpr int32_t kColourCycle = 32;  // 4 shades, 8 frames each

enum eBoxKind : int32_t { kBody = 0, kHitBox = 1, kItemBox = 2, kShotBox = 3 };

// The rectangle's offset from the graphic's top left.
void BoxOffset(const cHero& hero, int32_t kind, int32_t* x, int32_t* y) {
  *x = hero.m_nGraphicOffsetX;
  *y = hero.m_nGraphicOffsetY;
  switch (kind) {
    case kHitBox:
      *x += hero.m_HitBox.nOffsetX;
      *y += hero.m_HitBox.nOffsetY;
      break;
    case kItemBox:
      *x += hero.m_nItemBoxX;
      *y += hero.m_nItemBoxY;
      break;
    case kShotBox:
      *x += hero.m_AttackBox.nOffsetX;
      *y += hero.m_AttackBox.nOffsetY;
      break;
    default: break;
  }
}

}  // namespace hero_draw

int32_t cHero::StepDrawnWithBoxes(int32_t paused, cCharaDrawList* lpDraw) {
  const int32_t pattern = StepDrawnChara(paused, lpDraw);
  for (HEROBOXRECT& rect : m_BoxRects) {
    if (rect.nMode == 0) continue;
    int32_t x = 0, y = 0;
    hero_draw::BoxOffset(*this, rect.nKind, &x, &y);
    rect.nX = m_rcScreen.left + x;
    rect.nY = m_rcScreen.top + y;
    if (lpDraw != nullptr) {
      CHARADRAW entry;
      entry.nKind = kDrawHeroBox;
      entry.nCharaId = m_nId;
      entry.Box = rect;
      lpDraw->Entries.push_back(entry);
    }
    if (++rect.nCycle >= hero_draw::kColourCycle) rect.nCycle = 0;
  }
  return pattern;
}
