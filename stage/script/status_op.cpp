#include "stage/script/status_op.h"

#include "core/math/truncate.h"
#include "stage/script/script_math.h"

namespace status_op {

int32_t RoundPercent(int64_t product) {
  const double x = static_cast<double>(product) * 0.01;
  return TruncToInt(x >= 0 ? x + 0.5 : x - 0.5);
}

// The exact result of one operation, before the clamp.
int64_t Operate(int64_t value, int64_t operand, int32_t op) {
  switch (op) {
    case kStatusOpAssign: return operand;
    case kStatusOpAdd: return value + operand;
    case kStatusOpSub: return value - operand;
    case kStatusOpMul: return value * operand;
    case kStatusOpDiv: return operand != 0 ? value / operand : value;
    case kStatusOpRem: return operand != 0 ? value % operand : value;
    case kStatusOpPercent: return RoundPercent(value * operand);
    default: return value;
  }
}

// Raise to lo, then cut to hi, in 64 bits.
int64_t ClampRange(int64_t value, int32_t lo, int32_t hi) {
  if (value < lo) value = lo;
  if (value > hi) value = hi;
  return value;
}

}  // namespace status_op

int32_t PercentOfInt(int32_t value, int32_t percent) { return status_op::RoundPercent(int64_t{value} * percent); }

int16_t PercentOfShort(int16_t value, int16_t percent) {
  return static_cast<int16_t>(ClampWide(status_op::RoundPercent(int64_t{value} * percent), INT16_MIN, INT16_MAX));
}

int8_t PercentOfByte(int8_t value, int8_t percent) {
  return static_cast<int8_t>(ClampWide(status_op::RoundPercent(int64_t{value} * percent), INT8_MIN, INT8_MAX));
}

int32_t ApplyStatusOp(int32_t* lpValue, int32_t operand, int32_t op, int32_t lo, int32_t hi) {
  *lpValue = static_cast<int32_t>(status_op::ClampRange(status_op::Operate(*lpValue, operand, op), lo, hi));
  return *lpValue;
}

int16_t ApplyStatusOpShort(int16_t* lpValue, int32_t operand, int32_t op, int32_t lo, int32_t hi) {
  const int64_t v = status_op::ClampRange(status_op::Operate(*lpValue, operand, op), lo, hi);
  *lpValue = static_cast<int16_t>(ClampWide(v, INT16_MIN, INT16_MAX));
  return *lpValue;
}

int8_t ApplyStatusOpByte(int8_t* lpValue, int32_t operand, int32_t op, int32_t lo, int32_t hi) {
  const int64_t v = status_op::ClampRange(status_op::Operate(*lpValue, operand, op), lo, hi);
  *lpValue = static_cast<int8_t>(ClampWide(v, INT8_MIN, INT8_MAX));
  return *lpValue;
}

int8_t ClampByte(int8_t* lpValue, int32_t lo, int32_t hi) {
  *lpValue = static_cast<int8_t>(ClampWide(status_op::ClampRange(*lpValue, lo, hi), INT8_MIN, INT8_MAX));
  return *lpValue;
}
