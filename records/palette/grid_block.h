#pragma once
// cBlock: one cell of the running stage's block grid: the block part placed
// there (copied from the stage's placements) and whether its conditions have
// held once, for blocks whose conditions count only once (m_bCondOnce).
// Only the part is stored; the flag belongs to the running stage.

#include <cstdint>

#include "records/palette/block_def.h"

class cBlock : public cRecordOf<cBlock, cBlockDef> {
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
  int8_t GetHitClass(int8_t nKey);

  // The part of the cell.
  cBlockDef& Def() { return *this; }
  const cBlockDef& Def() const { return *this; }
};
