#include "records/io/record_writer.h"

void cRecordWriter::WriteBytes(const void* source, std::size_t size) {
  const auto* bytes = static_cast<const uint8_t*>(source);
  m_Bytes.insert(m_Bytes.end(), bytes, bytes + size);
}
