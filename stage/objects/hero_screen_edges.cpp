// The hero kept inside the view while the view moves by itself (or the hero
// flies): a view edge acts as a wall, and the bottom edge as a fall out of
// the stage.

#include "stage/objects/hero.h"
#include "stage/objects/stage_play.h"

namespace hero_screen_edges {

constexpr int32_t kViewWidth = 640;
constexpr int32_t kViewHeight = 480;
constexpr int32_t kFellOutOfView = 2;

}  // namespace hero_screen_edges

void cStagePlay::KeepHeroInScreenX(cHero& hero) {
  if (m_ScrollX.m_bAutoScroll == 0 && hero.m_bFlying == 0) return;
  hero.UpdateScreenRect();
  const int32_t left = hero.m_rcScreen.left + hero.m_nGraphicOffsetX;
  const int32_t right = hero.m_rcScreen.right - hero.m_nGraphicOffsetX;
  if (left < 0) {
    hero.m_bContactLeft = 1;
    hero.m_dX = m_ScrollX.m_dPos;
    hero.ClampX();
  } else if (int64_t{right} + 1 >= hero_screen_edges::kViewWidth) {
    hero.m_bContactRight = 1;
    hero.m_dX = m_ScrollX.m_dPos + hero_screen_edges::kViewWidth - hero.m_nWidth - 1;
    hero.ClampX();
  }
}

int32_t cStagePlay::KeepHeroInScreenY(cHero& hero) {
  if (m_ScrollY.m_bAutoScroll == 0 && hero.m_bFlying == 0) return 0;
  hero.UpdateScreenRect();
  const int32_t top = hero.m_rcScreen.top + hero.m_nGraphicOffsetY;
  const int32_t bottom = hero.m_rcScreen.bottom - hero.m_nGraphicOffsetY;
  if (top < 0) {
    hero.m_bContactTop = 1;
    hero.m_dY = m_ScrollY.m_dPos;
    hero.ClampY();
    return 0;
  }
  if (int64_t{bottom} + 1 >= hero_screen_edges::kViewHeight) {
    hero.m_bContactBottom = 1;
    hero.m_dY = m_ScrollY.m_dPos + hero_screen_edges::kViewHeight - hero.m_nHeight - 1;
    hero.ClampY();
    return hero.m_bFlying == 0 ? hero_screen_edges::kFellOutOfView : 0;
  }
  return 0;
}
