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
// from cCharaBase (g_CharaList, g_Heroes) or run-time ids (an object group),
// which resolve through FindCharaById; an id that no longer resolves is
// passed over.

#include <cstdint>
#include <cstdlib>
#include <type_traits>
#include <utility>

#include "core/containers/checked_vector.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/chara_filter.h"
#include "stage/objects/chara_link.h"

cCharaBase* FindCharaById(int32_t id);

// Modes of FindNearestCharaEx.
enum eSearchMode : int32_t {
  kSearchOnScreenFirst = 0,  // off-screen charas only when no on-screen one qualifies
  kSearchAll = 1,
  kSearchOnScreen = 2,
};

namespace chara_search {

// A list entry as the chara it names: the object itself, or the chara of an id.
template <class T>
  requires std::is_base_of_v<cCharaBase, T>
T* Resolve(T& chara) {
  return &chara;
}
inline cCharaBase* Resolve(int32_t id) { return FindCharaById(id); }

template <class List>
using Found = decltype(Resolve(*std::declval<List&>().begin()));

}  // namespace chara_search

// The first chara of list that passes.
template <class List>
auto FindCharaInList(List& list, const cCharaFilter& filter) {
  using Pointer = chara_search::Found<List>;
  for (auto& entry : list) {
    Pointer chara = chara_search::Resolve(entry);
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

}  // namespace chara_search

// The enabled, living chara nearest to (x, y) among those passing the filter,
// by eSearchMode; ties go to the earlier chara in list order. Other modes find
// nothing.
template <class List>
auto FindNearestCharaEx(int32_t x, int32_t y, List& list, int32_t mode, const cCharaFilter& filter) {
  using Pointer = chara_search::Found<List>;
  if (mode != kSearchOnScreenFirst && mode != kSearchAll && mode != kSearchOnScreen) return Pointer(nullptr);
  Pointer bestOn = nullptr;
  Pointer bestOff = nullptr;
  int64_t distOn = 0;
  int64_t distOff = 0;
  for (auto& entry : list) {
    Pointer chara = chara_search::Resolve(entry);
    if (chara == nullptr || chara->m_bEnabled == 0 || chara->m_bDead != 0 || !filter.Accepts(*chara)) continue;
    const int64_t distance = chara_search::Distance(*chara, x, y);
    const bool bOn = mode == kSearchAll || chara->m_bOnScreen != 0;
    Pointer& best = bOn ? bestOn : bestOff;
    int64_t& bestDistance = bOn ? distOn : distOff;
    if (best == nullptr || distance < bestDistance) {
      best = chara;
      bestDistance = distance;
    }
  }
  if (bestOn != nullptr || mode != kSearchOnScreenFirst) return bestOn;
  return bestOff;
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
