// The hero's moves of a sub-step and the view that follows it.

#include "core/math/truncate.h"
#include "stage/objects/hero.h"
#include "stage/objects/stage_play.h"

namespace hero_motion {

constexpr int32_t kRefreshEdges = -1;  // a clamp mode that only refreshes the edges
constexpr int32_t kFellOut = 7;
constexpr int32_t kFloorSpeedChange = 3;

// The view centred on the hero's body (pos .. pos + size), held inside its
// scroll limits, unless the axis scrolls by itself.
void FollowWithView(cScroll& axis, double pos, int32_t size) {
  if (axis.m_bAutoScroll != 0) return;
  axis.m_dPos = pos - (axis.m_nView / 2 - (size >> 1));
  if (axis.m_nMin > axis.m_dPos) {
    axis.m_dPos = axis.m_nMin;
  } else if (axis.m_dPos + axis.m_nView >= axis.m_nMax) {
    axis.m_dPos = axis.m_nMax - axis.m_nView;
  }
}

int32_t ScreenLeft(const cScroll& axis, double pos, int32_t offset) {
  if (axis.m_bAutoScroll != 0) return TruncToInt(pos) - TruncToInt(axis.m_dPos) - offset;
  return TruncToInt(pos - axis.m_dPos - offset);
}

// The speed-change floor slows or speeds the inertia towards 0 without
// crossing it.
void ApplyFloorSpeed(const cHero& hero, double* inertia) {
  if (hero.m_nFloorEffectFrames == 0 || hero.m_nFloorEffect != kFloorSpeedChange) return;
  const double d = SpeedPerSubStep(hero.m_dFloorBaseSpeed) * (hero.m_dFloorEffectValue - 1);
  if (*inertia > 0) {
    *inertia += d;
    if (*inertia < 0) *inertia = 0;
  } else if (*inertia < 0) {
    *inertia -= d;
    if (*inertia > 0) *inertia = 0;
  }
}

}  // namespace hero_motion

int32_t cHero::ClampX() {
  if (g_lpSceneStagePlay != nullptr) hero_motion::FollowWithView(g_lpSceneStagePlay->m_ScrollX, m_dX, m_nWidth);
  return ClampXMode(m_bFlying ? 0 : 1);
}

int32_t cHero::ClampY() {
  if (g_lpSceneStagePlay != nullptr) hero_motion::FollowWithView(g_lpSceneStagePlay->m_ScrollY, m_dY, m_nHeight);
  return ClampYMode(m_bFlying ? 0 : 1);
}

void cHero::UpdateScreenRect() {
  if (g_lpSceneStagePlay == nullptr) return;
  m_rcScreen.left = hero_motion::ScreenLeft(g_lpSceneStagePlay->m_ScrollX, m_dX, m_nGraphicOffsetX);
  m_rcScreen.top = hero_motion::ScreenLeft(g_lpSceneStagePlay->m_ScrollY, m_dY, m_nGraphicOffsetY);
  m_rcScreen.right = m_rcScreen.left + m_nGraphicW - 1;
  m_rcScreen.bottom = m_rcScreen.top + m_nGraphicH - 1;
}

int32_t cHero::MoveX() {
  if (m_dPushVX != 0) {
    m_dVX = m_dPushVX;
  } else if (m_dInertiaX != 0) {
    ApplyFriction(&m_dInertiaX, m_bFrictionX);
    hero_motion::ApplyFloorSpeed(*this, &m_dInertiaX);
    m_dVX += m_dInertiaX;
  }
  StepX(hero_motion::kRefreshEdges);
  ClampX();
  return 0;
}

int32_t cHero::MoveY() {
  ApplyPushY();
  if (m_dPushVY == 0 && m_bFlying && m_dInertiaY != 0) {
    ApplyFriction(&m_dInertiaY, m_bFrictionY);
    m_dVY += m_dInertiaY;
  }
  const int32_t code = StepY(m_bFlying ? 0 : 2);
  ClampY();
  if (!m_bFlying && (code == kEdgeBottomMargin || code == kEdgePushedBackBottom)) return hero_motion::kFellOut;
  return code;
}
