#include "core/text/str_helpers.h"

#include <cstring>
#include <new>

const char* StrAssignNullSafe(std::string& str, const char* text) {
  if (text == nullptr) {
    str.clear();
    return nullptr;
  }
  str = text;
  return str.c_str();
}

std::string* StrConstructNullSafe(void* place, const char* text) {
  return new (place) std::string(text != nullptr ? text : "");
}

std::size_t StrSyncLength(std::string& str) {
  str.resize(std::strlen(str.c_str()));
  return str.size();
}

std::string StrMid(const std::string& str, int32_t start, int32_t count) {
  // Wider arithmetic: start + count must not overflow for any int32 pair.
  int64_t from = start;
  int64_t n = count;
  if (from < 0) {
    n += from;
    from = 0;
  }
  const int64_t length = static_cast<int64_t>(std::strlen(str.c_str()));
  if (from > length || n == 0) return std::string();
  if (n < 0 || from + n > length) n = length - from;
  return str.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(n));
}
