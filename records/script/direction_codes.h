#pragma once
// Direction codes of the move and shot settings. Codes 0, 1, 4, 5 and 12 are
// relative and are resolved into the absolute codes 2, 3 and 6 to 11 when a
// command uses them (see shot_direction.h).

#include <cstdint>

enum eDirectionCode : int8_t {
  kDirFront = 0,       // "前"
  kDirBack = 1,        // "後"
  kDirLeft = 2,        // "左"
  kDirRight = 3,       // "右"
  kDirFrontY = 4,      // "前Y"
  kDirBackY = 5,       // "後Y"
  kDirUp = 6,          // "上"
  kDirDown = 7,        // "下"
  kDirUpLeft = 8,      // "左上"
  kDirDownLeft = 9,    // "左下"
  kDirUpRight = 10,    // "右上"
  kDirDownRight = 11,  // "右下"
  kDirInput = 12,      // "入力方向": the direction the player pressed
};

// Facing of a chara as the resolution takes it.
enum eFacing : int32_t { kFacingLeft = 0, kFacingRight = 1 };
