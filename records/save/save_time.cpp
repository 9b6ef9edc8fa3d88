#include "records/save/save_time.h"

#include <time.h>

#include <array>
#include <string>

#include "records/record/record_visitor.h"

namespace {

struct cTimePart {
  uint16_t SAVETIME::*member;
  const char* name;
};

// In their stored order.
constexpr std::array<cTimePart, 8> kTimeParts = {{
    {&SAVETIME::wYear, "wYear"},
    {&SAVETIME::wMonth, "wMonth"},
    {&SAVETIME::wDayOfWeek, "wDayOfWeek"},
    {&SAVETIME::wDay, "wDay"},
    {&SAVETIME::wHour, "wHour"},
    {&SAVETIME::wMinute, "wMinute"},
    {&SAVETIME::wSecond, "wSecond"},
    {&SAVETIME::wMilliseconds, "wMilliseconds"},
}};

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
  for (const cTimePart& part : kTimeParts) {
    if (!reader.Read(read.*part.member)) return false;
  }
  time = read;
  return true;
}

void WriteSaveTime(cRecordWriter& writer, const SAVETIME& time) {
  for (const cTimePart& part : kTimeParts) writer.Write(time.*part.member);
}

void VisitSaveTime(cRecordVisitor& visitor, std::string_view name, const SAVETIME& time) {
  for (const cTimePart& part : kTimeParts) {
    visitor.Value(std::string(name) + "." + part.name, time.*part.member);
  }
}
