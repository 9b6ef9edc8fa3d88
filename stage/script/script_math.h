#pragma once
// Arithmetic shared by script assignments, status operations and conditions:
// clamps defined for every range (raise to the minimum, then cut to the
// maximum, so max wins when min > max), saturation from 64 bits, and the
// wrapping int32 operations of the expression language.
//
//   int32_t v = 1200;
//   ClampInt(v, 0, 999);              // v == 999
//   SaturateToInt(int64_t{1} << 40);  // INT32_MAX
//   WrapAdd(INT32_MAX, 1);            // INT32_MIN

#include <cstdint>
#include <string_view>

int32_t ClampInt(int32_t& value, int32_t lo, int32_t hi);
int32_t ClampWide(int64_t value, int32_t lo, int32_t hi);
int32_t SaturateToInt(int64_t value);

int32_t WrapAdd(int32_t a, int32_t b);
int32_t WrapSub(int32_t a, int32_t b);
int32_t WrapMul(int32_t a, int32_t b);
// Truncated quotient and remainder for b != 0; INT32_MIN / -1 is INT32_MIN, % -1 is 0.
int32_t SafeDiv(int32_t a, int32_t b);
int32_t SafeRem(int32_t a, int32_t b);

// The leading number of a text as the C library reads it (blanks, an optional
// sign, decimal digits, anything else ends it), saturated to int32.
int32_t ReadLeadingInt(std::string_view text);
