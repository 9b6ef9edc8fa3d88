#include "records/worldmap/world_stage.h"

void cWorldStage::SetDefaults() {
  ClearFields();
  m_nKey1 = 1;
}

void cWorldStage::RegisterFields(int32_t nVersion) {
  ResetFieldTables();
  int32_t* const always[] = {&m_nKind,      &m_nMark,     &m_nClearFlag, &m_bPassable,
                             &m_bReplay,    &m_nAfterClear, &m_nNeedFlag, &m_nVarNo,
                             &m_nVarValue,  &m_nVarCompare};
  for (int32_t* field : always) AddIntField(field);
  if (nVersion >= kWorldNeedScoreVersion) AddIntField(&m_nNeedScore);
  if (nVersion >= kWorldKeysVersion) {
    AddIntField(&m_bUseKey);
    AddIntField(&m_nKey1);
    AddIntField(&m_nKey2);
  }
  AddStringField(&m_strText);
  AddStringField(&m_strStageFile);
}

bool cWorldStage::Load(cRecordReader& reader) {
  if (!cRecord::Load(reader)) return false;
  // Entries before the score condition existed apply at any score.
  if (reader.FileVersion() < kWorldNeedScoreVersion) m_nNeedScore = 0;
  return true;
}
