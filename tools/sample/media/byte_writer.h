#pragma once
// A growing byte buffer with explicit byte order, for the file formats the
// sample generator writes: BMP and WAV are little-endian, standard MIDI files
// big-endian. Values are written byte by byte, never as memory images.

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

class cByteWriter {
 public:
  cByteWriter& U8(uint32_t value) {
    m_Bytes.push_back(static_cast<uint8_t>(value & 0xFF));
    return *this;
  }
  cByteWriter& U16LE(uint32_t value) { return Little(value, 2); }
  cByteWriter& U32LE(uint32_t value) { return Little(value, 4); }
  cByteWriter& I32LE(int32_t value) { return Little(static_cast<uint32_t>(value), 4); }
  cByteWriter& U16BE(uint32_t value) { return Big(value, 2); }
  cByteWriter& U32BE(uint32_t value) { return Big(value, 4); }
  // Four-character codes and other literal bytes.
  cByteWriter& Text(std::string_view text) {
    m_Bytes.insert(m_Bytes.end(), text.begin(), text.end());
    return *this;
  }
  cByteWriter& Raw(const std::vector<uint8_t>& bytes) {
    m_Bytes.insert(m_Bytes.end(), bytes.begin(), bytes.end());
    return *this;
  }
  cByteWriter& Zeros(std::size_t count) {
    m_Bytes.insert(m_Bytes.end(), count, 0);
    return *this;
  }

  // Overwrites a little-endian 32-bit value written earlier (sizes known only at
  // the end).
  void PatchU32LE(std::size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) m_Bytes[offset + i] = static_cast<uint8_t>((value >> (8 * i)) & 0xFF);
  }

  std::size_t Size() const { return m_Bytes.size(); }
  const std::vector<uint8_t>& Bytes() const { return m_Bytes; }
  std::vector<uint8_t> Take() { return std::move(m_Bytes); }

 private:
  cByteWriter& Little(uint32_t value, int size) {
    for (int i = 0; i < size; ++i) m_Bytes.push_back(static_cast<uint8_t>((value >> (8 * i)) & 0xFF));
    return *this;
  }
  cByteWriter& Big(uint32_t value, int size) {
    for (int i = size - 1; i >= 0; --i) m_Bytes.push_back(static_cast<uint8_t>((value >> (8 * i)) & 0xFF));
    return *this;
  }

  std::vector<uint8_t> m_Bytes;
};
