#include "stage/script/status_condition.h"

#include <optional>

#include "records/save/save_data.h"
#include "records/script/condition.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/stage_play.h"
#include "stage/script/compare.h"
#include "stage/script/script_math.h"
#include "stage/script/status_op.h"
#include "stage/script/status_operand.h"

namespace status_condition {

struct cRange {
  int32_t nMin;
  int32_t nMax;
};

// The range a percentage operand is clamped to, statuses 0..14.
constexpr cRange kOperandRanges[] = {
    {-999999, 999999}, {0, 999999}, {0, 999999}, {0, 999999}, {0, 999999}, {0, 99}, {0, 7}, {0, 119},
    {0, 40},           {0, 999999}, {-20, 20},   {0, 999999}, {0, 20},     {0, 200}, {0, 999999}};

std::optional<int32_t> SystemValue(const cStagePlay& play, int32_t system) {
  switch (system) {
    case 0: return play.m_nRemainTime;
    case 1: return g_Stage.m_nAutoScrollSpeedX;
    case 2: return g_Stage.m_nAutoScrollSpeedY;
    case 3: return g_SaveData.m_nScore;
    case 4:
      if (g_SaveData.m_nLives != kInfiniteLives) return g_SaveData.m_nLives;
      if (g_SystemData.m_bLegacy819) return std::nullopt;
      return 100;
    default: return std::nullopt;
  }
}

bool CompareCharaStatus(cStagePlay& play, const cCondition& cond, cCharaBase* lpChara, int32_t operand) {
  cCharaBase* lpLeft = StatusObjectChara(play, lpChara, cond.m_nSubject);
  if (lpLeft == nullptr) return false;
  const int32_t status = cond.m_nSelector;
  if (status < 0 || status > 14) return true;
  const STATUSSLOT slot = CharaStatusSlot(*lpLeft, status, cond.m_nIndex);
  if (slot.lpStorage == nullptr) return false;
  if (cond.m_bPercent) {
    const int32_t max = status == 1 ? lpLeft->m_Def.m_nMaxHp : status == 2 ? lpLeft->m_Def.m_nMaxSp : 0;
    operand = PercentOfInt(max, operand);
    ClampInt(operand, kOperandRanges[status].nMin, kOperandRanges[status].nMax);
  }
  return CompareByCode(ReadStatusSlot(slot), operand, static_cast<uint8_t>(cond.m_nCompare)) != 0;
}

}  // namespace status_condition

bool EvalStatusCondition(cStagePlay& play, cCondition& cond, cCharaBase* lpChara) {
  STATUSOPERAND source;
  source.nSource = cond.m_nRightType;
  source.nConstant = cond.m_nValue;
  source.nRandomA = cond.m_nRandomMin;
  source.nRandomB = cond.m_nRandomMax;
  source.nVarKind = cond.m_nRightScope;
  source.nIndex = cond.m_nRightIndex;
  source.nObject = cond.m_nRightSubject;
  source.nStatus = cond.m_nRightSelector;
  const std::optional<int32_t> right = ReadStatusOperand(play, lpChara, source);
  if (!right) return false;
  cond.m_nValue = *right;
  int32_t operand = *right;
  const uint32_t code = static_cast<uint8_t>(cond.m_nCompare);

  if (cond.m_nLeftType == 1) {
    const int32_t* lpVar = StatusVariable(play, cond.m_nLeftScope, cond.m_nIndex);
    if (lpVar == nullptr) return false;
    if (cond.m_bPercent) operand = 0;
    return CompareByCode(*lpVar, operand, code) != 0;
  }
  if (cond.m_nSubject == kSubjectSystem) {
    const std::optional<int32_t> left = status_condition::SystemValue(play, cond.m_nSelector);
    if (!left) return false;
    if (cond.m_bPercent) operand = 0;
    return CompareByCode(*left, operand, code) != 0;
  }
  return status_condition::CompareCharaStatus(play, cond, lpChara, operand);
}
