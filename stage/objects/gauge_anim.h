#pragma once
// GAUGEANIM: the animation of an HP or SP gauge after a change. The gauge is
// 50 units long; the part lost (or won) fades out over the frames left.

#include <cstdint>

#include "stage/objects/state_visitor.h"

struct GAUGEANIM {
  int32_t nFrames = 0;      // frames left; 120 when started
  double dChange = 0;       // the change, in fiftieths of the gauge
  double dChangeStep = 0;   // dChange / 60
  int32_t nFill = 0;        // the fill after the change, in fiftieths

  void VisitState(cStateVisitor& visitor) {
    visitor.Value("nFrames", nFrames);
    visitor.Value("dChange", dChange);
    visitor.Value("dChangeStep", dChangeStep);
    visitor.Value("nFill", nFill);
  }
};
