#include "platform/dd/blend_steps.h"

uint8_t cBlendSteps::From(uint8_t start) {
  int16_t& result = m_result[start];
  if (result < 0) result = Walk(start);
  return static_cast<uint8_t>(result);
}

uint8_t cBlendSteps::Walk(uint8_t start) const {
  std::array<int16_t, 256> seenAt;
  seenAt.fill(-1);
  uint8_t d = start;
  for (int64_t k = 0; k < m_steps; ++k) {
    if (seenAt[d] >= 0) {
      // d came back after `cycle` steps: the remaining steps go round it.
      const int64_t cycle = k - seenAt[d];
      for (int64_t left = (m_steps - k) % cycle; left > 0; --left) d = Step(d);
      return d;
    }
    seenAt[d] = static_cast<int16_t>(k);
    d = Step(d);
  }
  return d;
}
