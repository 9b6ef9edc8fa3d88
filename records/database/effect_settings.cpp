#include "records/database/effect_settings.h"

#include "records/database/database_versions.h"

void cEffectSettings::RegisterFields(int32_t) {
  ResetFieldTables();
  AddIntField(&m_nKind);
  AddIntField(m_nParams, kParams);
  AddStringField(&m_strName);
}

int32_t cEffectSettings::KnownKind(int32_t maxKind) const {
  return m_nKind >= 0 && m_nKind <= maxKind ? m_nKind : 0;
}

bool cEffectSettings::Load(cRecordReader& reader) {
  if (!cRecord::Load(reader)) return false;
  if (reader.FileVersion() < kVersionEffectRoughness) {
    for (const OldRoughness& rule : OldRoughnessRules()) {
      if (m_nKind == rule.nKind) m_nParams[rule.nParam] = rule.nValue;
    }
  }
  return true;
}
