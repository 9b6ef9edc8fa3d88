#include "stage/script/condition_eval.h"

#include "core/containers/bad_index_report.h"
#include "records/save/save_data.h"
#include "records/script/condition.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/chara_conditions.h"
#include "stage/objects/stage_play.h"
#include "stage/script/compare.h"
#include "stage/script/status_condition.h"

namespace condition_eval {

bool CompareVariable(const cVector<int32_t>& vars, const cCondition& cond) {
  if (cond.m_nIndex < 0 || cond.m_nIndex >= vars.VectorSize()) {
    LogBadIndex(ContainerKind::Vector, cond.m_nIndex, vars.VectorSize(), static_cast<int32_t>(sizeof(int32_t)));
    return false;
  }
  return CompareByCode(vars.CheckedVectorAt(cond.m_nIndex), cond.m_nValue, static_cast<uint8_t>(cond.m_nCompare)) != 0;
}

}  // namespace condition_eval

DistanceConditionEval g_lpEvalDistanceCondition = EvalDistanceCondition;

bool EvalCondition(cStagePlay& play, cCondition& cond, cCharaBase* lpSubject) {
  switch (cond.m_nKind) {
    case kCondCommonVar: return condition_eval::CompareVariable(g_SaveData.m_Vars, cond);
    case kCondStageVar: return condition_eval::CompareVariable(play.m_StageVar, cond);
    case kCondCharaVar: return lpSubject != nullptr && condition_eval::CompareVariable(lpSubject->m_Vars, cond);
    case kCondStatus: return EvalStatusCondition(play, cond, lpSubject);
    case kCondStatus2: return lpSubject != nullptr && EvalStatusCondition2(*lpSubject, cond) != 0;
    case kCondStatus3: return lpSubject != nullptr && EvalStatusCondition3(*lpSubject, cond) != 0;
    case kCondDistance:
      return lpSubject != nullptr && g_lpEvalDistanceCondition != nullptr && g_lpEvalDistanceCondition(*lpSubject, cond) != 0;
    default: return false;
  }
}

bool EvalConditionList(cStagePlay& play, cVector<cCondition>& conds, int32_t mode, cCharaBase* lpSubject) {
  if (mode != 0 && mode != 1) return false;
  const bool any = mode == 1;
  for (cCondition& cond : conds) {
    if (EvalCondition(play, cond, lpSubject) == any) return any;
  }
  return !any;
}
