#include "stage/objects/game_object.h"

#include <limits>

#include "stage/objects/state_visitor.h"

void cScreenRect::VisitState(cStateVisitor& visitor) {
  visitor.Value("left", left);
  visitor.Value("top", top);
  visitor.Value("right", right);
  visitor.Value("bottom", bottom);
}

void cGameObject::CopyBase(const cGameObject& other) { cGameObject::operator=(other); }

void cGameObject::SetScale(int32_t newScale, int32_t oldScale, int32_t flag) {
  if (newScale == oldScale) return;
  m_nWidth = m_nWidthBase * newScale;
  m_nHeight = m_nHeightBase * newScale;
  m_nGraphicOffsetX = m_nGraphicOffsetXBase * newScale;
  m_nGraphicOffsetY = m_nGraphicOffsetYBase * newScale;
  m_nGraphicW = m_nGraphicWBase * newScale;
  m_nGraphicH = m_nGraphicHBase * newScale;
  RecenterForScale(newScale, oldScale, flag);
  OnScaleChanged(newScale);
}

void cGameObject::OnScaleChanged(int32_t) {}
void cGameObject::AdjustYForScale(int32_t, int32_t, int32_t) {}
void cGameObject::UpdateBoxX() {}
void cGameObject::UpdateBoxY() {}
void cGameObject::SetCenter(int32_t, int32_t) {}
void cGameObject::SetCenterAndStop(int32_t, int32_t, cFlowCmdState*) {}
void cGameObject::SetCenterX(int32_t) {}
void cGameObject::SetCenterXAndStop(int32_t, cFlowCmdState*) {}
void cGameObject::SetCenterY(int32_t) {}
void cGameObject::SetCenterYAndStop(int32_t, cFlowCmdState*) {}

void cGameObject::RecenterForScale(int32_t newScale, int32_t oldScale, int32_t flag) {
  if (newScale == oldScale) return;
  RecenterX(newScale, oldScale);
  AdjustYForScale(newScale, oldScale, flag);
}

void cGameObject::RecenterX(int32_t newScale, int32_t oldScale) {
  if (newScale == oldScale) return;
  m_dX -= (newScale - oldScale) * (m_nWidthBase >> 1);
  ClampXMode(2);
}

void cGameObject::Init(int32_t id, int32_t control, int32_t player, int32_t blockKey, int32_t graphicNo,
                       const int32_t* const* animeTables, int32_t startSequence, int32_t offsetX,
                       int32_t offsetY, int32_t width, int32_t height, int32_t graphicW, int32_t graphicH,
                       int32_t facing, int32_t flyMode, int16_t index) {
  m_nId = id;
  m_nControl = control;
  m_nPlayer = player;
  m_nBlockKey = blockKey;
  m_nGraphicNo = graphicNo;
  m_nIndex = index;
  m_nLife = std::numeric_limits<int32_t>::max();
  if (animeTables != nullptr) {
    m_Anime.Build(animeTables);
    m_Anime.SetSequence(startSequence, 1);
  }
  m_nGraphicOffsetX = m_nGraphicOffsetXBase = offsetX;
  m_nGraphicOffsetY = m_nGraphicOffsetYBase = offsetY;
  m_nWidth = m_nWidthBase = width;
  m_nHeight = m_nHeightBase = height;
  m_nGraphicW = m_nGraphicWBase = graphicW;
  m_nGraphicH = m_nGraphicHBase = graphicH;
  m_nFacing = facing;
  m_dVX = m_dVY = 0;
  m_dInertiaX = m_dInertiaY = 0;
  m_bEnabled = 0;
  m_bOnScreen = 0;
  m_bCondMet = 0;
  SetFlyMode(flyMode);
}

namespace game_object_fly {

struct cFlyModeRow {
  int32_t bFlying;
  uint8_t nBlockMode;
};

// Modes 0 to 3: walking; flying through blocks; flying, stopped by them;
// flying, dying on them.
constexpr cFlyModeRow kFlyModes[] = {{0, 1}, {1, 0}, {1, 1}, {1, 2}};

}  // namespace game_object_fly

void cGameObject::SetFlyMode(int32_t mode) {
  if (mode < 0 || mode >= static_cast<int32_t>(std::size(game_object_fly::kFlyModes))) return;
  const auto& row = game_object_fly::kFlyModes[mode];
  m_bFlying = row.bFlying;
  m_nFlyBlockMode = row.nBlockMode;
}

void cGameObject::VisitState(cStateVisitor& visitor) {
  visitor.Value("m_nId", m_nId);
  visitor.Value("m_nLife", m_nLife);
  visitor.Value("m_nFacing", m_nFacing);
  visitor.Value("m_nIndex", m_nIndex);
  visitor.Value("m_nGraphicNo", m_nGraphicNo);
  visitor.Object("m_Anime", m_Anime);
  visitor.Object("m_rcScreen", m_rcScreen);
  visitor.Value("m_nGraphicOffsetX", m_nGraphicOffsetX);
  visitor.Value("m_nGraphicOffsetY", m_nGraphicOffsetY);
  visitor.Value("m_nGraphicW", m_nGraphicW);
  visitor.Value("m_nGraphicH", m_nGraphicH);
  visitor.Value("m_nGraphicOffsetXBase", m_nGraphicOffsetXBase);
  visitor.Value("m_nGraphicOffsetYBase", m_nGraphicOffsetYBase);
  visitor.Value("m_nGraphicWBase", m_nGraphicWBase);
  visitor.Value("m_nGraphicHBase", m_nGraphicHBase);
  visitor.Value("m_nControl", m_nControl);
  visitor.Value("m_nPlayer", m_nPlayer);
  visitor.Value("m_nBlockKey", m_nBlockKey);
  visitor.Value("m_dX", m_dX);
  visitor.Value("m_dY", m_dY);
  visitor.Value("m_dRight", m_dRight);
  visitor.Value("m_dBottom", m_dBottom);
  visitor.Value("m_nCellLeft", m_nCellLeft);
  visitor.Value("m_nCellTop", m_nCellTop);
  visitor.Value("m_nCellRight", m_nCellRight);
  visitor.Value("m_nCellBottom", m_nCellBottom);
  visitor.Value("m_dVX", m_dVX);
  visitor.Value("m_dVY", m_dVY);
  visitor.Value("m_dInertiaX", m_dInertiaX);
  visitor.Value("m_dInertiaY", m_dInertiaY);
  visitor.Value("m_dFriction", m_dFriction);
  visitor.Value("m_bFrictionX", m_bFrictionX);
  visitor.Value("m_bFrictionY", m_bFrictionY);
  visitor.Value("m_bFollowScroll", m_bFollowScroll);
  visitor.Value("m_nWidth", m_nWidth);
  visitor.Value("m_nHeight", m_nHeight);
  visitor.Value("m_nWidthBase", m_nWidthBase);
  visitor.Value("m_nHeightBase", m_nHeightBase);
  visitor.Value("m_bFlying", m_bFlying);
  visitor.Value("m_nFlyBlockMode", m_nFlyBlockMode);
  visitor.Value("m_bEnabled", m_bEnabled);
  visitor.Value("m_bOnScreen", m_bOnScreen);
  visitor.Value("m_bCondMet", m_bCondMet);
}
