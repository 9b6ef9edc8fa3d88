#pragma once
// cParamDesc: the label and range of one parameter whose meaning depends on a
// setting: the three per-formation and the three per-movement-type parameters
// of the shot settings. Variable links take their limits from these.

#include <cstdint>
#include <string>

struct cParamDesc {
  std::string strLabel;  // empty: the parameter is not used
  int16_t nMin = 0;
  int16_t nMax = 0;
  int16_t nDefault = 0;

  cParamDesc() = default;
  // A null label becomes the empty label.
  cParamDesc(const char* label, int16_t min, int16_t max, int16_t def);
};

// Descriptor p (0 to 2) of formation f; null when f or p is outside the table
// (a stored formation is not corrected by the load).
const cParamDesc* FormationParamDesc(int32_t formation, int32_t param);
// Descriptor p (0 to 2) of shot movement type t; null outside the table.
const cParamDesc* MoveTypeParamDesc(int32_t moveType, int32_t param);
