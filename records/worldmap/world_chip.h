#pragma once
// cWorldChip: one chip kind of the world map. A grid cell holds the index of
// its chip kind.

#include <cstdint>
#include <string>

#include "records/record/record.h"

// Chip pictures are 32 x 32 cells of the chip sheet, this many to a row.
inline constexpr int32_t kWorldChipSheetColumns = 5;

class cWorldChip : public cRecordOf<cWorldChip> {
 public:
  int32_t m_nExtra = 0;    // kept and written back; the player does not read it
  int32_t m_bBlocked = 0;  // non-zero: the hero cannot move onto a cell of this chip
  int32_t m_nPattern = 0;  // picture: cell (n mod 5, n / 5) of the chip sheet
  std::string m_strName;
  std::string m_strNote;   // kept and written back

  cWorldChip() { ClearFields(); }

  // The same layout in every data version.
  void RegisterFields(int32_t nVersion) override;
};
