#include "records/database/bgm.h"

#include "records/database/database_versions.h"

void cBgm::RegisterFields(int32_t nVersion) {
  cMediaEntry::RegisterFields(nVersion);  // the volume follows m_nExtra in the file
  if (nVersion >= kVersionBgmVolume) AddIntField(&m_nVolume);
}
