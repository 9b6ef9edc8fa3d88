#pragma once
// cBmpCharaExc: a bitmap reserved for charas (a graphic source of the chara
// drawing), cut into square cells. m_strFile names the picture; m_nExtra is
// stored from version 152 on.

#include <cstdint>

#include "records/database/media_entry.h"

class cBmpCharaExc : public cRecordOf<cBmpCharaExc, cMediaEntry> {
 public:
  int32_t m_bCellSize = 0;  // non-zero: cells of m_nCellSize x 32 dots; zero: 32-dot cells
  int32_t m_nCellSize = 2;  // in units of 32 dots

  cBmpCharaExc() {
    ClearFields();
    m_nCellSize = 2;
  }

  // The side of one cell in dots, as the drawing cuts the picture: a stored
  // size below 1 counts as 1 and one above kMaxCellUnits as that, so the cell
  // is never empty and its size never overflows.
  static constexpr int32_t kMaxCellUnits = 256;
  int32_t CellDots() const;

  void RegisterFields(int32_t nVersion) override;
};
