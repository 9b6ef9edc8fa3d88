#include "records/stage/erase_area.h"

namespace {

constexpr int32_t kOtherShotMargin = 10;

}  // namespace

cEraseArea::cEraseArea() { RegisterFields(g_nDataVersion); }

void cEraseArea::SetDefaults(int32_t kind) {
  const bool shots = kind == kErasePlayerShots || kind == kEraseOtherShots;
  const int32_t margin = kind == kEraseOtherShots ? kOtherShotMargin : 0;
  m_bLeft = m_bRight = m_bTop = m_bBottom = shots ? 1 : 0;
  m_nLeft = m_nRight = m_nTop = m_nBottom = margin;
}

void cEraseArea::RegisterFields(int32_t nVersion) {
  ResetFieldTables();
  AddIntField(&m_bLeft);
  if (nVersion >= kEraseAreaSidesFrom) {
    AddIntField(&m_bRight);
    AddIntField(&m_bTop);
    AddIntField(&m_bBottom);
  }
  AddIntField(&m_nLeft);
  AddIntField(&m_nRight);
  AddIntField(&m_nTop);
  AddIntField(&m_nBottom);
}

bool cEraseArea::operator==(const cEraseArea& other) const {
  return m_bLeft == other.m_bLeft && m_bRight == other.m_bRight && m_bTop == other.m_bTop &&
         m_bBottom == other.m_bBottom && m_nLeft == other.m_nLeft && m_nRight == other.m_nRight &&
         m_nTop == other.m_nTop && m_nBottom == other.m_nBottom;
}
