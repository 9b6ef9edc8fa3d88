#include "core/math/truncate.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/grid/block_grid.h"
#include "stage/grid/block_probes.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/stage_play.h"

namespace chara_floor {

constexpr int32_t kCellDots = 32;
// Triggers fired by a landing and by a ceiling hit.
constexpr int32_t kLandingTriggers[] = {9, 13, 15};
constexpr int32_t kCeilingTriggers[] = {9, 13, 14};

int32_t MarginCells(const cScroll cStagePlay::*axis) {
  return g_lpSceneStagePlay != nullptr ? (g_lpSceneStagePlay->*axis).m_nMarginCells : 0;
}

}  // namespace chara_floor

void cCharaBase::SetBlockPosition(int32_t column, int32_t row, int32_t flag) {
  SetBlockX(column);
  SetBlockY(row, flag);
}

void cCharaBase::SetBlockX(int32_t column) {
  const int32_t margin = chara_floor::MarginCells(&cStagePlay::m_ScrollX);
  m_dX = (static_cast<double>(column) + margin) * chara_floor::kCellDots + m_nGraphicOffsetXBase + 0.5;
  RecenterX(m_Def.m_nGiant, 1);
  ClampX();
}

void cCharaBase::SetBlockY(int32_t row, int32_t flag) {
  const int32_t margin = chara_floor::MarginCells(&cStagePlay::m_ScrollY);
  m_dY = (static_cast<double>(row) + margin) * chara_floor::kCellDots + m_nGraphicOffsetYBase;
  AdjustYForScale(m_Def.m_nGiant, 1, flag);
  ClampY();
}

void cCharaBase::ClearBlockContacts() {
  m_bContactLeft = m_bContactRight = m_bContactTop = m_bContactBottom = 0;
}

void cCharaBase::ApplyGravity() {
  if (m_bFlying || m_bRiding || m_bMoveDisabled || m_dPushVY < 0) return;
  m_dVY += g_Stage.m_dSubGravity;
}

int32_t cCharaBase::IsOnFloor() const {
  if (m_bRiding) return 1;
  return CellIndexHitClass(g_BlockGrid, m_nFloorBlock, static_cast<int8_t>(m_nBlockKey)) != 0 ? 1 : 0;
}

void cCharaBase::LandOnBlock() {
  m_dVY = 0;
  m_dInertiaY = 0;
  m_bContactBottom = 1;
  m_nNoFloorSteps = 0;
  m_bInAir = 0;
  m_bJumpHit = m_bJumpRising = 0;
  m_bPushed = 0;
  if (m_nControl != 0) m_bJumpLocked = 0;
  m_dY -= TruncToInt(m_dBottom) % chara_floor::kCellDots + 1;
  ClampY();
  for (int32_t trigger : chara_floor::kLandingTriggers) FireTrigger(trigger);
}

void cCharaBase::HitCeiling() {
  m_bJumpHit = m_bJumpRising = 1;
  m_bContactTop = 1;
  m_bJumpLocked = 1;
  m_dVY = 0;
  m_dInertiaY = 0;
  if (!g_SystemData.m_bLegacy781) m_dPushVY = 0;
  m_dY += chara_floor::kCellDots - TruncToInt(m_dY) % chara_floor::kCellDots;
  ClampY();
  for (int32_t trigger : chara_floor::kCeilingTriggers) FireTrigger(trigger);
}

void cCharaBase::EndRide(int32_t flag) {
  m_bRiding = 0;
  if (m_dPushVY == 0) m_dVY = 0;
  if (flag) m_bSolidPushed = 1;
}

void cCharaBase::SavePosition() {
  m_dSavedX = m_dX;
  m_dSavedY = m_dY;
  m_dSavedRight = m_dRight;
  m_dSavedBottom = m_dBottom;
}

void cCharaBase::RestorePosition() {
  m_dX = m_dSavedX;
  m_dY = m_dSavedY;
  m_dRight = m_dSavedRight;
  m_dBottom = m_dSavedBottom;
}
