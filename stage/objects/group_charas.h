#pragma once
// cGroupCharas: the charas of each object group as a contiguous array of
// pointers, for the searches that walk whole groups many times a frame (every
// chara setting its nearest target). A group list is a linked list of ids
// whose nodes lie wherever each spawn left them, and each id goes through the
// id table: walking it costs a cache miss per entry before the chara is even
// read. The array holds what the walk would resolve, in list order, with the
// ids that resolve to nothing left out:
//
//   const cVector<cCharaBase*>& charas = play.m_GroupCharas.Of(play.m_CharaIds, g, group);
//
// It is rebuilt whenever it may differ from a fresh walk: when the id table
// has changed (a chara added or erased anywhere), or when the group list has
// a different length or a different last node (ids are appended, and purged
// only once erased, which already changed the table). Only pointers are kept:
// positions and states are read from the charas themselves at each search.
//
// Derived state, like the id tables: never part of the state digest.

#include <cstddef>
#include <cstdint>

#include "core/containers/checked_list.h"
#include "core/containers/checked_vector.h"
#include "stage/objects/id_table.h"

class cCharaBase;

class cGroupCharas {
 public:
  // The charas of group list `list`, which is object group `group`.
  const cVector<cCharaBase*>& Of(const cIdTable<cCharaBase>& ids, int32_t group, const cList<int32_t>& list);

 private:
  struct cEntry {
    uint64_t nVersion = 0;
    std::size_t nSize = 0;
    const int32_t* lpBack = nullptr;  // the last node, null for an empty list
    int32_t nBackId = 0;
    bool bBuilt = false;
    cVector<cCharaBase*> Charas;
  };

  cVector<cEntry> m_Groups;
};
