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

  // The part of the cell.
  cBlockDef& Def() { return *this; }
  const cBlockDef& Def() const { return *this; }
};
