#pragma once
// The chara searches of the target-setting command and the homing shots. All
// of them pass over dead charas and apply a cCharaFilter; they return a
// pointer for the caller to read at once (or its m_nId to keep), null when
// nothing qualifies.
//
//   cCharaFilter filter;
//   filter.m_bNoInvincible2 = 1;
//   cChara* nearest = FindNearestCharaEx(320, 240, g_CharaList, kSearchOnScreenFirst, filter);
//   cCharaBase* child = FindChildChara(self.m_TargetedBy, kLinkSlotParent, self.m_nBlockKey, 0, filter);
//
// Lists are searched in list order; the list may hold any class derived
// from cCharaBase (g_CharaList, g_Heroes), pointers to charas (a resolved
// group) or run-time ids (an object group), which resolve through the played
// stage's id table; an id that no longer resolves is passed over.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <type_traits>
#include <utility>

#include "core/containers/checked_vector.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/chara_filter.h"
#include "stage/objects/chara_link.h"
#include "stage/objects/id_table.h"

cCharaBase* FindCharaById(int32_t id);

// Modes of FindNearestCharaEx.
enum eSearchMode : int32_t {
  kSearchOnScreenFirst = 0,  // off-screen charas only when no on-screen one qualifies
  kSearchAll = 1,
  kSearchOnScreen = 2,
};

// The chara id table of the stage being played; null while none is.
const cIdTable<cCharaBase>* CurrentCharaIds();

namespace chara_search {

// A list entry as the chara it names: the object itself, or the chara of an
// id. The id table is fetched once per search, not once per entry: a search
// over every group resolves thousands of ids per frame.
template <class T>
  requires std::is_base_of_v<cCharaBase, T>
T* Resolve(T& chara, const cIdTable<cCharaBase>*) {
  return &chara;
}
inline cCharaBase* Resolve(int32_t id, const cIdTable<cCharaBase>* ids) {
  return ids != nullptr ? ids->Find(id) : nullptr;
}
// A group already resolved (cGroupCharas).
inline cCharaBase* Resolve(cCharaBase* chara, const cIdTable<cCharaBase>*) { return chara; }

template <class List>
using Found = decltype(Resolve(*std::declval<List&>().begin(), nullptr));

// The table Resolve needs for list: only a list of ids needs one.
template <class List>
const cIdTable<cCharaBase>* IdsFor(const List&) {
  if constexpr (std::is_same_v<std::remove_cvref_t<decltype(*std::declval<List&>().begin())>, int32_t>) {
    return CurrentCharaIds();
  } else {
    return nullptr;
  }
}

}  // namespace chara_search

// The first chara of list that passes.
template <class List>
auto FindCharaInList(List& list, const cCharaFilter& filter) {
  using Pointer = chara_search::Found<List>;
  const cIdTable<cCharaBase>* ids = chara_search::IdsFor(list);
  for (auto& entry : list) {
    Pointer chara = chara_search::Resolve(entry, ids);
    if (chara != nullptr && chara->m_bDead == 0 && filter.Accepts(*chara)) return chara;
  }
  return Pointer(nullptr);
}

// Walks the back-references from the newest: entries of slot (4: the charas
// this one summoned) whose chara still runs, of the block key unless anyKey,
// passing the filter.
cCharaBase* FindChildChara(const cVector<CHARALINK>& targetedBy, int32_t slot, int32_t key, int32_t anyKey,
                           const cCharaFilter& filter);

namespace chara_search {

// |centre y - y| + |centre x - x| in 64 bits: screen rectangles far apart
// must not wrap into a small distance.
inline int64_t Distance(const cGameObject& chara, int32_t x, int32_t y) {
  const int64_t cx = static_cast<int64_t>(chara.m_rcScreen.left) + chara.m_nGraphicW / 2;
  const int64_t cy = static_cast<int64_t>(chara.m_rcScreen.top) + chara.m_nGraphicH / 2;
  return std::llabs(cy - y) + std::llabs(cx - x);
}

// A resolved group is an array of pointers: asking for a chara some entries
// ahead overlaps the cache misses of the scattered charas with the work on
// the current one. Other lists are left to the hardware.
constexpr std::ptrdiff_t kPrefetchDistance = 8;
template <class Entry, class List>
void PrefetchAhead(Entry* entry, const List& list) {
  if constexpr (std::is_pointer_v<std::remove_cv_t<Entry>>) {
    if (list.data() + list.size() - entry <= kPrefetchDistance) return;
    if (const auto* ahead = entry[kPrefetchDistance]) __builtin_prefetch(&ahead->m_nGraphicW);
  }
}

}  // namespace chara_search

// The enabled, living chara nearest to (x, y) among those passing the filter,
// by eSearchMode; ties go to the earlier chara in list order. Other modes find
// nothing.
//
// The distance is tested before anything else: it reads only the screen
// rectangle, and a chara no nearer than the on-screen best so far cannot
// change the result whatever the other tests say (an on-screen best also
// makes the off-screen one moot). Most charas of a search are passed over
// without reading the enabled, dead and filter fields, which lie on other
// cache lines of a large object.
template <class List>
auto FindNearestCharaEx(int32_t x, int32_t y, List& list, int32_t mode, const cCharaFilter& filter) {
  using Pointer = chara_search::Found<List>;
  if (mode != kSearchOnScreenFirst && mode != kSearchAll && mode != kSearchOnScreen) return Pointer(nullptr);
  const cIdTable<cCharaBase>* ids = chara_search::IdsFor(list);
  Pointer bestOn = nullptr;
  Pointer bestOff = nullptr;  // kept only while no on-screen chara qualifies
  int64_t distOn = INT64_MAX;  // above any distance until bestOn is found
  int64_t distOff = 0;
  for (auto& entry : list) {
    chara_search::PrefetchAhead(&entry, list);
    Pointer chara = chara_search::Resolve(entry, ids);
    if (chara == nullptr) continue;
    const int64_t distance = chara_search::Distance(*chara, x, y);
    if (distance >= distOn) continue;
    if (chara->m_bEnabled == 0 || chara->m_bDead != 0) continue;
    const bool bOn = mode == kSearchAll || chara->m_bOnScreen != 0;
    if (!bOn && (mode != kSearchOnScreenFirst || (bestOff != nullptr && distance >= distOff))) continue;
    if (!filter.Accepts(*chara)) continue;
    (bOn ? bestOn : bestOff) = chara;
    (bOn ? distOn : distOff) = distance;
  }
  return bestOn != nullptr ? bestOn : bestOff;
}

// FindNearestCharaEx with the stage's nearest-search setting: on-screen only
// when it is on, on-screen first otherwise; invincible state 2 is never found.
int32_t NearestSearchMode();
template <class List>
auto FindNearestCharaAt(int32_t x, int32_t y, List& list) {
  cCharaFilter filter;
  filter.m_bNoInvincible2 = 1;
  return FindNearestCharaEx(x, y, list, NearestSearchMode(), filter);
}
