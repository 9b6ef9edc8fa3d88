#include "records/record/record_list.h"

bool ReadListCount(cRecordReader& reader, std::size_t minBytesPerElement, int32_t& count) {
  int32_t stored = 0;
  if (!reader.Read(stored)) return false;
  if (minBytesPerElement == 0) minBytesPerElement = 1;
  if (stored < 0 || static_cast<std::size_t>(stored) > reader.Remaining() / minBytesPerElement) {
    return reader.Fail();
  }
  count = stored;
  return true;
}
