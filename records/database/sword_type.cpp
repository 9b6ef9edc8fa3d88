#include "records/database/sword_type.h"

#include "records/database/database_versions.h"
#include "records/database/extra_field.h"
#include "records/record/record_visitor.h"

void cSwordTypeEntry::RegisterFields(int32_t nVersion) {
  ResetFieldTables();
  AddIntField(&m_nOffsetX);
  AddIntField(&m_nOffsetY);
  if (nVersion >= kVersionSwordMirrorX) AddIntField(&m_bMirrorX);
  AddIntField(&m_bMirrorY);
  AddIntField(&m_nDirection);
  AddIntField(&m_nSrcX);
  AddIntField(&m_nSrcY);
  AddIntField(&m_nWidth);
  AddIntField(&m_nHeight);
  AddIntField(&m_nDuration);
}

cSwordTypeEntry cSwordType::DefaultEntry() {
  cSwordTypeEntry entry;
  entry.m_nDuration = 1;
  return entry;
}

void cSwordType::SetDefaults() {
  ClearFields();
  m_Entries.clear();
  m_Entries.push_back(DefaultEntry());
}

void cSwordType::RegisterFields(int32_t nVersion) {
  ResetFieldTables();
  if (nVersion >= kVersionExtra) AddIntField(&m_nExtra);
  AddStringField(&m_strName);
  AddStringField(&m_strFile);
  AddStringField(&m_strFile2);
}

bool cSwordType::Load(cRecordReader& reader) {
  if (!cRecord::Load(reader) || !LoadRecordList(reader, m_Entries, DefaultEntry())) return false;
  DropOldExtra(reader, m_nExtra);
  return true;
}

void cSwordType::Save(cRecordWriter& writer) {
  cRecord::Save(writer);
  SaveRecordList(writer, m_Entries);
}

void cSwordType::VisitAppended(cRecordVisitor& visitor) {
  visitor.List("m_Entries", m_Entries);
}

bool LoadSwordTypeList(cRecordReader& reader, cVector<cSwordType>& list) {
  if (!LoadRecordList(reader, list)) return false;
  if (reader.FileVersion() < kVersionManySwordTypes && list.VectorSize() > kMaxOldSwordTypes) {
    list.resize(kMaxOldSwordTypes);
  }
  return true;
}
