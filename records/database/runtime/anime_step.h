#pragma once
// ANIMESTEP: one step of an animation player's sequence. Players copy whole
// step lists and count the steps down frame by frame.

#include <cstdint>

#include "core/containers/checked_vector.h"

struct ANIMESTEP {
  // The pattern number to show, or a control code when negative.
  int32_t nPattern = 0;
  // How long the step lasts, in frames.
  int32_t nTicks = 0;
  // 1: the step must not be interrupted.
  int32_t bHold = 0;

  bool operator==(const ANIMESTEP&) const = default;
};

// Control codes of nPattern.
inline constexpr int32_t kAnimeStepStay = -1;     // stay on this step
inline constexpr int32_t kAnimeStepLoop = -2;     // back to step 0 and on
inline constexpr int32_t kAnimeStepJump = -3;     // on with the sequence named in nTicks
inline constexpr int32_t kAnimeStepEnd = -4;      // the animation has ended

// Frames per tenth of a second, the unit of the database's durations.
inline constexpr int32_t kFramesPerTenth = 6;

using cAnimeStepList = cVector<ANIMESTEP>;
using cAnimeStepTable = cVector<cAnimeStepList>;
