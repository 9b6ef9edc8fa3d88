#pragma once
// cSwordTypeEntry: one step of a sword's swing.

#include <cstdint>

#include "records/record/record.h"

class cSwordTypeEntry : public cRecordOf<cSwordTypeEntry> {
 public:
  int32_t m_nOffsetX = 0;   // offset from the placement, dots (times the shot's scale)
  int32_t m_nOffsetY = 0;
  int32_t m_bMirrorX = 1;   // non-zero: facing right subtracts the x offset
  int32_t m_bMirrorY = 0;   // non-zero: facing right subtracts the y offset
  int32_t m_nDirection = 0; // 0 in front, 1 behind, 2 above, 3 below the chara's box
  int32_t m_nSrcX = 0;      // the step's cell in the sword picture, dots
  int32_t m_nSrcY = 0;
  int32_t m_nWidth = 0;     // size of the sword in this step, dots
  int32_t m_nHeight = 0;
  int32_t m_nDuration = 0;  // tenths of a second

  cSwordTypeEntry() {
    ClearFields();
    m_bMirrorX = 1;
  }

  void RegisterFields(int32_t nVersion) override;
};
