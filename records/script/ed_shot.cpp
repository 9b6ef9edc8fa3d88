#include "records/script/ed_shot.h"

#include "records/script/clone_offset.h"
#include "records/script/record_fields_equal.h"

namespace {

// Data versions that added members.
constexpr int32_t kShotMirrorAngleFrom = 158;
constexpr int32_t kShotOpt15From = 197;
constexpr int32_t kHomingFrom = 211;
constexpr int32_t kHomingDecidedFrom = 212;  // before: homing followed the movement type
constexpr int32_t kAccelFrom = 213;
constexpr int32_t kShotOpt11From = 636;
constexpr int32_t kStrikeRefFrom = 671;
constexpr int32_t kLateOptsFrom = 762;
constexpr int32_t kTargetSlotsFrom = 767;

bool IsHomingMoveType(int8_t moveType) {
  return moveType >= kShotHomeHero && moveType <= kShotHomeNearestNext;
}

}  // namespace

cEdShot::cEdShot() {
  RegisterFields(g_nDataVersion);
  SetNewValues();
}

void cEdShot::SetNewValues() {
  ClearFields();
  m_bMirrorAngle = 1;
  m_bMirrorOffsetX = 1;
  m_bShotOpt3 = 1;
  m_nSize = 1;
}

void cEdShot::RegisterFields(int32_t nVersion) {
  ResetFieldTables();
  AddCharField(&m_nCount);
  AddCharField(&m_nFormation);
  AddShortField(m_nFormationParam, 3);
  if (nVersion >= kStrikeRefFrom) AddCharField(&m_nStrikeRef);
  AddCharField(&m_nDirection);
  AddCharField(&m_bAim);
  if (nVersion >= kTargetSlotsFrom) AddCharField(&m_nTargetSlot);
  AddShortField(&m_nAngle);
  AddShortField(&m_nAnglePerClone);
  if (nVersion >= kShotMirrorAngleFrom) AddCharField(&m_bMirrorAngle);
  AddShortField(&m_nSpread);
  AddCharField(&m_bShotOpt1);
  AddCharField(&m_nClones);
  AddShortField(&m_nOffsetX);
  AddShortField(&m_nOffsetXPerClone);
  AddShortField(&m_nOffsetY);
  AddShortField(&m_nOffsetYPerClone);
  AddCharField(&m_bMirrorOffsetX);
  AddCharField(&m_bMirrorOffsetY);
  AddShortField(&m_nGraphic);
  AddCharField(&m_nZ);
  AddCharField(&m_bShotOpt2);
  AddCharField(&m_bShotOpt3);
  AddCharField(&m_nGroup);
  AddCharField(&m_bShotOpt4);
  AddCharField(&m_nSize);
  AddCharField(&m_bShotOpt5);
  AddCharField(&m_nMoveType);
  AddShortField(m_nMoveTypeParam, 3);
  if (nVersion >= kTargetSlotsFrom) AddCharField(&m_nTargetSlot2);
  if (nVersion >= kHomingFrom) AddCharField(&m_bHoming);
  AddShortField(&m_nSpeed);
  AddShortField(&m_nSpeedPerClone);
  if (nVersion >= kAccelFrom) {
    AddCharField(&m_bAccel);
    AddShortField(&m_nAccel);
    AddShortField(&m_nAccelPerClone);
  }
  // The stored order has the range before the option byte declared above it.
  AddShortField(&m_nRange);
  AddCharField(&m_bShotOpt6);
  AddShortField(&m_nRangePerClone);
  AddCharField(&m_bShotOpt7);
  AddCharField(&m_bShotOpt8);
  AddShortField(&m_nLife);
  AddShortField(&m_nLifePerClone);
  AddCharField(&m_bShotOpt9);
  AddCharField(&m_bShotOpt10);
  if (nVersion >= kShotOpt11From) AddCharField(&m_bShotOpt11);
  AddCharField(&m_bShotOpt12);
  AddCharField(&m_nVanishValue);
  AddIntField(&m_nPower);
  AddShortField(&m_nShotOpt13);
  AddCharField(&m_nImpact);
  AddShortField(&m_nEffect);
  AddCharField(&m_nItemPalette);
  AddShortField(&m_nItemIndex);
  AddCharField(&m_nBlockMode);
  // ... and these two option bytes before the summon palette.
  AddCharField(&m_bShotOpt14);
  if (nVersion >= kShotOpt15From) AddCharField(&m_bShotOpt15);
  AddCharField(&m_nSummonPalette);
  AddShortField(&m_nSummonIndex);
  AddCharField(&m_nGroupMode);
  AddCharField(&m_bShotOpt16);
  AddCharField(&m_bReverseFacing);
  if (nVersion >= kLateOptsFrom) {
    AddCharField(&m_bShotOpt17);
    AddCharField(&m_bShotOpt18);
  }
}

bool cEdShot::Load(cRecordReader& reader) {
  if (!cRecord::Load(reader)) return false;
  const int32_t version = reader.FileVersion();
  if (version < kShotMirrorAngleFrom) m_bMirrorAngle = 0;
  // Options that were split in two start as the one they came from.
  if (version < kShotOpt15From) m_bShotOpt15 = m_bShotOpt14;
  if (version < kHomingDecidedFrom) m_bHoming = IsHomingMoveType(m_nMoveType) ? 1 : 0;
  if (version < kAccelFrom) {
    m_bAccel = 0;
    m_nAccel = 0;
    m_nAccelPerClone = 0;
  }
  if (version < kShotOpt11From) m_bShotOpt11 = m_bShotOpt10;
  if (version < kStrikeRefFrom) m_nStrikeRef = 0;
  Validate(CurrentValidateContext());
  return true;
}

void cEdShot::Save(cRecordWriter& writer) {
  Validate(CurrentValidateContext());
  cRecord::Save(writer);
}

void cEdShot::Validate(const cValidateContext& context) {
  if (m_nSize <= 0) m_nSize = 1;
  if (!context.InRange(eDatabaseList::Effect, m_nEffect)) m_nEffect = 0;
}

double cEdShot::OffsetX(int32_t i, int32_t facing) const {
  return CloneOffset(m_nOffsetX, m_nOffsetXPerClone, i, m_bMirrorOffsetX, facing);
}

double cEdShot::OffsetY(int32_t i, int32_t facing) const {
  return CloneOffset(m_nOffsetY, m_nOffsetYPerClone, i, m_bMirrorOffsetY, facing);
}

bool cEdShot::operator==(const cEdShot& other) const { return SameRegisteredFields(*this, other); }

void NewEdShot(cEdShotHolder& holder) { holder = std::make_shared<cEdShot>(); }
