#pragma once
// SHOTLINK: one entry of a chara's m_ShotLinks: a shot that names the chara,
// by the shot's serial, and how — kShotLinkHoming (it homes on the chara) or
// kShotLinkOwner (the chara fired it). The chara clears the shot's reference
// through this list when it dies or is erased.

#include <cstdint>

#include "stage/objects/state_visitor.h"

inline constexpr int32_t kShotLinkHoming = 0;
inline constexpr int32_t kShotLinkOwner = 4;

struct SHOTLINK {
  int32_t nShotId = 0;
  int32_t nKind = 0;

  bool operator==(const SHOTLINK&) const = default;

  void VisitState(cStateVisitor& visitor) {
    visitor.Value("nShotId", nShotId);
    visitor.Value("nKind", nKind);
  }
};
