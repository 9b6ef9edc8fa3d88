#include "records/script/ed_move.h"

#include <algorithm>
#include <cstdint>

#include "records/script/record_fields_equal.h"

namespace {

// Data versions that added members.
constexpr int32_t kMoveMirrorAngleFrom = 158;
constexpr int32_t kDistanceUnitFrom = 159;
constexpr int32_t kFacingAndAnimeFrom = 162;
constexpr int32_t kTargetSlotFrom = 767;
// Before this version anime mode 1 meant what 2 means now.
constexpr int32_t kAnimeModeRenumbered = 830;

constexpr int32_t kDotsPerHalfBlock = 16;

}  // namespace

cEdMove::cEdMove() {
  RegisterFields(g_nDataVersion);
  SetNewValues();
}

void cEdMove::SetNewValues() {
  ClearFields();
  m_bMirrorAngle = 1;
  m_bMoveX = 1;
  m_bMoveY = 1;
  m_bStopAtTarget = 1;
  m_bMirrorTargetX = 1;
  m_bReverseOnTurn = 1;
  m_nSpeed = 10;
  m_dReverseAccel = 1.0;
}

void cEdMove::RegisterFields(int32_t nVersion) {
  ResetFieldTables();
  AddCharField(&m_nMode);
  AddCharField(&m_nDirection);
  AddShortField(&m_nAngle);
  AddShortField(&m_nAnglePerClone);
  if (nVersion >= kMoveMirrorAngleFrom) AddCharField(&m_bMirrorAngle);
  AddCharField(&m_bMoveX);
  AddCharField(&m_bMoveY);
  AddShortField(&m_nTargetX);
  AddShortField(&m_nTargetY);
  AddShortField(&m_nTargetDotX);
  AddShortField(&m_nTargetDotY);
  AddCharField(&m_nTargetCoord);
  AddCharField(&m_bStopAtTarget);
  AddCharField(&m_bLockX);
  AddCharField(&m_bLockY);
  AddCharField(&m_bMirrorTargetX);
  AddCharField(&m_bMirrorTargetY);
  AddCharField(&m_bReverseOnTurn);
  AddCharField(&m_bSnapAtTarget);
  if (nVersion >= kFacingAndAnimeFrom) AddCharField(&m_bKeepFacing);
  AddCharField(&m_nSpeedMode);
  AddShortField(&m_nSpeed);
  AddShortField(&m_nSpeedPerClone);
  AddShortField(&m_nDistance);
  AddShortField(&m_nDistancePerClone);
  if (nVersion >= kDistanceUnitFrom) AddCharField(&m_nDistanceUnit);
  AddShortField(&m_nHoming);
  AddShortField(&m_nHomingPerClone);
  AddCharField(&m_bInertia);
  AddShortField(&m_nMaxSpeed);
  AddDoubleField(&m_dReverseAccel);
  if (nVersion >= kFacingAndAnimeFrom) AddCharField(&m_nAnimeMode);
  if (nVersion >= kTargetSlotFrom) AddCharField(&m_nTargetSlot);
}

bool cEdMove::Load(cRecordReader& reader) {
  if (!cRecord::Load(reader)) return false;
  const int32_t version = reader.FileVersion();
  // Members older files lack behave as they did before they existed.
  if (version < kMoveMirrorAngleFrom) m_bMirrorAngle = 0;
  if (version < kDistanceUnitFrom) m_nDistanceUnit = 0;
  if (version < kFacingAndAnimeFrom) {
    m_bKeepFacing = 0;
    m_nAnimeMode = kMoveAnimeMoving;
  }
  if (version < kAnimeModeRenumbered && m_nAnimeMode == 1) m_nAnimeMode = kMoveAnimeOther;
  return true;
}

int32_t cEdMove::DistanceDots(int32_t clone) const {
  // Wide, so no clone index can overflow; the result is kept within int32.
  int64_t distance = int64_t{m_nDistancePerClone} * clone + m_nDistance;
  if (m_nDistanceUnit == 0) distance *= kDotsPerHalfBlock;
  return static_cast<int32_t>(std::clamp<int64_t>(distance, INT32_MIN, INT32_MAX));
}

bool cEdMove::operator==(const cEdMove& other) const { return SameRegisteredFields(*this, other); }

void NewEdMove(cEdMoveHolder& holder) { holder = std::make_shared<cEdMove>(); }
