#pragma once
// Small builders of the conditions the sample's flows test, one for each kind
// of condition; the fields each kind leaves unused stay 0.

#include <cstdint>

#include "records/script/condition.h"

// A common (kCondCommonVar), stage (kCondStageVar) or chara (kCondCharaVar)
// variable compared with value (eCompare).
cCondition VariableCondition(int8_t kind, int16_t index, int8_t compare, int32_t value);
// A status of subject (eSubject; 5 the system values) compared with a constant.
cCondition StatusCondition(int8_t subject, int8_t status, int8_t compare, int32_t value);
// A state flag of subject (1 to 6) compared with number.
cCondition StateFlagCondition(int8_t subject, int8_t flag, int8_t compare, int16_t number);
// A state of subject (eCharaState) that holds, or with negate that does not.
cCondition CharaStateCondition(int8_t subject, int8_t state, bool negate);
// The hero (or target slot 1..4 as who) within, or with outside beyond,
// distanceHbl half blocks in a shape (eDistanceShape).
cCondition DistanceCondition(int8_t who, int8_t shape, int32_t distanceHbl, bool outside);
