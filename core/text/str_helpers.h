#pragma once
// Small string operations that accept null texts and texts written straight into
// a string's storage (which may hold a zero byte before its end).

#include <cstdint>
#include <string>

// A null text empties str and gives null; otherwise str takes the text and its
// own text is returned.
const char* StrAssignNullSafe(std::string& str, const char* text);

// Builds a string in the uninitialised storage at place (a null text builds an
// empty string). For global strings filled from tables of zero-terminated texts.
std::string* StrConstructNullSafe(void* place, const char* text);

// Cuts str at its first zero byte; returns the new length.
std::size_t StrSyncLength(std::string& str);

// A piece of str (up to its first zero byte): count bytes from start. A negative
// start shortens count by as much and starts at 0; a negative count, or one that
// runs past the end, takes the rest; a start past the end or a count of 0 gives "".
std::string StrMid(const std::string& str, int32_t start, int32_t count);
