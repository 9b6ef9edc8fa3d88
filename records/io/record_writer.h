#pragma once
// cRecordWriter: builds a record file image in memory. Nothing touches the disk
// until the whole image is complete (see CloseRecordFile), so a save that stops
// half-way never leaves half a file.
//
// It carries the data version being written: the layout every record registers
// for its save. The program always writes g_nDataVersion; tests write older
// versions to make fixtures of old files from the same registration.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

static_assert(std::endian::native == std::endian::little,
              "record files are little-endian and are written by copying bytes");

class cRecordWriter {
 public:
  explicit cRecordWriter(int32_t version) : m_nVersion(version) {}

  // The data version whose layout is written.
  int32_t Version() const { return m_nVersion; }

  // One little-endian value; the type decides the size (int8_t, int16_t, int32_t,
  // double ...).
  template <class T>
  void Write(T value) {
    static_assert(std::is_arithmetic_v<T> && !std::is_same_v<T, bool>);
    static_assert(sizeof(T) == 1 || sizeof(T) == 2 || sizeof(T) == 4 || sizeof(T) == 8);
    WriteBytes(&value, sizeof(T));
  }

  void WriteBytes(const void* source, std::size_t size);
  void WriteText(std::string_view text) { WriteBytes(text.data(), text.size()); }

  const std::vector<uint8_t>& Bytes() const { return m_Bytes; }
  std::vector<uint8_t> TakeBytes() { return std::move(m_Bytes); }

 private:
  std::vector<uint8_t> m_Bytes;
  int32_t m_nVersion;
};
