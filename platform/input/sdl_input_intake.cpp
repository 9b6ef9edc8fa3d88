#include "platform/input/sdl_input_intake.h"

#include "platform/input/scancode_keys.h"
#include "platform/input/virtual_keys.h"

namespace sdl_input_intake {

int32_t MouseButtonKey(Uint8 button) {
  if (button == SDL_BUTTON_LEFT) return VK_LBUTTON;
  if (button == SDL_BUTTON_RIGHT) return VK_RBUTTON;
  return 0;
}

// The sided pair behind a generic modifier.
void SidesOf(int32_t generic, int32_t& left, int32_t& right) {
  const int32_t first = generic == VK_SHIFT ? VK_LSHIFT : generic == VK_CONTROL ? VK_LCONTROL : VK_LMENU;
  left = first;
  right = first + 1;
}

}  // namespace sdl_input_intake

bool cSdlInputIntake::HandleEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      SetKey(ScancodeToVirtualKey(event.key.keysym.scancode), event.type == SDL_KEYDOWN);
      return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      SetKey(sdl_input_intake::MouseButtonKey(event.button.button), event.type == SDL_MOUSEBUTTONDOWN);
      return true;
    case SDL_WINDOWEVENT:
      if (event.window.event != SDL_WINDOWEVENT_FOCUS_LOST) return false;
      keys_.ClearAll();
      return true;
    case SDL_JOYDEVICEADDED:
      joysticks_.OnDeviceAdded(event.jdevice.which);
      return true;
    case SDL_JOYDEVICEREMOVED:
      joysticks_.OnDeviceRemoved(event.jdevice.which);
      return true;
    default: return false;
  }
}

void cSdlInputIntake::SetKey(int32_t vk, bool bDown) {
  if (vk == 0) return;
  keys_.SetDown(vk, bDown);
  const int32_t generic = GenericKeyOf(vk);
  if (generic == 0) return;
  int32_t left = 0;
  int32_t right = 0;
  sdl_input_intake::SidesOf(generic, left, right);
  keys_.SetDown(generic, keys_.IsDown(left) || keys_.IsDown(right));
}

void cSdlInputIntake::PublishJoysticks() { joysticks_.Publish(slots_); }

void cSdlInputIntake::Shutdown() {
  joysticks_.CloseAll();
  joysticks_.Publish(slots_);
}

cSdlInputIntake& SdlInputIntake() {
  static cSdlInputIntake intake(KeyStates(), JoystickSlots());
  return intake;
}
