#include "records/database/media_entry.h"

#include "records/database/database_versions.h"
#include "records/database/extra_field.h"

void cMediaEntry::RegisterFields(int32_t nVersion) {
  ResetFieldTables();
  if (nVersion >= kVersionExtra) AddIntField(&m_nExtra);
  AddStringField(&m_strName);
  AddStringField(&m_strFile);
}

bool cMediaEntry::Load(cRecordReader& reader) {
  if (!cRecord::Load(reader)) return false;
  DropOldExtra(reader, m_nExtra);
  return true;
}
