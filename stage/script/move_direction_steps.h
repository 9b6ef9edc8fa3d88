#pragma once
// What each absolute direction code means to a move: the sign of each axis,
// the facing it asks for and its base angle for the angled moves (0 left,
// counted towards up). Relative codes (0, 1, 4, 5, 12) have no entry: they
// are resolved first.
//
//   const MOVEDIRSTEP* step = FindMoveDirStep(kDirUpLeft);   // {-1, -1, kFaceLeft, 45}

#include <array>
#include <cstdint>

#include "records/script/direction_codes.h"
#include "stage/script/move_velocity.h"

struct MOVEDIRSTEP {
  int8_t nX = 0;  // -1 left, 1 right
  int8_t nY = 0;  // -1 up, 1 down
  int8_t nFaceTo = kFaceKeep;
  int16_t nBaseAngle = 0;
  bool bValid = false;

  bool IsDiagonal() const { return nX != 0 && nY != 0; }
};

namespace move_direction_steps {

inline constexpr std::array<MOVEDIRSTEP, 12> kSteps = [] {
  std::array<MOVEDIRSTEP, 12> steps{};
  steps[kDirLeft] = {-1, 0, kFaceLeft, 0, true};
  steps[kDirRight] = {1, 0, kFaceRight, 180, true};
  steps[kDirUp] = {0, -1, kFaceKeep, 90, true};
  steps[kDirDown] = {0, 1, kFaceKeep, 270, true};
  steps[kDirUpLeft] = {-1, -1, kFaceLeft, 45, true};
  steps[kDirDownLeft] = {-1, 1, kFaceLeft, 315, true};
  steps[kDirUpRight] = {1, -1, kFaceRight, 135, true};
  steps[kDirDownRight] = {1, 1, kFaceRight, 225, true};
  return steps;
}();

}  // namespace move_direction_steps

// Null for a code that is not an absolute direction.
inline const MOVEDIRSTEP* FindMoveDirStep(int32_t code) {
  if (code < 0 || code >= static_cast<int32_t>(move_direction_steps::kSteps.size())) return nullptr;
  const MOVEDIRSTEP& step = move_direction_steps::kSteps[static_cast<std::size_t>(code)];
  return step.bValid ? &step : nullptr;
}
