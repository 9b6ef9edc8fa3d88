#include "stage/objects/sub_step_mask.h"

cVector<int32_t> BuildSubStepMask(int32_t nChecks, int32_t nSubSteps) {
  cVector<int32_t> mask;
  if (nSubSteps <= 0) return mask;
  // Outside 1..L-1 the spreading loop would read a negative step as unsigned
  // or run billions of times; those counts check every sub-step anyway.
  if (nChecks <= 0 || nChecks >= nSubSteps) {
    mask.assign(static_cast<std::size_t>(nSubSteps), 1);
    return mask;
  }
  mask.assign(static_cast<std::size_t>(nSubSteps), 0);
  const double step = static_cast<double>(nSubSteps) / nChecks;
  int32_t count = 0;
  for (double p = 0.0; static_cast<int64_t>(p) < nSubSteps; p += step) {
    mask.CheckedVectorAt(static_cast<int32_t>(p)) = 1;
    ++count;
  }
  if (count < nChecks) mask.CheckedVectorAt(nSubSteps - 1) = 1;
  return mask;
}
