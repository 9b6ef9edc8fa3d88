#pragma once
// cCellHit: what collision reads of one cell of the block grid, in two bytes.
// A cBlock spans several cache lines and the probes visit cells all over a
// large stage; the grid keeps one cCellHit per cell beside its blocks so a
// probe touches two bytes instead.
//
// A block without conditions keeps its class and its exempt group as stored,
// and a data file may hold any byte in either. A passable block (class 0) has
// class 0 for every group, so its exempt byte is free to say which kind of
// cell it is: kCellPassable, or kCellConditional for a block with conditions,
// whose class only the block itself can tell (the test may note that
// once-only conditions held).
//
//   block class 1, exempt 3, no conditions   ->  {1, 3}
//   block class 0, exempt 3, no conditions   ->  {0, kCellPassable}
//   block with conditions, any class         ->  {0, kCellConditional}

#include <cstdint>

#include "records/palette/grid_block.h"

struct cCellHit {
  int8_t nClass = 0;
  int8_t nExempt = 0;

  bool operator==(const cCellHit&) const = default;
};

// nExempt of an entry whose class is 0.
inline constexpr int8_t kCellPassable = 0;
inline constexpr int8_t kCellConditional = 1;

// Whether an entry tells its class alone: any but a block with conditions.
inline bool AnswersAlone(cCellHit hit) { return hit.nClass != 0 || hit.nExempt == kCellPassable; }

// The class an entry that answers alone tells group nKey.
inline int8_t PlainHitClass(cCellHit hit, int8_t nKey) { return hit.nExempt == nKey ? 0 : hit.nClass; }

inline cCellHit CellHitOf(const cBlock& block) {
  if (!block.m_Conditions.empty()) return {0, kCellConditional};
  if (block.m_nHitClass == 0) return {0, kCellPassable};
  return {block.m_nHitClass, static_cast<int8_t>(block.m_nExemptGroup)};
}
