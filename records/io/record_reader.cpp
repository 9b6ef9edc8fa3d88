#include "records/io/record_reader.h"

#include <utility>

cRecordReader::cRecordReader(std::vector<uint8_t> bytes, int32_t fileVersion, std::size_t start)
    : m_Bytes(std::move(bytes)), m_nFileVersion(fileVersion) {
  m_nPos = start <= m_Bytes.size() ? start : m_Bytes.size();
}

bool cRecordReader::Take(std::size_t size) {
  if (size > Remaining()) return Fail();
  m_nPos += size;
  return true;
}

bool cRecordReader::ReadBytes(void* destination, std::size_t size) {
  const std::size_t from = m_nPos;
  if (!Take(size)) return false;
  if (size != 0) std::memcpy(destination, m_Bytes.data() + from, size);
  return true;
}

bool cRecordReader::ReadView(std::size_t size, std::string_view& view) {
  const std::size_t from = m_nPos;
  if (!Take(size)) return false;
  view = std::string_view(reinterpret_cast<const char*>(m_Bytes.data()) + from, size);
  return true;
}

bool cRecordReader::Fail() {
  m_bFailed = true;
  return false;
}
