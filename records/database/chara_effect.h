#pragma once
// cCharaEffect: a distortion or colour effect on one chara's drawing.

#include <cstdint>

#include "records/database/effect_settings.h"

class cCharaEffect : public cRecordOf<cCharaEffect, cEffectSettings> {
 public:
  static constexpr int32_t kMaxKind = 16;

 protected:
  std::span<const OldRoughness> OldRoughnessRules() const override;
};
