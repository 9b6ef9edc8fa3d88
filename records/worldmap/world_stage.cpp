#include "records/worldmap/world_stage.h"

void cWorldStage::SetDefaults() {
  ClearFields();
  m_nKey1 = 1;
}

void cWorldStage::RegisterFields(int32_t nVersion) {
  ResetFieldTables();
  AddIntField(&m_nKind);
  AddIntField(&m_nMark);
  AddIntField(&m_nClearFlag);
  AddIntField(&m_bPassable);
  AddIntField(&m_bReplay);
  AddIntField(&m_nAfterClear);
  AddIntField(&m_nNeedFlag);
  AddIntField(&m_nVarNo);
  AddIntField(&m_nVarValue);
  AddIntField(&m_nVarCompare);
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
