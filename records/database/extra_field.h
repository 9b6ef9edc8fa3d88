#pragma once
// m_nExtra of several database records only passes through the player. Files
// before version 153 stored a value of another meaning there (or nothing), so it
// loads as 0 from them.

#include <cstdint>

#include "records/database/database_versions.h"
#include "records/io/record_reader.h"

inline void DropOldExtra(const cRecordReader& reader, int32_t& extra) {
  if (reader.FileVersion() < kVersionExtraKept) extra = 0;
}
