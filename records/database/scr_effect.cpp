#include "records/database/scr_effect.h"

namespace {

const cEffectSettings::OldRoughness kScrOldRoughness[] = {
    {6, 4, 8},
    {7, 4, 10},
    {10, 3, 8},
};

}  // namespace

std::span<const cEffectSettings::OldRoughness> cScrEffect::OldRoughnessRules() const {
  return kScrOldRoughness;
}
