#pragma once
// ASCII-only case folding for matching file names the way the data's original
// case-insensitive file system did. Bytes above 0x7F (UTF-8 sequences, full-width
// letters) are compared as they stand.

#include <string>
#include <string_view>

constexpr char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

inline std::string AsciiFold(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) c = AsciiLower(c);
  return folded;
}

inline bool EqualsAsciiNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}
