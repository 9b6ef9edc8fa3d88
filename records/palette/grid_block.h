#pragma once
// cBlock: one cell of the running stage's block grid: the block part placed
// there (copied from the stage's placements) and whether its conditions have
// held once, for blocks whose conditions count only once (m_bCondOnce).
// Only the part is stored; the flag belongs to the running stage.

#include <cstdint>

#include "records/palette/block_def.h"

// Aligned to a cache line: collision probes cells all over a large grid, and
// the fields it reads (cBlockDef) then never straddle two lines.
class alignas(64) cBlock : public cRecordOf<cBlock, cBlockDef> {
 public:
  // Set once the block's conditions have held.
  int8_t m_bMet = 0;

  // The empty block, not yet met.
  cBlock() = default;
  // The cell of a placed part, not yet met.
  explicit cBlock(const cBlockDef& def) { Def() = def; }

  // The class the block has for an object of group nKey: 0 while its
  // conditions do not hold or when nKey is its exempt group, else
  // m_nHitClass. Defined with the running stage (stage/grid/block_hit_class.cpp),
  // which owns the condition test; it may note that once-only conditions held.
  // Inline for the blocks without conditions, nearly every block collision
  // probes.
  int8_t GetHitClass(int8_t nKey) {
    if (!m_Conditions.empty()) return GetConditionalHitClass(nKey);
    return static_cast<int8_t>(m_nExemptGroup) == nKey ? 0 : m_nHitClass;
  }

  // The part of the cell.
  cBlockDef& Def() { return *this; }
  const cBlockDef& Def() const { return *this; }

 private:
  // GetHitClass of a block with conditions.
  int8_t GetConditionalHitClass(int8_t nKey);
};
