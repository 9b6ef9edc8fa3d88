#include "records/database/chara_effect.h"

namespace {

const cEffectSettings::OldRoughness kCharaOldRoughness[] = {
    {4, 4, 2},
    {5, 4, 2},
    {10, 3, 2},
};

}  // namespace

std::span<const cEffectSettings::OldRoughness> cCharaEffect::OldRoughnessRules() const {
  return kCharaOldRoughness;
}
