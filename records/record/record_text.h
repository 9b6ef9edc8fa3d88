#pragma once
// The rules for the text of a record string.

#include <cstddef>
#include <string>
#include <string_view>

// Longest text a record string holds, in bytes (without the terminating zero).
constexpr std::size_t kMaxRecordText = 5119;

// Removes every carriage return (byte 13).
void RemoveCarriageReturns(std::string& text);

// Cuts text at its first zero byte and to at most kMaxRecordText bytes, on a
// character boundary of code page 932, so the result can always be saved and
// loaded back unchanged.
void LimitRecordText(std::string& text);
