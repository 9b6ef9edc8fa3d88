#pragma once
// Shift-JIS (code page 932) byte classes. Text inside the program is CP932 bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// 0x81-0x9F and 0xE0-0xFC start a double-byte character.
constexpr bool IsSjisLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// 0x40-0x7E and 0x80-0xFC may follow a lead byte. 0x5C ('\\') is one of them,
// which is why paths are never split at a backslash without this check.
constexpr bool IsSjisTrailByte(unsigned char c) {
  return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

// True when p points at a lead byte followed by a trail byte.
constexpr bool IsSjisDoubleByte(const char* p) {
  return IsSjisLeadByte(static_cast<unsigned char>(p[0])) &&
         IsSjisTrailByte(static_cast<unsigned char>(p[1]));
}

// Characters of a zero-terminated text: a lead byte with its trail byte is one,
// a line feed is none, any other byte is one. A null text has none.
int SjisCharCount(const char* text);

// The longest prefix of text, at most limit bytes, that does not end inside a
// double-byte character. Used wherever a text must fit a fixed size.
std::size_t SjisCutLength(std::string_view text, std::size_t limit);

// Shortens text to at most limit bytes, at a character boundary.
void SjisTruncate(std::string& text, std::size_t limit);
