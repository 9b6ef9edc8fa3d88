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
