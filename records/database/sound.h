#pragma once
// cSound: a sound effect; m_strFile names its WAV file.

#include "records/database/media_entry.h"

class cSound : public cRecordOf<cSound, cMediaEntry> {
 public:
  cSound() { ClearFields(); }
};
