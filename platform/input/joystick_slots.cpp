#include "platform/input/joystick_slots.h"

void cJoystickSlots::Publish(int32_t n, const JOYPOSDATA* position) {
  if (n < 0 || n >= kJoystickSlotCount) return;
  std::lock_guard lock(mutex_);
  present_[n] = position != nullptr;
  positions_[n] = position ? *position : JOYPOSDATA{};
}

bool cJoystickSlots::Read(int32_t n, JOYPOSDATA& out) const {
  if (n < 0 || n >= kJoystickSlotCount) return false;
  std::lock_guard lock(mutex_);
  if (!present_[n]) return false;
  out = positions_[n];
  return true;
}

cJoystickSlots& JoystickSlots() {
  static cJoystickSlots slots;
  return slots;
}
