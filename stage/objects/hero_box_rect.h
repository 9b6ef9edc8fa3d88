#pragma once
// HEROBOXRECT: one of the hero's rectangles shown on the stage's request
// (body, hit box, item box, shot box) with its display mode, colour and the
// cycle counter of its colour animation. The screen position and the cycle
// are the drawing's (they step with every drawn frame, frozen ones too) and
// stay out of the state.

#include <cstdint>

#include "stage/objects/state_visitor.h"

struct HEROBOXRECT {
  int32_t nKind = 0;     // 0 body, 1 hit box, 2 item box, 3 shot box
  int32_t nMode = 0;     // 0 hidden, 1 filled, 2 frame
  int32_t nColour = 0;   // palette number, the first of a group of four
  int32_t nX = 0;        // screen position and size
  int32_t nY = 0;
  int32_t nWidth = 0;
  int32_t nHeight = 0;
  int32_t nCycle = 0;    // 0..31

  void VisitState(cStateVisitor& visitor) {
    visitor.Value("nKind", nKind);
    visitor.Value("nMode", nMode);
    visitor.Value("nColour", nColour);
    visitor.Value("nWidth", nWidth);
    visitor.Value("nHeight", nHeight);
  }
};
