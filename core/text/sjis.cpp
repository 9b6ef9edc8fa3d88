#include "core/text/sjis.h"

namespace {

// Bytes of the character that starts at text[i]: 2 for a lead byte followed by a
// trail byte inside the text, else 1.
std::size_t CharBytesAt(std::string_view text, std::size_t i) {
  if (i + 1 < text.size() && IsSjisLeadByte(static_cast<unsigned char>(text[i])) &&
      IsSjisTrailByte(static_cast<unsigned char>(text[i + 1]))) {
    return 2;
  }
  return 1;
}

}  // namespace

int SjisCharCount(const char* text) {
  if (text == nullptr) return 0;
  int count = 0;
  for (const char* p = text; *p != '\0';) {
    if (IsSjisDoubleByte(p)) {
      p += 2;
      ++count;
      continue;
    }
    if (*p != '\n') ++count;
    ++p;
  }
  return count;
}

std::size_t SjisCutLength(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return text.size();
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t step = CharBytesAt(text, i);
    if (i + step > limit) break;
    i += step;
  }
  return i;
}

void SjisTruncate(std::string& text, std::size_t limit) {
  text.resize(SjisCutLength(text, limit));
}
