#pragma once
// EVALTOKEN: one word of a flat script text, as the reducer sees it.

#include <cstdint>

class cCharaBase;

enum eEvalTokenKind : int32_t {
  kEvalLiteral = 0,
  kEvalVariable = 1,
  kEvalStatus = 2,
  kEvalSystem = 3,
  kEvalOperator = 4,
};

struct EVALTOKEN {
  int32_t nKind = kEvalLiteral;
  int32_t nValue = 0;         // the operand's value when its word was read
  void* lpStorage = nullptr;  // where an assignment stores; null for literals and results
  int32_t nWidth = 4;         // 4 int32, 2 int16, 0 int8
  int32_t nOperator = 0;      // index in the operator table (kEvalOperator)
  int32_t nMin = -999999;     // the assignment range
  int32_t nMax = 999999;
  int32_t nStatus = 0;        // index in the status table (kEvalStatus)
  int32_t nSystem = 0;        // index in the system table (kEvalSystem)
  cCharaBase* lpChara = nullptr;
};

// Width 4, range -999999..999999, no chara.
EVALTOKEN MakeValueToken(int32_t value, void* lpStorage, int32_t kind);
