// Loads arbitrary bytes as a record file: a root record with a list of records,
// a nested record and two value lists. A load may fail, but never reads outside
// the file, never leaves a half-loaded record, and whatever loads saves to an
// image that loads back to the same bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "records/record/record_file.h"
#include "tests/records/record/sample_records.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  cTreeRecord record;
  const std::vector<uint8_t> before = SaveRecordImage(record);
  if (LoadRecordImage(record, std::vector<uint8_t>(data, data + size)) != eRecordFile::Ok) {
    if (SaveRecordImage(record) != before) std::abort();  // a failed load changed it
    return 0;
  }
  const std::vector<uint8_t> saved = SaveRecordImage(record);
  cTreeRecord again;
  if (LoadRecordImage(again, saved) != eRecordFile::Ok) std::abort();
  if (SaveRecordImage(again) != saved) std::abort();
  return 0;
}
