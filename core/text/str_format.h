#pragma once
// printf-style formatting into the program's byte strings. The output is never
// written into a fixed buffer; a text longer than its limit is cut at a CP932
// character boundary, so no half character is ever left at the end.

#include <cstdarg>
#include <cstddef>
#include <string>

// Longest text the general formatting helpers produce.
constexpr std::size_t kFormatTextLimit = 5119;
// Longest text of an error box or of a report-log line formatted for a box.
constexpr std::size_t kBoxTextLimit = 1023;
// No limit: the report log and the EC log take lines of any length.
constexpr std::size_t kNoTextLimit = static_cast<std::size_t>(-1);

// Formats into a new string of at most limit bytes. A null format gives "".
std::string StrVFormatLimited(std::size_t limit, const char* format, va_list args);
std::string StrFormatLimited(std::size_t limit, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

// Assigns the formatted text (at most kFormatTextLimit bytes) to str.
void StrFormat(std::string& str, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Appends the formatted text (at most kFormatTextLimit bytes) to str; returns str.
std::string& StrAppendFormat(std::string& str, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
