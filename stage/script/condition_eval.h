#pragma once
// Condition lists: every condition (mode 0) or any condition (mode 1) of a
// list, evaluated in order for a subject chara and stopping at the first
// condition that decides, so the random operands of later conditions are not
// drawn. Any other mode never holds; an empty list holds in mode 0 only.
//
//   cVector<cCondition>& conds = def.m_Conditions.m_Conditions;
//   if (CheckConditions(play, conds, mode, once, chara.m_bCondMet, &chara)) { ... }
//
// CheckConditions is the gate of blocks, charas, items and flows: an empty
// list holds, a once-only list that has held holds without evaluation, and a
// list that holds sets the met flag for good.

#include <cstdint>

#include "core/containers/checked_vector.h"

class cCharaBase;
class cCondition;
class cStagePlay;

// Kinds 1..3 compare the common, stage or subject's variable at m_nIndex with
// m_nValue; 4..6 the status conditions, 7 the distance condition; kind 0 and
// unknown kinds are false.
// The distance test of kind 7 is the chara runtime's EvalDistanceCondition,
// reached through this pointer so that tests can put their own in its
// place. Null: a distance condition fails.
using DistanceConditionEval = int32_t (*)(const cCharaBase& chara, const cCondition& cond);
extern DistanceConditionEval g_lpEvalDistanceCondition;

bool EvalCondition(cStagePlay& play, cCondition& cond, cCharaBase* lpSubject);
bool EvalConditionList(cStagePlay& play, cVector<cCondition>& conds, int32_t mode, cCharaBase* lpSubject);

template <class Flag>
bool CheckConditions(cStagePlay& play, cVector<cCondition>& conds, int32_t mode, int32_t once, Flag& met,
                     cCharaBase* lpSubject) {
  if (conds.empty()) return true;
  if (once != 0 && met != 0) return true;
  if (!EvalConditionList(play, conds, mode, lpSubject)) return false;
  met = 1;
  return true;
}
