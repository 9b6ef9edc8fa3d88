#pragma once
// cCharaFilter: the switches and values every chara search applies (the
// target-setting command, homing shots). Each test counts only when its
// switch is on:
//
//   cCharaFilter filter;
//   filter.m_bCharaId = 1;  filter.m_nCharaId = 7;      // only charas of ID 7
//   filter.m_bOwnId = 1;    filter.m_nOwnId = self.m_nId; // never the searcher
//   filter.m_bVar = 1;  filter.m_nVar = 2;  filter.m_nOperator = 4;  filter.m_nValue = 10;
//   filter.Accepts(chara);  // ... and chara variable 2 > 10
//
// Operators: 0 equal, 1 not equal, 2 at least, 3 at most, 4 greater, 5 less,
// 6 divisible (value 0 divides everything), 7 not divisible (nothing is by
// value 0); any other operator accepts nothing.

#include <cstdint>

class cCharaBase;

class cCharaFilter {
 public:
  int32_t m_bCharaId = 0;
  int32_t m_nCharaId = 0;     // compared with the definition's ID byte
  int32_t m_bOwnId = 0;
  int32_t m_nOwnId = 0;       // the searcher's m_nId
  int32_t m_bNoInvincible1 = 0;
  int32_t m_bNoInvincible2 = 0;
  int32_t m_bNoBlockChara = 0;
  int32_t m_bVar = 0;
  int32_t m_nVar = 0;         // chara variable 1..8
  int32_t m_nOperator = 0;
  int32_t m_nValue = 0;

  bool Accepts(const cCharaBase& chara) const;
};

// The operator table on a chara variable. Computed in 64 bits: |INT32_MIN|
// is exact and INT32_MIN mod -1 is 0.
bool FilterCompare(int32_t variable, int32_t op, int32_t value);
