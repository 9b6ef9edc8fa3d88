#pragma once
// The part lists of a palette (common or stage): how they load, and the two
// rules every palette keeps (entry 0 is the empty part; at least two entries).
//
//   cValidateContext context = CurrentValidateContext();   // sizes grow as lists are read
//   cValidateContextScope scope(context);
//   LoadPaletteList(reader, m_BlockPalette, context.stagePalette.nBlocks);
//   ResetPaletteEntryZero(m_BlockPalette);
//   PadPaletteList(m_BlockPalette);

#include <cstddef>
#include <cstdint>

#include "core/containers/checked_vector.h"
#include "records/io/record_reader.h"
#include "records/record/record_list.h"

class cBlockDef;
class cCharaDef;
class cItemDef;

// The fewest bytes one stored part can take: the record's field and string
// counts (both may be 0), the position (and a chara's carried item) and the
// counts of the part's lists. A list count is checked against these before any
// part is made.
template <class Part>
inline constexpr std::size_t kMinStoredPartBytes = kMinRecordBytes;
template <>
inline constexpr std::size_t kMinStoredPartBytes<cBlockDef> = 8 + 4 + 4 + 4;
template <>
inline constexpr std::size_t kMinStoredPartBytes<cCharaDef> = 8 + 8 + 4 + 4 + 4;
template <>
inline constexpr std::size_t kMinStoredPartBytes<cItemDef> = 8 + 4 + 4 + 4 + 4;

// Reads an int32 count and that many parts, in index order. The list holds the
// count's empty parts before the first one loads (a template reference to a
// later entry sees an empty part), and size (the palette size the validation
// of the loading parts reads) is set to the count at once. False when the
// count is negative or more than the file can hold, or a part fails to load.
template <class Part>
bool LoadPaletteList(cRecordReader& reader, cVector<Part>& list, uint32_t& size) {
  int32_t count = 0;
  if (!ReadListCount(reader, kMinStoredPartBytes<Part>, count)) return false;
  // Copies of one empty part: a copy holds no registration tables until it
  // loads, so a count that the file cannot fill costs little.
  const Part empty;
  list.assign(static_cast<std::size_t>(count), empty);
  size = static_cast<uint32_t>(count);
  for (Part& part : list) {
    if (!part.Load(reader)) return false;
  }
  return true;
}

// Entry 0 is the empty part, whatever was stored there.
template <class Part>
void ResetPaletteEntryZero(cVector<Part>& list) {
  if (!list.empty()) list.CheckedVectorAt(0).SetDefaults();
}

// A palette has at least the empty part and one more; longer lists are kept.
template <class Part>
void PadPaletteList(cVector<Part>& list) {
  if (list.size() < 2) list.resize(2);
}
