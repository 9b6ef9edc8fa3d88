#include "records/save/stage_clear.h"

cStageClear::cStageClear() {
  RegisterFields(g_nDataVersion);
  ClearFields();
}

void cStageClear::RegisterFields(int32_t nVersion) {
  ResetFieldTables();
  AddStringField(&m_strStageFile);
  if (nVersion >= kStageClearKeysVersion) {
    AddStringField(&m_strStageBase);
    AddIntField(&m_bUseKey);
    AddIntField(&m_nKey1);
    AddIntField(&m_nKey2);
  }
  AddIntField(&m_nScore);
}

bool cStageClear::Load(cRecordReader& reader) {
  if (!cRecord::Load(reader)) return false;
  if (reader.FileVersion() < kStageClearKeysVersion) m_strStageBase = m_strStageFile;
  return true;
}
