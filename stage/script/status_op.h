#pragma once
// The seven operators of the status and variable operations, by the width a
// value is stored in, and the percentages they and the status conditions use.
//
//   int32_t hp = 100;
//   ApplyStatusOp(&hp, 10, kStatusOpSub, 0, 999999);       // 90
//   int8_t z = 3;
//   ApplyStatusOpByte(&z, 256, kStatusOpAssign, 0, 7);     // 7: computed wide, stored narrow
//   PercentOfInt(15, 50);                                   // 8: 7.5 rounded away from zero
//
// Every result is computed exactly in 64 bits and then clamped to [lo, hi]
// (raised to lo, then cut to hi), so an overflowing sum or product ends at the
// range's end instead of wrapping. Division and remainder by 0 keep the value.

#include <cstdint>

enum eStatusOp : int32_t {
  kStatusOpAssign = 0,
  kStatusOpAdd = 1,
  kStatusOpSub = 2,
  kStatusOpMul = 3,
  kStatusOpDiv = 4,
  kStatusOpRem = 5,
  kStatusOpPercent = 6,
};

// H(value × percent × 0.01): the product taken in 64 bits, times 0.01 in
// double, rounded half away from zero, saturated to int32.
int32_t PercentOfInt(int32_t value, int32_t percent);
int16_t PercentOfShort(int16_t value, int16_t percent);
int8_t PercentOfByte(int8_t value, int8_t percent);

// *lpValue op operand, clamped to [lo, hi]; the stored result.
int32_t ApplyStatusOp(int32_t* lpValue, int32_t operand, int32_t op, int32_t lo, int32_t hi);
int16_t ApplyStatusOpShort(int16_t* lpValue, int32_t operand, int32_t op, int32_t lo, int32_t hi);
int8_t ApplyStatusOpByte(int8_t* lpValue, int32_t operand, int32_t op, int32_t lo, int32_t hi);

// Clamps a byte in place, compared wide.
int8_t ClampByte(int8_t* lpValue, int32_t lo, int32_t hi);
