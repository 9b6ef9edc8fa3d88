#pragma once
// Which physics sub-steps of a frame test shots against charas: nChecks of
// the nSubSteps, spread evenly by a double step as the stored stages expect
// (6 of 8 marks seven: the sum's rounding). 0 checks, a negative count or
// nChecks >= nSubSteps mark every sub-step.
//
//   BuildSubStepMask(3, 4);   // {1, 1, 1, 0}
//   BuildSubStepMask(2, 4);   // {1, 0, 1, 0}

#include <cstdint>

#include "core/containers/checked_vector.h"

cVector<int32_t> BuildSubStepMask(int32_t nChecks, int32_t nSubSteps);
