#include "platform/input/input_source.h"
#include "platform/input/joystick_slots.h"
#include "platform/input/key_state_table.h"

namespace system_input_source {

class cSystemInputSource final : public cInputSource {
 public:
  bool IsKeyDown(int32_t vk) const override { return (GetAsyncKeyState(vk) & 0x8000) != 0; }
  bool ReadJoystick(int32_t nJoystick, JOYPOSDATA& out) const override {
    return JoystickSlots().Read(nJoystick, out);
  }
};

}  // namespace system_input_source

const cInputSource& SystemInputSource() {
  static const system_input_source::cSystemInputSource source;
  return source;
}
