// The sword: a shot that follows its owner through the steps of a sword type.
#include "stage/objects/shot_sword.h"

#include "records/database/database.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/scene_scroll.h"
#include "stage/objects/shot.h"
#include "stage/objects/stage_play.h"

namespace shot_sword {

enum ePlacement : int32_t { kInFront = 0, kBehind = 1, kAbove = 2, kBelow = 3 };

bool InRange(int32_t index, int32_t count) { return index >= 0 && index < count; }

}  // namespace shot_sword

const cSwordTypeEntry* SwordStep(int32_t type, int32_t step) {
  const cVector<cSwordType>& types = g_Database.m_SwordTypes;
  if (!shot_sword::InRange(type, types.VectorSize())) return nullptr;
  const cVector<cSwordTypeEntry>& entries = types.CheckedVectorAt(type).m_Entries;
  return shot_sword::InRange(step, entries.VectorSize()) ? &entries.CheckedVectorAt(step) : nullptr;
}

int32_t cShot::StepSword() {
  cCharaBase* owner = FindCharaById(m_nOwnerId);
  if (owner == nullptr) return 1;
  owner->UpdateScreenRect();
  m_nFacing = owner->m_nFacing;
  const cSwordTypeEntry* step = SwordStep(m_Settings.m_nMoveType, m_nSwordStep);
  if (step == nullptr) return 1;
  if (m_nTrajPasses == 0) {
    const int32_t size = m_Settings.m_nSize;
    m_nWidthBase = m_nGraphicWBase = m_rcAtkBase.nWidth = step->m_nWidth;
    m_nHeightBase = m_nGraphicHBase = m_rcAtkBase.nHeight = step->m_nHeight;
    m_nWidth = m_nGraphicW = m_rcAtk.nWidth = size * step->m_nWidth;
    m_nHeight = m_nGraphicH = m_rcAtk.nHeight = size * step->m_nHeight;
  }
  PlaceSword(*owner, *step);

  ++m_nTrajPasses;
  if (m_nTrajPasses <= PassesOfTenths(step->m_nDuration)) return 0;
  m_nTrajPasses = 0;
  ++m_nSwordStep;
  return SwordStep(m_Settings.m_nMoveType, m_nSwordStep) == nullptr ? 1 : 0;
}

void cShot::PlaceSword(const cCharaBase& owner, const cSwordTypeEntry& step) {
  using namespace shot_sword;
  const cScreenRect& rc = owner.m_rcScreen;
  const double SX = SceneScrollX().m_dPos;
  const double SY = SceneScrollY().m_dPos;
  const int32_t w = m_nWidth;
  const int32_t h = m_nHeight;
  const bool right = owner.m_nFacing == 1;
  const double besideY = rc.top + (owner.m_nGraphicH >> 1) + SY - (h >> 1);
  const double centreX = rc.left + (owner.m_nGraphicW >> 1) + SX - (w >> 1);
  switch (step.m_nDirection) {
    case kInFront:
      m_dX = right ? SX + rc.right + 1 : SX + rc.left - w;
      m_dY = besideY;
      break;
    case kBehind:
      m_nFacing = right ? 0 : 1;
      m_dX = right ? SX + rc.left - w : SX + rc.right + 1;
      m_dY = besideY;
      break;
    case kAbove:
      m_dX = centreX;
      m_dY = rc.top + SY - h;
      break;
    case kBelow:
      m_dX = centreX;
      m_dY = SY + rc.bottom + 1;
      break;
    default:  // a placement the data cannot name: the sword stays where it was
      break;
  }
  // Facing right the offsets are mirrored where the step asks for it.
  const int32_t size = m_Settings.m_nSize;
  const double dx = static_cast<double>(size) * step.m_nOffsetX;
  const double dy = static_cast<double>(size) * step.m_nOffsetY;
  m_dX += right && step.m_bMirrorX != 0 ? -dx : dx;
  m_dY += right && step.m_bMirrorY != 0 ? -dy : dy;
  ClampX();
  ClampYMode(2);
}
