#include "records/database/bmp_chara_exc.h"

#include <algorithm>

#include "records/database/database_versions.h"

namespace {
constexpr int32_t kCellUnitDots = 32;
}

int32_t cBmpCharaExc::CellDots() const {
  if (!m_bCellSize) return kCellUnitDots;
  return std::clamp(m_nCellSize, 1, kMaxCellUnits) * kCellUnitDots;
}

void cBmpCharaExc::RegisterFields(int32_t nVersion) {
  ResetFieldTables();
  if (nVersion >= kVersionBmpExtra) AddIntField(&m_nExtra);
  if (nVersion >= kVersionCellSize) {
    AddIntField(&m_bCellSize);
    AddIntField(&m_nCellSize);
  }
  AddStringField(&m_strName);
  AddStringField(&m_strFile);
}
