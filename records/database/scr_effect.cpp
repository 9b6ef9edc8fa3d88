#include "records/database/scr_effect.h"

namespace {

const cEffectSettings::OldRoughness kOldRoughness[] = {
    {6, 4, 8},
    {7, 4, 10},
    {10, 3, 8},
};

}  // namespace

std::span<const cEffectSettings::OldRoughness> cScrEffect::OldRoughnessRules() const {
  return kOldRoughness;
}
