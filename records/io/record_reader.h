#pragma once
// cRecordReader: the bounded reader every record load goes through. It holds the
// whole file image in memory, so a read can never go past the end of the file or
// of a buffer: a read that runs short reads nothing, returns false and leaves the
// reader failed for good (every later read fails too).
//
// It also carries the load context: the data version of the file being read.
// Nested records and migrations take the version from here, so nothing they do
// (another file opened meanwhile) can change it under them.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>
#include <type_traits>
#include <vector>

static_assert(std::endian::native == std::endian::little,
              "record files are little-endian and are read by copying bytes");

class cRecordReader {
 public:
  // A reader that holds nothing: every read fails.
  cRecordReader() = default;
  // Reads bytes from position start on; fileVersion is the version the bytes
  // were written with (the value at the head of their file).
  cRecordReader(std::vector<uint8_t> bytes, int32_t fileVersion, std::size_t start = 0);

  // The data version of the file being read: the layout to register and the
  // version migrations compare against.
  int32_t FileVersion() const { return m_nFileVersion; }

  // One little-endian value of a fixed-size integer or floating type (int8_t,
  // uint8_t, int16_t, int32_t, double ...). The type decides the size.
  template <class T>
  bool Read(T& value) {
    static_assert(std::is_arithmetic_v<T> && !std::is_same_v<T, bool>);
    static_assert(sizeof(T) == 1 || sizeof(T) == 2 || sizeof(T) == 4 || sizeof(T) == 8);
    return ReadBytes(&value, sizeof(T));
  }

  // size raw bytes into destination; nothing is written when fewer remain.
  bool ReadBytes(void* destination, std::size_t size);

  // A view of the next size bytes, which are then passed over. The view lives as
  // long as the reader.
  bool ReadView(std::size_t size, std::string_view& view);

  // Marks the read failed (a value the caller found invalid); returns false.
  bool Fail();

  bool Failed() const { return m_bFailed; }
  std::size_t Position() const { return m_nPos; }
  std::size_t Remaining() const { return m_bFailed ? 0 : m_Bytes.size() - m_nPos; }
  // The whole image, from offset 0, whatever has been read.
  std::span<const uint8_t> Bytes() const { return m_Bytes; }

 private:
  bool Take(std::size_t size);

  std::vector<uint8_t> m_Bytes;
  std::size_t m_nPos = 0;
  int32_t m_nFileVersion = 0;
  bool m_bFailed = false;
};
