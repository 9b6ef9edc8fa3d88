// The state half of the hero's drawing with its rectangles and its light.

#include <algorithm>

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

constexpr int32_t kViewWidth = 640;
constexpr int32_t kViewHeight = 480;

// Light modes whose light is ahead of the hero.
bool LightAhead(int32_t mode) { return mode == 2 || mode == 4; }

// Never below 0 nor past limit (a mask smaller than the view stays at 0).
int32_t Limit(int64_t value, int64_t limit) {
  return static_cast<int32_t>(std::max<int64_t>(std::min(value, limit), 0));
}

}  // namespace hero_draw

void LightMaskOrigin(const CHARADRAW& entry, int32_t maskW, int32_t maskH, int32_t* sx, int32_t* sy) {
  int64_t x = int64_t{maskW} / 2 - entry.nGraphicW / 2 - entry.rcScreen.left;
  if (hero_draw::LightAhead(entry.nLightMode)) {
    x += int64_t{entry.nFacingSign} * (entry.nGraphicW / 2) - int64_t{entry.nFacingSign} * entry.nLightShift;
  }
  const int64_t y = int64_t{maskH} / 2 - entry.nGraphicH / 2 - entry.rcScreen.top;
  *sx = hero_draw::Limit(x, int64_t{maskW} - hero_draw::kViewWidth);
  *sy = hero_draw::Limit(y, int64_t{maskH} - hero_draw::kViewHeight);
}

void cHero::AppendLightMask(cCharaDrawList* lpDraw) const {
  if (lpDraw == nullptr || m_Def.m_nSightShape == 0) return;
  CHARADRAW entry;
  entry.nKind = kDrawLightMask;
  entry.nCharaId = m_nId;
  entry.rcScreen = m_rcScreen;
  entry.nLightMode = m_Def.m_nSightShape;
  entry.nFacingSign = FacingSign();
  entry.nLightShift = m_nSightDots;
  entry.nGraphicW = m_nGraphicW;
  entry.nGraphicH = m_nGraphicH;
  lpDraw->Entries.push_back(entry);
}

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
