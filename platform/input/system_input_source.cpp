#include "platform/input/input_source.h"
#include "platform/input/joystick_slots.h"
#include "platform/input/key_state_table.h"

bool cPublishedInputSource::IsKeyDown(int32_t vk) const { return keys_.IsDown(vk); }

bool cPublishedInputSource::ReadJoystick(int32_t nJoystick, JOYPOSDATA& out) const {
  return joysticks_.Read(nJoystick, out);
}

const cInputSource& SystemInputSource() {
  static const cPublishedInputSource source(KeyStates(), JoystickSlots());
  return source;
}
