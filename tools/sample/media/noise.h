#pragma once
// Deterministic noise for synthesised sounds: the 32-bit linear congruential
// generator x * 214013 + 2531011 with a fixed seed, never the clock or the C
// library, so every run writes the same bytes.

#include <cstdint>

class cNoise {
 public:
  explicit cNoise(uint32_t seed = 1) : m_nState(seed) {}
  // 0 to 32767.
  int32_t Next() {
    m_nState = m_nState * 214013u + 2531011u;
    return static_cast<int32_t>((m_nState >> 16) & 32767u);
  }
  // -1.0 to 1.0.
  double NextSigned() { return Next() / 16383.5 - 1.0; }

 private:
  uint32_t m_nState;
};
