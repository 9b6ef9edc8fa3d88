#include "platform/dd/font_lines.h"

#include <string_view>

#include "core/text/sjis.h"
#include "platform/dd/fonts.h"

namespace {

bool HasLineLongerThan(const char* text, int32_t limit) {
  for (const char* line = text;;) {
    const int32_t n = LineLength(line);
    if (n > limit) return true;
    if (line[n] == '\0') return false;
    line += n + 1;
  }
}

}  // namespace

const char* LinesWithin(const char* text, int32_t limit, std::string& storage) {
  if (!HasLineLongerThan(text, limit)) return text;
  storage.clear();
  for (const char* line = text;;) {
    const int32_t n = LineLength(line);
    const std::string_view whole(line, static_cast<std::size_t>(n));
    storage.append(whole.substr(0, SjisCutLength(whole, static_cast<std::size_t>(limit))));
    if (line[n] == '\0') break;
    storage += '\n';
    line += n + 1;
  }
  return storage.c_str();
}

int32_t CharsOfLine(const char* text, int32_t n) {
  int32_t count = 0;
  for (int32_t i = 0; i < n; ++i) {
    if (i + 1 < n && IsSjisDoubleByte(text + i)) ++i;
    ++count;
  }
  return count;
}
