#include "records/record/record_text.h"

#include <algorithm>

#include "core/text/sjis.h"

void RemoveCarriageReturns(std::string& text) {
  text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
}

void LimitRecordText(std::string& text) {
  const std::size_t zero = text.find('\0');
  if (zero != std::string::npos) text.resize(zero);
  SjisTruncate(text, kMaxRecordText);
}

bool ReadStoredText(cRecordReader& reader, std::string& text) {
  int32_t stored = 0;
  if (!reader.Read(stored)) return false;
  if (stored == 1) {
    text.clear();
    return true;
  }
  std::string_view bytes;
  if (stored < 1 || !reader.ReadView(static_cast<std::size_t>(stored), bytes)) return reader.Fail();
  const std::size_t zero = bytes.find('\0');
  if (zero == std::string_view::npos) return reader.Fail();
  text.assign(bytes.substr(0, zero));
  SjisTruncate(text, kMaxRecordText);
  return true;
}

void WriteStoredText(cRecordWriter& writer, std::string& text) {
  LimitRecordText(text);
  writer.Write(static_cast<int32_t>(text.size() + 1));
  if (!text.empty()) {
    writer.WriteText(text);
    writer.Write(uint8_t{0});
  }
}
