#pragma once
// cBmpCharaExc: a bitmap reserved for charas (a graphic source of the chara
// drawing), cut into square cells.

#include <cstdint>
#include <string>

#include "records/record/record.h"

class cBmpCharaExc : public cRecordOf<cBmpCharaExc> {
 public:
  std::string m_strName;
  int32_t m_nExtra = 0;  // kept and written back; not read by the player
  std::string m_strFile;  // the picture file
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
  bool Load(cRecordReader& reader) override;
};
