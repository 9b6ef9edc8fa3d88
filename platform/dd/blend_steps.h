#pragma once
// Repeated 8-bit mixes toward one palette colour: the index d becomes
// table[d x 256 + colour] once per step. The colour-change blit repeats it
// "level" times, and the level comes from chara-effect data (the 8-bit blur
// passes its strength), so the steps are not walked one by one: every index
// runs into a cycle of the table's map within 256 steps, and the rest of the
// count is taken modulo the cycle. The result is that of the plain steps.
//
//   cBlendSteps steps(g_BlendTable.data(), 31, 1000);
//   uint8_t d = steps.From(s);   // as after 1000 plain steps, in at most 256 look-ups

#include <array>
#include <cstdint>

class cBlendSteps {
 public:
  // steps below 1 leave every index as it is.
  cBlendSteps(const uint8_t* table, uint8_t colour, int64_t steps) : m_table(table), m_colour(colour), m_steps(steps) {
    m_result.fill(-1);
  }

  // The index after the steps from start; each start is walked once.
  uint8_t From(uint8_t start);

 private:
  uint8_t Step(uint8_t d) const { return m_table[d * 256u + m_colour]; }
  uint8_t Walk(uint8_t start) const;

  const uint8_t* m_table;
  uint8_t m_colour;
  int64_t m_steps;
  std::array<int16_t, 256> m_result;  // -1 until walked
};
