// The hero's postures: walking and flying bodies, the boxes sized from the
// stage's hero settings, the rectangles shown on request, and the squeeze
// rescue a posture change opens.

#include <algorithm>

#include "core/math/truncate.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/hero.h"

namespace hero_posture {

constexpr int32_t kCellDots = 32;
constexpr int32_t kPostureWindow = 2;  // flow passes a squeeze is undone in
constexpr int32_t kFallFrames = 8;
constexpr int32_t kBoxPaletteBase = 208;  // colour choice c: palette 208 + 4c

enum eHitBoxKind : int32_t { kHitCharaSize = 0, kHitShotSize = 1, kHitShotOnChara = 2, kHitCell = 3 };

// Offset of a box of size (w, h) centred on the 32 x 32 cell, from the body.
int32_t CentredOffset(int32_t size, int32_t bodyOffset) { return 16 - (size >> 1) - bodyOffset; }

void SetHitBoxOfKind(cHero& hero) {
  const cStageData& stage = g_Stage;
  switch (hero.m_Def.m_nHitRange) {
    case kHitCharaSize:
      if (hero.m_bFlying) {
        hero.SetHitBox(stage.m_bHeroHitBottom2, stage.m_nHeroHitW2, stage.m_nHeroHitH2);
      } else {
        hero.SetHitBox(stage.m_bHeroHitBottom, stage.m_nHeroHitW, stage.m_nHeroHitH);
      }
      break;
    case kHitShotSize: hero.SetHitBox(0, stage.m_nHeroShotHitW, stage.m_nHeroShotHitH); break;
    case kHitShotOnChara: hero.SetHitBox(0, stage.m_ShotBox[0], stage.m_ShotBox[1]); break;
    case kHitCell: hero.SetHitBox(0, kCellDots, kCellDots); break;
    default: break;
  }
}

void SetBodyOfPosture(cHero& hero) {
  int32_t left = 0, top = 0, width = 0, height = 0;
  hero.GetPostureBox(&left, &top, &width, &height);
  hero.m_nGraphicOffsetX = hero.m_nGraphicOffsetXBase = left;
  hero.m_nGraphicOffsetY = hero.m_nGraphicOffsetYBase = top;
  hero.m_nWidth = hero.m_nWidthBase = width;
  hero.m_nHeight = hero.m_nHeightBase = height;
  hero.m_nGraphicW = hero.m_nGraphicWBase = kCellDots;
  hero.m_nGraphicH = hero.m_nGraphicHBase = kCellDots;
}

void SetBoxesOfPosture(cHero& hero) {
  SetHitBoxOfKind(hero);
  const cStageData& stage = g_Stage;
  const int32_t sw = stage.m_nHeroShotHitW;
  const int32_t sh = stage.m_nHeroShotHitH;
  hero.m_AttackBox.SetShape(CentredOffset(sw, hero.m_nGraphicOffsetX), CentredOffset(sh, hero.m_nGraphicOffsetY), sw,
                            sh);
  const int32_t iw = stage.m_nHeroItemBoxW;
  const int32_t ih = stage.m_nHeroItemBoxH;
  hero.m_nItemBoxX = hero.m_nItemBoxXBase = CentredOffset(iw, hero.m_nGraphicOffsetX);
  hero.m_nItemBoxY = hero.m_nItemBoxYBase = CentredOffset(ih, hero.m_nGraphicOffsetY);
  hero.m_nItemBoxW = hero.m_nItemBoxWBase = iw;
  hero.m_nItemBoxH = hero.m_nItemBoxHBase = ih;
}

void ScaleItemBox(cHero& hero, int32_t scale) {
  hero.m_nItemBoxX = hero.m_nItemBoxXBase * scale;
  hero.m_nItemBoxY = hero.m_nItemBoxYBase * scale;
  hero.m_nItemBoxW = hero.m_nItemBoxWBase * scale;
  hero.m_nItemBoxH = hero.m_nItemBoxHBase * scale;
}

// The scaled body, graphic and boxes at the hero's giant scale.
void ScaleToGiant(cHero& hero) {
  const int32_t s = hero.m_Def.m_nGiant;
  hero.m_nWidth = hero.m_nWidthBase * s;
  hero.m_nHeight = hero.m_nHeightBase * s;
  hero.m_nGraphicOffsetX = hero.m_nGraphicOffsetXBase * s;
  hero.m_nGraphicOffsetY = hero.m_nGraphicOffsetYBase * s;
  hero.m_nGraphicW = hero.m_nGraphicWBase * s;
  hero.m_nGraphicH = hero.m_nGraphicHBase * s;
  hero.m_HitBox.ScaleShape(s);
  hero.m_AttackBox.ScaleShape(s);
  ScaleItemBox(hero, s);
}

HEROBOXRECT BoxRect(int32_t kind, int32_t mode, int32_t colourChoice, int32_t width, int32_t height) {
  HEROBOXRECT rect;
  rect.nKind = kind;
  rect.nMode = mode;
  rect.nColour = kBoxPaletteBase + 4 * colourChoice;
  rect.nWidth = width;
  rect.nHeight = height;
  return rect;
}

}  // namespace hero_posture

void cHero::GetPostureBox(int32_t* left, int32_t* top, int32_t* width, int32_t* height) const {
  const cStageData& stage = g_Stage;
  const bool flying = m_bFlying != 0;
  *width = flying ? stage.m_nHeroBoxW2 : stage.m_nHeroBoxW;
  *height = flying ? stage.m_nHeroBoxH2 : stage.m_nHeroBoxH;
  const int32_t bottom = flying ? stage.m_bHeroBoxBottom2 : stage.m_bHeroBoxBottom;
  *left = (hero_posture::kCellDots - *width) / 2;
  *top = bottom != 0 ? hero_posture::kCellDots - *height : (hero_posture::kCellDots - *height) / 2;
}

void cHero::SetFlyingState(int32_t mode, int32_t rescale, int32_t savePosition, int32_t markChanged) {
  const int32_t wasFlying = m_bFlying;
  const int32_t oldMode = m_Def.m_nFly;
  m_Def.m_nFly = static_cast<int8_t>(mode);
  SetFlyMode(mode);
  if (savePosition) {
    m_bPositionSaved = 1;
    m_dPostureX = m_dX;
    m_dPostureY = m_dY;
    m_dPostureRight = m_dRight;
    m_dPostureBottom = m_dBottom;
  }
  if (oldMode != m_Def.m_nFly) {
    m_nPostureFrames = hero_posture::kPostureWindow;
    if (markChanged) m_bPostureChanged = 1;
  }
  if (wasFlying && !m_bFlying) m_dVX = m_dVY = m_dInertiaX = m_dInertiaY = 0;
  if (m_bFlying && g_SystemData.m_bLegacy818B == 0) {
    m_bInAir = 1;
    m_nNoFloorSteps = hero_posture::kFallFrames * g_Stage.m_nSubSteps;
  }
  hero_posture::SetBodyOfPosture(*this);
  hero_posture::SetBoxesOfPosture(*this);
  if (rescale) hero_posture::ScaleToGiant(*this);
  RebuildBoxes();
}

void cHero::RebuildBoxes() {
  const cStageData& stage = g_Stage;
  m_BoxRects.clear();
  m_BoxRects.push_back(hero_posture::BoxRect(0, stage.m_nShowMainBox, stage.m_nMainBoxColour, m_nWidth, m_nHeight));
  m_BoxRects.push_back(
      hero_posture::BoxRect(2, stage.m_nShowItemBox, stage.m_nItemBoxColour, m_nItemBoxW, m_nItemBoxH));
  m_BoxRects.push_back(
      hero_posture::BoxRect(1, stage.m_nShowHitRange, stage.m_nHitRangeColour, m_HitBox.nWidth, m_HitBox.nHeight));
  m_BoxRects.push_back(hero_posture::BoxRect(3, stage.m_nShowShotHitRange, stage.m_nShotHitRangeColour,
                                             m_AttackBox.nWidth, m_AttackBox.nHeight));
  // Equal areas keep the list's order, so the drawing order is the same
  // wherever the program runs.
  std::stable_sort(m_BoxRects.begin(), m_BoxRects.end(), [](const HEROBOXRECT& a, const HEROBOXRECT& b) {
    return int64_t{a.nWidth} * a.nHeight > int64_t{b.nWidth} * b.nHeight;
  });
}

void cHero::OnScaleChanged(int32_t newScale) {
  m_HitBox.ScaleShape(newScale);
  m_AttackBox.ScaleShape(newScale);
  hero_posture::ScaleItemBox(*this, newScale);
  ClampX();
  ClampY();
}

void cHero::UpdateBoxX() {
  const int32_t x = TruncToInt(m_dX);
  m_HitBox.PlaceX(x);
  m_AttackBox.PlaceX(x);
  m_ItemBox.left = static_cast<double>(x) + m_nItemBoxX;
  m_ItemBox.right = m_ItemBox.left + m_nItemBoxW - 1;
}

void cHero::UpdateBoxY() {
  const int32_t y = TruncToInt(m_dY);
  m_HitBox.PlaceY(y);
  m_AttackBox.PlaceY(y);
  m_ItemBox.top = static_cast<double>(y) + m_nItemBoxY;
  m_ItemBox.bottom = m_ItemBox.top + m_nItemBoxH - 1;
}

int32_t cHero::TryRecoverFromSqueeze() {
  if (m_nPostureFrames <= 0) return 0;
  if (m_bPositionSaved != 0 && m_bPostureChanged != 0) {
    m_bPostureChanged = 0;
    m_dX = m_dPostureX;
    m_dY = m_dPostureY;
    m_dRight = m_dPostureRight;
    m_dBottom = m_dPostureBottom;
  }
  return 1;
}
