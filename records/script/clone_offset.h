#pragma once
// The offset of one copy in a row of copies (clone index i): the first copy's
// offset plus i steps, in integer arithmetic, negated for a right-facing
// owner when the setting mirrors it. Shared by every setting that places
// copies at offsets.

#include <cstdint>

#include "records/script/direction_codes.h"

inline double CloneOffset(int32_t offset, int32_t step, int32_t i, int32_t bMirror,
                          int32_t facing) {
  // Wide: no clone index makes the product overflow.
  const int64_t d = int64_t{i} * step + offset;
  const double value = static_cast<double>(d);
  return (facing == kFacingRight && bMirror != 0) ? -value : value;
}
