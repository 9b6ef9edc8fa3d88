#include "records/save/save_time.h"

#include <time.h>

#include <array>

namespace {

std::array<uint16_t SAVETIME::*, 8> TimeParts() {
  return {&SAVETIME::wYear,   &SAVETIME::wMonth,  &SAVETIME::wDayOfWeek, &SAVETIME::wDay,
          &SAVETIME::wHour,   &SAVETIME::wMinute, &SAVETIME::wSecond,    &SAVETIME::wMilliseconds};
}

}  // namespace

SAVETIME CurrentLocalTime() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  tm local{};
  localtime_r(&now.tv_sec, &local);
  SAVETIME time;
  time.wYear = static_cast<uint16_t>(local.tm_year + 1900);
  time.wMonth = static_cast<uint16_t>(local.tm_mon + 1);
  time.wDayOfWeek = static_cast<uint16_t>(local.tm_wday);
  time.wDay = static_cast<uint16_t>(local.tm_mday);
  time.wHour = static_cast<uint16_t>(local.tm_hour);
  time.wMinute = static_cast<uint16_t>(local.tm_min);
  time.wSecond = static_cast<uint16_t>(local.tm_sec);
  time.wMilliseconds = static_cast<uint16_t>(now.tv_nsec / 1000000);
  return time;
}

bool ReadSaveTime(cRecordReader& reader, SAVETIME& time) {
  SAVETIME read;
  for (uint16_t SAVETIME::*part : TimeParts()) {
    if (!reader.Read(read.*part)) return false;
  }
  time = read;
  return true;
}

void WriteSaveTime(cRecordWriter& writer, const SAVETIME& time) {
  for (uint16_t SAVETIME::*part : TimeParts()) writer.Write(time.*part);
}
