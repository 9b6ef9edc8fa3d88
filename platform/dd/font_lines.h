#pragma once
// Lines of a text as the fonts take them: at most kFontLineBytes bytes each.

#include <cstdint>
#include <string>

// text itself when no line is longer than limit bytes; otherwise a copy in
// storage with every longer line cut at the last character boundary within
// limit (the rest of that line is dropped, the next line kept).
const char* LinesWithin(const char* text, int32_t limit, std::string& storage);

// Characters of the n bytes at text (a double-byte character counts one).
int32_t CharsOfLine(const char* text, int32_t n);
