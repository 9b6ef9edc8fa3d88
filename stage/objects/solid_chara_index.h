#pragma once
// The solid charas of the chara list, in list order. The passes that look for
// solids around an object (solid_chara_collision.cpp, solid_chara_queries.cpp)
// walk these few instead of the whole crowd: every chara left out is one no
// object could find solid, and the solids keep their list order, so each pass
// meets the same solids in the same order as a walk of the whole list.
//
// Whether a chara is solid is fixed when it is made, so the index only goes
// stale when the list's elements change. AddChara, EraseChara and the purge
// after a walk count those changes (cStagePlay::m_nCharaListChanges); the
// index is rebuilt at the first query after one. Everything else a pass asks
// of a solid (alive, enabled, where it is and how big) is read from the
// chara at the time of the query, so moves, deaths and scale changes made in
// the middle of a pass are seen as the walk of the whole list sees them.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/containers/checked_list.h"

class cChara;

class cSolidCharaIndex {
 public:
  // The solid charas of list in list order; changes is the count of element
  // changes of list so far. Another list, count or length than the last
  // query's rebuilds the answer.
  const std::vector<cChara*>& Of(cList<cChara>& list, uint64_t changes);
  // Rebuilt from list whatever was asked before; the next query of Of
  // rebuilds again.
  const std::vector<cChara*>& Afresh(cList<cChara>& list);

 private:
  void Rebuild(cList<cChara>& list);

  const cList<cChara>* m_lpList = nullptr;
  uint64_t m_nChanges = 0;
  std::size_t m_nSize = 0;
  std::vector<cChara*> m_Solids;
};
