#pragma once
// The condition kinds that test a chara's state: status condition 2 (kind 5,
// a state byte of the chara or its target, or an auto-scroll speed, compared
// with m_nIndex), status condition 3 (kind 6: facing, on a block, on
// screen, exists) and the distance condition (kind 7: the hero or a target
// inside or outside a range of m_nValue half blocks + m_nRightIndex dots
// around the chara). Each gives 1 when the condition holds.
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
// Bands and the circle are measured between screen rectangles as the last
// pass left them. A missing subject fails whether inside or outside is asked.
int32_t EvalDistanceCondition(const cCharaBase& chara, const cCondition& cond);
// The range's length in dots, computed wide (saturating to int32).
int32_t DistanceRangeDots(const cCondition& cond);
// The lengths of the range before (left or up) and after (right or down) the
// chara for a band shape; false for the circle and unknown shapes.
bool DistanceBandSides(const cCharaBase& chara, int32_t shape, int32_t length, int32_t* before, int32_t* after);

// The chara a condition's subject names: 0 chara itself, 1..4 its target
// slots; null for an empty slot, a gone chara or another subject.
const cCharaBase* ConditionSubject(const cCharaBase& chara, int32_t subject);
