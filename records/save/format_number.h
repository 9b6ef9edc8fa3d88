#pragma once
// Decimal numbers of a minimum width, as the slot file names, the challenge
// suffix of stage names and the ranking files spell them.

#include <cstdint>
#include <string>

// str = the decimal text of value with at least width digits: leading zeros when
// zeroPad is set, otherwise leading blanks before the sign. Negative values get
// "-"; the others get "+" when plusSign is set. FormatNumber(s, 7, 3, 1, 0) gives
// "007", FormatNumber(s, -7, 3, 1, 0) "-007", FormatNumber(s, 7, 3, 0, 1) "  +7".
void FormatNumber(std::string& str, int32_t value, int32_t width, int zeroPad, int plusSign);
