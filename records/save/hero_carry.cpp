#include "records/save/hero_carry.h"

#include "records/record/record_visitor.h"

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

void cHeroCarry::VisitAppended(cRecordVisitor& visitor) {
  // Always present: the file holds no presence flag for it.
  visitor.Record("m_Chara", m_Chara);
}
