#include "core/math/random.h"

int32_t RandomRange(cRandom& rng, int32_t a, int32_t b) {
  const int64_t low = b < a ? b : a;
  const int64_t high = b < a ? a : b;
  const int64_t width = high - low + 1;  // 1 .. 2^32, never 0
  return static_cast<int32_t>(low + rng.Rand() % width);
}
