#pragma once
// CompareByCode: the eight comparisons of conditions, by their code.
//
//   0 a == b   1 a != b   2 a >= b   3 a <= b   4 a > b   5 a < b
//   6 b == 0 or |a| divisible by b      7 b != 0 and |a| not divisible by b
//
//   CompareByCode(-12, 4, 6) == 1;   CompareByCode(5, 5, 4) == 0;
//
// Any other code never holds. |a| and the remainder are taken in 64 bits, so
// INT32_MIN compares like any other value.

#include <cstdint>

int32_t CompareByCode(int32_t a, int32_t b, uint32_t nCode);

// The same for statuses stored in 16 or 8 bits. The condition's value is
// compared as given, never cut to the status's width: a キャラID (0..99)
// compared "以上 256" fails rather than holding against a cut 0.
int32_t CompareShort(int16_t a, int32_t b, uint32_t nCode);
int32_t CompareByte(int8_t a, int32_t b, uint32_t nCode);
