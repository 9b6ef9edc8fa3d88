#include "records/database/scr_effect.h"

namespace {

const cEffectSettings::OldRoughness kOldRoughness[] = {
    {6, 4, 8},
    {7, 4, 10},
    {10, 3, 8},
};

}  // namespace

bool cScrEffect::Load(cRecordReader& reader) {
  if (!cRecord::Load(reader)) return false;
  SetOldRoughness(reader, kOldRoughness);
  return true;
}
