#include "records/settings/string_list.h"

#include <cstdint>

#include "records/record/record_list.h"
#include "records/record/record_text.h"

namespace {
// A stored string takes at least its int32 length.
constexpr std::size_t kMinStringBytes = 4;
}  // namespace

bool LoadStringList(cRecordReader& reader, cVector<std::string>& list) {
  int32_t count = 0;
  if (!ReadListCount(reader, kMinStringBytes, count)) return false;
  list.clear();
  list.resize(static_cast<std::size_t>(count));
  for (std::string& text : list) {
    if (!ReadStoredText(reader, text)) return false;
  }
  return true;
}

void WriteStringList(cRecordWriter& writer, cVector<std::string>& list) {
  writer.Write(list.VectorSize());
  for (std::string& text : list) WriteStoredText(writer, text);
}
