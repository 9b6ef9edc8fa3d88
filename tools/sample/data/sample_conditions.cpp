#include "tools/sample/data/sample_conditions.h"

namespace sample_conditions {

// The fields every kind reads the same way.
cCondition ConditionOf(int8_t kind, int8_t subject, int8_t selector, int8_t compare) {
  cCondition condition;
  condition.m_nKind = kind;
  condition.m_nSubject = subject;
  condition.m_nSelector = selector;
  condition.m_nCompare = compare;
  return condition;
}

}  // namespace sample_conditions

cCondition VariableCondition(int8_t kind, int16_t index, int8_t compare, int32_t value) {
  cCondition condition = sample_conditions::ConditionOf(kind, 0, 0, compare);
  condition.m_nIndex = index;
  condition.m_nValue = value;
  return condition;
}

cCondition StatusCondition(int8_t subject, int8_t status, int8_t compare, int32_t value) {
  cCondition condition = sample_conditions::ConditionOf(kCondStatus, subject, status, compare);
  condition.m_nRightType = kRightConstant;
  condition.m_nValue = value;
  return condition;
}

cCondition StateFlagCondition(int8_t subject, int8_t flag, int8_t compare, int16_t number) {
  cCondition condition = sample_conditions::ConditionOf(kCondStatus2, subject, flag, compare);
  condition.m_nIndex = number;
  return condition;
}

cCondition CharaStateCondition(int8_t subject, int8_t state, bool negate) {
  return sample_conditions::ConditionOf(kCondStatus3, subject, state, negate ? 1 : 0);
}

cCondition DistanceCondition(int8_t who, int8_t shape, int32_t distanceHbl, bool outside) {
  cCondition condition = sample_conditions::ConditionOf(kCondDistance, who, 0, outside ? 1 : 0);
  condition.m_nShape = shape;
  condition.m_nValue = distanceHbl;
  return condition;
}
