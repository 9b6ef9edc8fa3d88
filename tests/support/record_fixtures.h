#pragma once
// Fixtures of record files for tests.
//
// cRecordBytes writes the bytes of a record file by hand, so tests check the
// record code against the format and not only against itself:
//
//   std::string file = cRecordBytes().Int32(836)          // data version
//                          .Int32(1).Int32(5)             // 1 field: int32 5
//                          .Int32(1).Text("ab")           // 1 string
//                          .Bytes();
//
// WriteRecordFixture writes a record as a file of an older data version from
// the class's own registration: the version at the head, then the fields and
// strings that version registered (and whatever the class's Save appends).

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "records/record/record_file.h"
#include "support/temp_dir.h"

class cRecordBytes {
 public:
  // Little-endian values, written byte by byte.
  cRecordBytes& Int8(int8_t value) { return Unsigned(static_cast<uint8_t>(value), 1); }
  cRecordBytes& Int16(int16_t value) { return Unsigned(static_cast<uint16_t>(value), 2); }
  cRecordBytes& Int32(int32_t value) { return Unsigned(static_cast<uint32_t>(value), 4); }
  cRecordBytes& UInt32(uint32_t value) { return Unsigned(value, 4); }
  cRecordBytes& Double(double value);
  // Bytes as they stand.
  cRecordBytes& Raw(std::string_view bytes);
  // A string as records store it: int32 length + 1, then the text and a zero
  // byte unless the text is empty.
  cRecordBytes& Text(std::string_view text);

  const std::string& Bytes() const { return m_Bytes; }
  std::vector<uint8_t> Image() const { return std::vector<uint8_t>(m_Bytes.begin(), m_Bytes.end()); }

 private:
  cRecordBytes& Unsigned(uint64_t value, int size);
  std::string m_Bytes;
};

// A byte string as a file image.
inline std::vector<uint8_t> ToImage(std::string_view bytes) {
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

// The file image of record written at a data version, as a byte string. (Inline:
// the support library links before the records library.)
inline std::string RecordImageAt(cRecord& record, int32_t version = g_nDataVersion) {
  const std::vector<uint8_t> image = SaveRecordImage(record, version);
  return std::string(image.begin(), image.end());
}

// Writes that image to path.
inline void WriteRecordFixture(const std::filesystem::path& path, cRecord& record,
                               int32_t version = g_nDataVersion) {
  WriteFileBytes(path, RecordImageAt(record, version));
}
