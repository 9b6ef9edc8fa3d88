#include "stage/script/compare.h"

namespace compare_code {

bool Divides(int32_t a, int32_t b) {
  const int64_t magnitude = a < 0 ? -int64_t{a} : int64_t{a};
  return magnitude % int64_t{b} == 0;
}

}  // namespace compare_code

int32_t CompareByCode(int32_t a, int32_t b, uint32_t nCode) {
  switch (nCode) {
    case 0: return a == b;
    case 1: return a != b;
    case 2: return a >= b;
    case 3: return a <= b;
    case 4: return a > b;
    case 5: return a < b;
    case 6: return b == 0 || compare_code::Divides(a, b);
    case 7: return b != 0 && !compare_code::Divides(a, b);
    default: return 0;
  }
}

int32_t CompareShort(int16_t a, int32_t b, uint32_t nCode) { return CompareByCode(a, b, nCode); }

int32_t CompareByte(int8_t a, int32_t b, uint32_t nCode) { return CompareByCode(a, b, nCode); }
