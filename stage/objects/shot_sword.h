#pragma once
// The steps of a sword type as the sword shot walks them.

#include <cstdint>

class cSwordTypeEntry;

// Step `step` of sword type `type` in the database; null past either list
// (a sword type the data names but does not hold has no steps).
const cSwordTypeEntry* SwordStep(int32_t type, int32_t step);
