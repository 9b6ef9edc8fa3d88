#pragma once
// EFFECTREQUEST: an effect the simulation asks the play scene to show (an
// エフェクトの実行 command). The scene builds its effect object from it; what
// the simulation decided (entry, place, size) is all in here.

#include <cstdint>

struct EFFECTREQUEST {
  int16_t nEffect = 0;  // Effect database index
  double dX = 0;        // top-left corner, stage dots
  double dY = 0;
  int32_t nWidth = 0;   // scaled size, dots
  int32_t nHeight = 0;
  int32_t bWait = 0;    // the game waits for the effect
};
