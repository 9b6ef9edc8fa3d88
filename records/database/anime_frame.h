#pragma once
// cAnimeFrame: one frame of an animation.

#include <cstdint>

#include "records/record/record.h"

class cAnimeFrame : public cRecordOf<cAnimeFrame> {
 public:
  int32_t m_nPattern = 0;   // pattern number of the chara's graphic
  int32_t m_nDuration = 1;  // display time, tenths of a second
  int32_t m_bHold = 0;      // non-zero: from this frame on the animation cannot be interrupted

  cAnimeFrame() {
    ClearFields();
    m_nDuration = 1;
  }

  void RegisterFields(int32_t) override {
    ResetFieldTables();
    AddIntField(&m_nPattern);
    AddIntField(&m_nDuration);
    AddIntField(&m_bHold);
  }
};
