#pragma once
// Shift-JIS (code page 932) byte classes. Text inside the program is CP932 bytes.

#include <cstdint>

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
