#pragma once
// The placement lists of a stage file: an int32 count, then per part an int32
// written as 0 and ignored, and the part. (The palettes are palette lists,
// palette_list.h.) Counts are checked against the bytes left before any part
// is made, and a stop request is honoured between parts.

#include <cstddef>
#include <cstdint>

#include "core/containers/checked_vector.h"
#include "records/palette/palette_list.h"
#include "records/record/record_list.h"
#include "records/stage/stage_data.h"

// The int32 in front of each placed part.
constexpr std::size_t kPlacementLeadBytes = 4;

// Asks stop (when given); a stop fails the reader, as a damaged file would.
inline bool StageLoadStopped(cRecordReader& reader, const StageLoadStop& stop) {
  if (!stop || !stop()) return false;
  reader.Fail();
  return true;
}

template <class Part>
bool LoadPlacedParts(cRecordReader& reader, cVector<Part>& list, const StageLoadStop& stop) {
  int32_t count = 0;
  if (!ReadListCount(reader, kMinStoredPartBytes<Part> + kPlacementLeadBytes, count)) return false;
  // Copies of one default part hold no registration tables until they load,
  // so a count the file cannot fill costs little.
  const Part empty;
  list.assign(static_cast<std::size_t>(count), empty);
  for (Part& part : list) {
    if (StageLoadStopped(reader, stop)) return false;
    int32_t ignored = 0;
    if (!reader.Read(ignored) || !part.Load(reader)) return false;
  }
  return true;
}

template <class Part>
void SavePlacedParts(cRecordWriter& writer, cVector<Part>& list) {
  writer.Write(static_cast<int32_t>(list.size()));
  for (Part& part : list) {
    writer.Write(int32_t{0});
    part.Save(writer);
  }
}
