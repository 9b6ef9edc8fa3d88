#pragma once
// cRandom: the linear congruential generator whose numbers a replay repeats.
//
// The stored replays of the player were recorded with exactly this sequence,
// so the constants, the shift and the seed rule may not change:
//
//   cRandom rng;                 // state 1, like a new thread's generator
//   rng.Rand();                  // 41, then 18467, 6334, 26500, 19169
//   rng.Seed(play.m_nSeed);      // what SetStage does for the game thread
//   RandomRange(rng, 5, 3);      // 3, 4 or 5: the bounds in either order
//
// The stage simulation draws only from the play state's generator; effects
// shown on other threads keep their own, so drawing them never shifts the
// numbers a replay depends on.

#include <cstdint>

class cRandom {
 public:
  uint32_t m_nState = 1;

  void Seed(uint32_t nSeed) { m_nState = nSeed; }

  // 0..32767.
  int32_t Rand() {
    m_nState = m_nState * 214013u + 2531011u;
    return static_cast<int32_t>((m_nState >> 16) & 32767u);
  }
};

// A number from the smaller to the larger bound inclusive; one Rand per call.
// The width is computed in 64 bits, so the full int32 range is defined.
int32_t RandomRange(cRandom& rng, int32_t a, int32_t b);
