#include "core/text/str_format.h"

#include <cstdio>

#include "core/text/sjis.h"

std::string StrVFormatLimited(std::size_t limit, const char* format, va_list args) {
  if (format == nullptr) return std::string();
  char small[256];
  va_list again;
  va_copy(again, args);
  int needed = std::vsnprintf(small, sizeof small, format, args);
  std::string out;
  if (needed < 0) {
    // An encoding error in the format: nothing sensible can be shown.
  } else if (static_cast<std::size_t>(needed) < sizeof small) {
    out.assign(small, static_cast<std::size_t>(needed));
  } else {
    out.resize(static_cast<std::size_t>(needed));
    std::vsnprintf(out.data(), out.size() + 1, format, again);
  }
  va_end(again);
  SjisTruncate(out, limit);
  return out;
}

std::string StrFormatLimited(std::size_t limit, const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string out = StrVFormatLimited(limit, format, args);
  va_end(args);
  return out;
}

void StrFormat(std::string& str, const char* format, ...) {
  va_list args;
  va_start(args, format);
  str = StrVFormatLimited(kFormatTextLimit, format, args);
  va_end(args);
}

std::string& StrAppendFormat(std::string& str, const char* format, ...) {
  va_list args;
  va_start(args, format);
  str += StrVFormatLimited(kFormatTextLimit, format, args);
  va_end(args);
  return str;
}
