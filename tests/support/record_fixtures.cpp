#include "support/record_fixtures.h"

#include <bit>

cRecordBytes& cRecordBytes::Unsigned(uint64_t value, int size) {
  for (int i = 0; i < size; ++i) m_Bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  return *this;
}

cRecordBytes& cRecordBytes::Double(double value) {
  return Unsigned(std::bit_cast<uint64_t>(value), 8);
}

cRecordBytes& cRecordBytes::Raw(std::string_view bytes) {
  m_Bytes.append(bytes);
  return *this;
}

cRecordBytes& cRecordBytes::Text(std::string_view text) {
  Int32(static_cast<int32_t>(text.size() + 1));
  if (!text.empty()) {
    Raw(text);
    m_Bytes.push_back('\0');
  }
  return *this;
}
