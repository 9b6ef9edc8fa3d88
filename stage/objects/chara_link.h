#pragma once
// CHARALINK: one entry of a chara's back-reference list (m_TargetedBy): the
// chara that refers to it, by run-time id, and how — slots 0 to 3 are that
// chara's target slots, 4 its parent link.

#include <cstdint>

#include "stage/objects/state_visitor.h"

inline constexpr int32_t kLinkSlotParent = 4;

struct CHARALINK {
  int32_t nCharaId = 0;
  int32_t nSlot = 0;

  bool operator==(const CHARALINK&) const = default;

  void VisitState(cStateVisitor& visitor) {
    visitor.Value("nCharaId", nCharaId);
    visitor.Value("nSlot", nSlot);
  }
};
