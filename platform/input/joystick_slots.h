#pragma once
// The joysticks as the polls see them: 16 numbered slots, each empty or holding
// the last read of its device. The window thread publishes every slot after each
// event pump; the polls read from their own threads.

#include <cstdint>
#include <mutex>

#include "platform/input/joystick_position.h"

class cJoystickSlots {
 public:
  // Fills slot n with a read, or empties it (position null). Other numbers are
  // ignored.
  void Publish(int32_t n, const JOYPOSDATA* position);
  // False for an empty slot or a number outside 0..15.
  bool Read(int32_t n, JOYPOSDATA& out) const;

 private:
  mutable std::mutex mutex_;
  bool present_[kJoystickSlotCount] = {};
  JOYPOSDATA positions_[kJoystickSlotCount] = {};
};

cJoystickSlots& JoystickSlots();
