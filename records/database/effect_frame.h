#pragma once
// cEffectFrame: one frame of an effect animation.

#include <cstdint>

#include "records/record/record.h"

class cEffectFrame : public cRecordOf<cEffectFrame> {
 public:
  int32_t m_nPattern = 0;   // cell number in the effect picture
  int32_t m_nDuration = 1;  // tenths of a second

  cEffectFrame() {
    ClearFields();
    m_nDuration = 1;
  }

  void RegisterFields(int32_t) override {
    ResetFieldTables();
    AddIntField(&m_nPattern);
    AddIntField(&m_nDuration);
  }
};
