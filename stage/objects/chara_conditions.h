#pragma once
// The condition kinds that test a chara's state: status condition 2 (kind 5,
// a state byte of the chara or its target, or an auto-scroll speed, compared
// with m_nIndex) and status condition 3 (kind 6: facing, on a block, on
// screen, exists). Each gives 1 when the condition holds.
//
//   cCondition cond;
//   cond.m_nKind = kCondStatus2;
//   cond.m_nSubject = kSubjectTarget1;   // the chara in target slot 1
//   cond.m_nSelector = 3;                // its flying byte
//   cond.m_nCompare = kCompareNotEqual;  // is not
//   cond.m_nIndex = 0;                   // 0
//   EvalStatusCondition2(chara, cond);   // 0 when slot 1 is empty

#include <cstdint>

class cCharaBase;
class cCondition;

int32_t EvalStatusCondition2(const cCharaBase& chara, const cCondition& cond);
int32_t EvalStatusCondition3(const cCharaBase& chara, const cCondition& cond);

// The chara a condition's subject names: 0 chara itself, 1..4 its target
// slots; null for an empty slot, a gone chara or another subject.
const cCharaBase* ConditionSubject(const cCharaBase& chara, int32_t subject);
