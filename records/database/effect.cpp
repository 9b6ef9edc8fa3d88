#include "records/database/effect.h"

#include "records/database/database_versions.h"
#include "records/database/extra_field.h"
#include "records/record/record_visitor.h"

void cEffect::SetDefaults() {
  ClearFields();
  m_nWidth = 32;
  m_nHeight = 32;
  m_bScaleWithHit = 0;
  m_Frames.clear();
  m_Frames.push_back(cEffectFrame());
}

void cEffect::RegisterFields(int32_t nVersion) {
  ResetFieldTables();
  if (nVersion >= kVersionExtra) AddIntField(&m_nExtra);
  AddIntField(&m_nWidth);
  AddIntField(&m_nHeight);
  AddIntField(&m_bScaleWithHit);
  AddStringField(&m_strName);
  AddStringField(&m_strFile);
}

bool cEffect::Load(cRecordReader& reader) {
  if (!cRecord::Load(reader) || !LoadEffectFrameList(m_Frames, reader)) return false;
  DropOldExtra(reader, m_nExtra);
  return true;
}

void cEffect::Save(cRecordWriter& writer) {
  cRecord::Save(writer);
  SaveRecordList(writer, m_Frames);
}

void cEffect::VisitAppended(cRecordVisitor& visitor) {
  visitor.List("m_Frames", m_Frames);
}

bool LoadEffectFrameList(cVector<cEffectFrame>& frames, cRecordReader& reader) {
  return LoadRecordList(reader, frames);
}
