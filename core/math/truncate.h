#pragma once
// TruncToInt: the one way the simulation turns a double into an int.
//
// A plain static_cast of a double outside the int32 range (or of NaN) is
// undefined behaviour and differs between compilers and optimisation levels,
// which would let a replay drift. Data can make any double (a speed of 1e300,
// a division by zero), so every conversion saturates instead:
//
//   TruncToInt(2.9)    ==  2          TruncToInt(-2.9) == -2
//   TruncToInt(1e300)  ==  INT32_MAX  TruncToInt(NaN)  ==  0

#include <cstdint>
#include <limits>

constexpr int32_t TruncToInt(double value) {
  // Every value strictly between these bounds truncates into the int32 range;
  // the motion step converts positions several times per object and
  // sub-step, so the usual case costs two compares. NaN fails both.
  if (value > -2147483649.0 && value < 2147483648.0) [[likely]] {
    return static_cast<int32_t>(value);
  }
  if (value != value) return 0;  // NaN
  return value > 0 ? std::numeric_limits<int32_t>::max() : std::numeric_limits<int32_t>::min();
}
