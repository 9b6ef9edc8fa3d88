#include "records/settings/status_gauge.h"

#include <utility>

namespace {
constexpr int32_t kVersionShowValue = 204;
constexpr int32_t kVersionWarning = 587;
}  // namespace

cStatusGauge::cStatusGauge(int32_t show, int32_t icon, std::string name, int32_t digits)
    : m_bShow(show), m_bIcon(icon), m_strName(std::move(name)), m_nDigits(digits) {}

void cStatusGauge::RegisterFields(int32_t nVersion) {
  ResetFieldTables();
  AddIntField(&m_bShow);
  AddIntField(&m_bIcon);
  AddIntField(&m_nDigits);
  if (nVersion >= kVersionShowValue) AddIntField(&m_bShowValue);
  if (nVersion >= kVersionWarning) {
    AddIntField(&m_nWarnAt);
    AddIntField(&m_bWarnPercent);
  }
  AddStringField(&m_strName);
}

bool cStatusGauge::Load(cRecordReader& reader) {
  if (!cRecord::Load(reader)) return false;
  if (reader.FileVersion() < kVersionShowValue) m_bShowValue = 1;
  return true;
}
