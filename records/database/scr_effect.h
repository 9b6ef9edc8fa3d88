#pragma once
// cScrEffect: a distortion or colour effect on the whole screen.

#include <cstdint>

#include "records/database/effect_settings.h"

class cScrEffect : public cRecordOf<cScrEffect, cEffectSettings> {
 public:
  static constexpr int32_t kMaxKind = 13;

 protected:
  std::span<const OldRoughness> OldRoughnessRules() const override;
};
