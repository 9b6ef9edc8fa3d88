#include "records/save/hero_carry.h"

cHeroCarry::cHeroCarry() {
  RegisterFields(g_nDataVersion);
  ClearFields();
}

void cHeroCarry::RegisterFields(int32_t /*nVersion*/) {
  ResetFieldTables();
  AddIntField(&m_nHp);
  AddIntField(&m_nSp);
  AddIntField(&m_nTimeLeft);
  AddIntField(&m_nLives);
  AddIntField(&m_nBgm);
}

bool cHeroCarry::Load(cRecordReader& reader) {
  return cRecord::Load(reader) && m_Chara.Load(reader);
}

void cHeroCarry::Save(cRecordWriter& writer) {
  cRecord::Save(writer);
  m_Chara.Save(writer);
}
