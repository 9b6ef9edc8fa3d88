#pragma once
// The local time a save slot was written, kept in the save data and the slot
// headers. Stored as eight uint16 values (16 bytes): year, month (1-12), day of
// the week (0 Sunday), day, hour, minute, second, milliseconds.

#include <cstdint>
#include <string_view>

#include "records/io/record_reader.h"
#include "records/io/record_writer.h"

class cRecordVisitor;

struct SAVETIME {
  uint16_t wYear = 0;
  uint16_t wMonth = 0;
  uint16_t wDayOfWeek = 0;
  uint16_t wDay = 0;
  uint16_t wHour = 0;
  uint16_t wMinute = 0;
  uint16_t wSecond = 0;
  uint16_t wMilliseconds = 0;

  bool operator==(const SAVETIME&) const = default;
};

inline constexpr int32_t kSaveTimeBytes = 16;

// The clock's local time now.
SAVETIME CurrentLocalTime();

// The 16 bytes in their stored order; false (nothing changed) when they run short.
bool ReadSaveTime(cRecordReader& reader, SAVETIME& time);
void WriteSaveTime(cRecordWriter& writer, const SAVETIME& time);
// Shows the 16 bytes to a record visitor as the eight values they are, named
// "<name>.wYear" and so on.
void VisitSaveTime(cRecordVisitor& visitor, std::string_view name, const SAVETIME& time);
