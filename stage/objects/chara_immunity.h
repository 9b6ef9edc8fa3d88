#pragma once
// IMMUNITY: a chara cannot be hurt by one attacker (by object id) for the
// frames left.

#include <cstdint>

#include "stage/objects/state_visitor.h"

struct IMMUNITY {
  int32_t nAttackerId = 0;
  int32_t nFrames = 0;

  bool operator==(const IMMUNITY&) const = default;

  void VisitState(cStateVisitor& visitor) {
    visitor.Value("nAttackerId", nAttackerId);
    visitor.Value("nFrames", nFrames);
  }
};
