#pragma once
// cBgm: a background music entry; m_strFile is an Ogg or MIDI file, told apart
// by its extension.

#include <cstdint>

#include "records/database/media_entry.h"

class cBgm : public cRecordOf<cBgm, cMediaEntry> {
 public:
  int32_t m_nVolume = 100;  // playback volume

  cBgm() {
    ClearFields();
    m_nVolume = 100;
  }

  void RegisterFields(int32_t nVersion) override;
};
