#pragma once
// CHARABOX: a chara's body or attack box: its rectangle in stage dots, then
// its offsets and size from the chara's position, scaled and at scale 1.

#include <cstdint>

#include "stage/objects/state_visitor.h"

struct CHARABOX {
  double dLeft = 0;
  double dTop = 0;
  double dRight = 0;
  double dBottom = 0;
  int32_t nOffsetX = 0;  // scaled
  int32_t nOffsetY = 0;
  int32_t nWidth = 0;
  int32_t nHeight = 0;
  int32_t nOffsetXBase = 0;  // at scale 1
  int32_t nOffsetYBase = 0;
  int32_t nWidthBase = 0;
  int32_t nHeightBase = 0;

  void ClearRect() { dLeft = dTop = dRight = dBottom = 0; }
  // Offsets and size, scaled and at scale 1 alike.
  void SetShape(int32_t x, int32_t y, int32_t w, int32_t h) {
    nOffsetX = nOffsetXBase = x;
    nOffsetY = nOffsetYBase = y;
    nWidth = nWidthBase = w;
    nHeight = nHeightBase = h;
  }
  // The rectangle at truncated position x (y) of its owner.
  void PlaceX(int32_t x) {
    dLeft = static_cast<double>(x) + nOffsetX;
    dRight = dLeft + nWidth - 1;
  }
  void PlaceY(int32_t y) {
    dTop = static_cast<double>(y) + nOffsetY;
    dBottom = dTop + nHeight - 1;
  }
  // The scaled shape from the shape at scale 1.
  void ScaleShape(int32_t scale) {
    nOffsetX = nOffsetXBase * scale;
    nOffsetY = nOffsetYBase * scale;
    nWidth = nWidthBase * scale;
    nHeight = nHeightBase * scale;
  }

  void VisitState(cStateVisitor& visitor) {
    visitor.Value("dLeft", dLeft);
    visitor.Value("dTop", dTop);
    visitor.Value("dRight", dRight);
    visitor.Value("dBottom", dBottom);
    visitor.Value("nOffsetX", nOffsetX);
    visitor.Value("nOffsetY", nOffsetY);
    visitor.Value("nWidth", nWidth);
    visitor.Value("nHeight", nHeight);
    visitor.Value("nOffsetXBase", nOffsetXBase);
    visitor.Value("nOffsetYBase", nOffsetYBase);
    visitor.Value("nWidthBase", nWidthBase);
    visitor.Value("nHeightBase", nHeightBase);
  }
};
