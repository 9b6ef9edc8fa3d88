#pragma once
// The camera axis of a benchmark stage `blocks` cells long, with the usual
// 10-cell margins and no scroll limits of its own.

#include <cstdint>

#include "stage/objects/scroll.h"

inline void FillBenchAxis(cScroll& axis, int32_t nAxis, int32_t blocks) {
  axis.m_nAxis = nAxis;
  axis.m_nView = nAxis == 0 ? 640 : 480;
  axis.m_nMarginCells = 10;
  axis.m_nCells = blocks + 20;
  axis.m_nMargin = 320;
  axis.m_nFurthest = (blocks + 10) * 32;
  axis.SetAutoScroll(0, 0);
  axis.SetLimits(0, blocks - 1, 0, 0);
}
