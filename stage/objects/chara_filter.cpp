#include "stage/objects/chara_filter.h"

#include "stage/objects/chara_base.h"

bool FilterCompare(int32_t variable, int32_t op, int32_t value) {
  const int64_t a = variable;
  const int64_t b = value;
  const int64_t magnitude = a < 0 ? -a : a;
  switch (op) {
    case 0: return a == b;
    case 1: return a != b;
    case 2: return a >= b;
    case 3: return a <= b;
    case 4: return a > b;
    case 5: return a < b;
    case 6: return b == 0 || magnitude % b == 0;
    case 7: return b != 0 && magnitude % b != 0;
    default: return false;
  }
}

bool cCharaFilter::Accepts(const cCharaBase& chara) const {
  if (m_bCharaId != 0 && chara.m_Def.m_nCharaId != static_cast<int8_t>(m_nCharaId)) return false;
  if (m_bOwnId != 0 && chara.m_nId == m_nOwnId) return false;
  if (m_bNoInvincible1 != 0 && chara.m_Def.m_nInvincible == 1) return false;
  if (m_bNoInvincible2 != 0 && chara.m_Def.m_nInvincible == 2) return false;
  if (m_bNoBlockChara != 0 && chara.m_Def.m_bBlockChara != 0) return false;
  if (m_bVar != 0 && !FilterCompare(chara.m_Vars.CheckedVectorAt(m_nVar), m_nOperator, m_nValue)) return false;
  return true;
}
