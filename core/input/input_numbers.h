#pragma once
// The input numbers: which press history of cInput a key condition, a shot's
// input direction or a command input means. Directions index vDirPress, buttons
// vButtonPress; key-condition slots 0..9 are the directions and 10..18 the
// buttons, in this order.
//
//   input.vDirPress[kDirInputUpLeft][0]      // newest run of "up and left, exactly"
//   input.vButtonPress[kButtonInputNone][0]  // newest run of "no button at all"

#include <cstdint>

enum eDirInput : int32_t {
  kDirInputNone = 0,  // no direction held
  kDirInputLeft = 1,  // each of 1..8: exactly that combination
  kDirInputRight = 2,
  kDirInputUp = 3,
  kDirInputDown = 4,
  kDirInputUpLeft = 5,
  kDirInputDownLeft = 6,
  kDirInputUpRight = 7,
  kDirInputDownRight = 8,
  kDirInputAny = 9,  // any direction bit
};

enum eButtonInput : int32_t {
  kButtonInputNone = 0,  // no button held
  kButtonInputFirst = 1,  // 1..8: button 1..8, whatever else is held
  kButtonInputLast = 8,
};

// Key-condition slots: 0..9 directions, then 10..18 buttons.
inline constexpr int32_t kKeySlotFirstButton = 10;
inline constexpr int32_t kKeySlotCount = 19;
