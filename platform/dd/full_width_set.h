#pragma once
// The full-width characters every full-width glyph cache starts with, in cell
// order: digits, punctuation, Latin letters, both kana and a few signs, the
// characters the system's own texts and menus use most. A cache lists them
// before any other, so the text drawing finds them first.

#include <cstdint>

inline constexpr int32_t kFullWidthSetCount = 256;

// Character n is bytes 2n and 2n + 1 (512 bytes and a zero).
extern const char kFullWidthSet[];
