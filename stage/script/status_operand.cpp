#include "stage/script/status_operand.h"

#include "core/containers/bad_index_report.h"
#include "core/math/random.h"
#include "records/save/save_data.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/stage_play.h"

namespace status_operand {

struct cSlotShape {
  int32_t nWidth;
  int32_t nMin;
  int32_t nMax;
};

// Statuses 0..14: the width each is stored in and an operation's range.
constexpr cSlotShape kCharaStatusShapes[] = {
    {4, -999999, 999999}, {4, 0, 999999}, {4, 0, 999999}, {4, 0, 999999}, {4, 0, 999999},
    {1, 0, 99},           {1, 0, 7},      {2, 0, 119},    {1, 0, 40},     {4, -999999, 999999},
    {1, -20, 20},         {4, 0, 999999}, {1, 0, 20},     {2, 0, 200},    {4, -999999, 999999}};

void* CharaStatusStorage(cCharaBase& chara, int32_t status, int32_t index) {
  cCharaDef& def = chara.m_Def;
  switch (status) {
    case 0:
      if (index < 0 || index >= chara.m_Vars.VectorSize()) {
        LogBadIndex(ContainerKind::Vector, index, chara.m_Vars.VectorSize(), static_cast<int32_t>(sizeof(int32_t)));
        return nullptr;
      }
      return &chara.m_Vars.CheckedVectorAt(index);
    case 1: return &chara.m_nHp;
    case 2: return &chara.m_nSp;
    case 3: return &def.m_nMaxHp;
    case 4: return &def.m_nMaxSp;
    case 5: return &def.m_nCharaId;
    case 6: return &def.m_nZ;
    case 7: return &def.m_nMark;
    case 8: return &def.m_nSight;
    case 9: return &def.m_nPower;
    case 10: return &def.m_nImpact;
    case 11: return &def.m_nDefence;
    case 12: return &def.m_nImpactResist;
    case 13: return &def.m_nStop;
    case 14: return &def.m_nScore;
    default: return nullptr;
  }
}

std::optional<int32_t> ReadSystemValue(const cStagePlay& play, int32_t system) {
  switch (system) {
    case 0: return play.m_bNoTimeLimit ? 0 : play.m_nRemainTime;
    case 1: return g_Stage.m_nAutoScrollSpeedX;
    case 2: return g_Stage.m_nAutoScrollSpeedY;
    case 3: return g_SaveData.m_nScore;
    case 4:
      if (g_SaveData.m_nLives == kInfiniteLives) return g_SystemData.m_bLegacy819 ? 0 : 100;
      return g_SaveData.m_nLives;
    default: return 0;
  }
}

}  // namespace status_operand

STATUSSLOT CharaStatusSlot(cCharaBase& chara, int32_t status, int32_t index) {
  STATUSSLOT slot;
  if (status < 0 || status > 14) return slot;
  const status_operand::cSlotShape& shape = status_operand::kCharaStatusShapes[status];
  slot.lpStorage = status_operand::CharaStatusStorage(chara, status, index);
  slot.nWidth = shape.nWidth;
  slot.nMin = shape.nMin;
  slot.nMax = shape.nMax;
  return slot;
}

int32_t ReadStatusSlot(const STATUSSLOT& slot) {
  switch (slot.nWidth) {
    case 1: return *static_cast<const int8_t*>(slot.lpStorage);
    case 2: return *static_cast<const int16_t*>(slot.lpStorage);
    default: return *static_cast<const int32_t*>(slot.lpStorage);
  }
}

int32_t* StatusVariable(cStagePlay& play, int32_t kind, int32_t index) {
  if (kind != 0 && kind != 1) return nullptr;
  cVector<int32_t>& vars = kind == 0 ? g_SaveData.m_Vars : play.m_StageVar;
  if (index < 0 || index >= vars.VectorSize()) {
    LogBadIndex(ContainerKind::Vector, index, vars.VectorSize(), static_cast<int32_t>(sizeof(int32_t)));
    return nullptr;
  }
  return &vars.CheckedVectorAt(index);
}

cCharaBase* StatusObjectChara(cStagePlay& play, cCharaBase* lpChara, int32_t object) {
  if (lpChara == nullptr || object < 1 || object > 4) return lpChara;
  const int32_t slot = object - 1;
  if (slot >= lpChara->m_Targets.VectorSize()) return nullptr;
  return play.FindCharaById(lpChara->m_Targets.CheckedVectorAt(slot));
}

std::optional<int32_t> ReadStatusOperand(cStagePlay& play, cCharaBase* lpChara, const STATUSOPERAND& source) {
  switch (source.nSource) {
    case kOperandConstant: return source.nConstant;
    case kOperandRandom: return RandomRange(play.m_Random, source.nRandomA, source.nRandomB);
    case kOperandVariable: {
      if (source.nVarKind != 0 && source.nVarKind != 1) return 0;
      const int32_t* lpVar = StatusVariable(play, source.nVarKind, source.nIndex);
      if (lpVar == nullptr) return std::nullopt;
      return *lpVar;
    }
    case kOperandStatus: break;
    default: return 0;
  }
  if (source.nObject == kStatusObjectSystem) return status_operand::ReadSystemValue(play, source.nStatus);
  cCharaBase* lpFrom = StatusObjectChara(play, lpChara, source.nObject);
  if (lpFrom == nullptr) return std::nullopt;
  if (source.nStatus == kCharaStatusSight && lpFrom->m_nControl != 0) return std::nullopt;
  const STATUSSLOT slot = CharaStatusSlot(*lpFrom, source.nStatus, source.nIndex);
  if (slot.lpStorage == nullptr) return std::nullopt;
  if (source.nStatus == kCharaStatusStop) lpFrom->m_dFriction = cCharaBase::StopToFriction(lpFrom->m_Def.m_nStop);
  return ReadStatusSlot(slot);
}
