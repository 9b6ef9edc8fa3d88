#pragma once
// One read of a joystick: what the polls test. Axes are unsigned 0..65535 with
// the centre near 32767 (SDL's -32768..32767 shifted up); button bit i is
// button i + 1.

#include <cstdint>

struct JOYPOSDATA {
  uint32_t dwXpos = 32767;
  uint32_t dwYpos = 32767;
  uint32_t dwButtons = 0;
};

inline constexpr int32_t kJoystickSlotCount = 16;
