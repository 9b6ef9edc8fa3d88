#pragma once
// Helpers of the script record tests: records written at a data version by
// their own registration, and loaded back the way a file load does.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "records/record/record_file.h"
#include "support/record_fixtures.h"

// Loads the image of source written at version into target (which keeps the
// values of whatever that version does not store). Fails the test when the
// load fails.
template <class Record>
void LoadWrittenAt(const Record& source, int32_t version, Record& target) {
  Record copy = source;
  ASSERT_EQ(LoadRecordImage(target, ToImage(RecordImageAt(copy, version))), eRecordFile::Ok)
      << "version " << version;
}

// The int32 at a byte offset of an image.
inline int32_t Int32At(const std::string& image, std::size_t offset) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<uint8_t>(image.at(offset + i));
  return static_cast<int32_t>(value);
}

// The field count of a record file image: right after the data version.
inline int32_t FieldCountOf(const std::string& image) { return Int32At(image, 4); }
