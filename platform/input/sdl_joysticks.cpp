#include "platform/input/sdl_joysticks.h"

namespace sdl_joysticks {

uint32_t ToUnsignedAxis(Sint16 value) { return static_cast<uint32_t>(static_cast<int32_t>(value) + 32768); }

// The D-pad or hat overrides the stick, as a digital pad would read.
void ApplyPad(bool bLeft, bool bRight, bool bUp, bool bDown, JOYPOSDATA& out) {
  if (bLeft) out.dwXpos = 0;
  if (bRight) out.dwXpos = 65535;
  if (bUp) out.dwYpos = 0;
  if (bDown) out.dwYpos = 65535;
}

constexpr SDL_GameControllerButton kControllerButtons[] = {
    SDL_CONTROLLER_BUTTON_A,         SDL_CONTROLLER_BUTTON_B,         SDL_CONTROLLER_BUTTON_X,
    SDL_CONTROLLER_BUTTON_Y,         SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER,
    SDL_CONTROLLER_BUTTON_BACK,      SDL_CONTROLLER_BUTTON_START,     SDL_CONTROLLER_BUTTON_LEFTSTICK,
    SDL_CONTROLLER_BUTTON_RIGHTSTICK,
};

JOYPOSDATA ReadController(SDL_GameController* pad) {
  JOYPOSDATA out;
  out.dwXpos = ToUnsignedAxis(SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX));
  out.dwYpos = ToUnsignedAxis(SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY));
  auto held = [pad](SDL_GameControllerButton b) { return SDL_GameControllerGetButton(pad, b) != 0; };
  ApplyPad(held(SDL_CONTROLLER_BUTTON_DPAD_LEFT), held(SDL_CONTROLLER_BUTTON_DPAD_RIGHT),
           held(SDL_CONTROLLER_BUTTON_DPAD_UP), held(SDL_CONTROLLER_BUTTON_DPAD_DOWN), out);
  for (uint32_t i = 0; i < std::size(kControllerButtons); ++i) {
    if (held(kControllerButtons[i])) out.dwButtons |= 1u << i;
  }
  return out;
}

JOYPOSDATA ReadJoystick(SDL_Joystick* stick) {
  JOYPOSDATA out;
  const int axes = SDL_JoystickNumAxes(stick);
  if (axes > 0) out.dwXpos = ToUnsignedAxis(SDL_JoystickGetAxis(stick, 0));
  if (axes > 1) out.dwYpos = ToUnsignedAxis(SDL_JoystickGetAxis(stick, 1));
  if (SDL_JoystickNumHats(stick) > 0) {
    const Uint8 hat = SDL_JoystickGetHat(stick, 0);
    ApplyPad(hat & SDL_HAT_LEFT, hat & SDL_HAT_RIGHT, hat & SDL_HAT_UP, hat & SDL_HAT_DOWN, out);
  }
  const int buttons = SDL_JoystickNumButtons(stick);
  for (int i = 0; i < buttons && i < 32; ++i) {
    if (SDL_JoystickGetButton(stick, i)) out.dwButtons |= 1u << i;
  }
  return out;
}

}  // namespace sdl_joysticks

// After SDL_Quit the devices are gone with SDL; closing them again would touch freed memory.
cSdlJoysticks::~cSdlJoysticks() {
  if (SDL_WasInit(SDL_INIT_JOYSTICK) != 0) CloseAll();
}

int32_t cSdlJoysticks::OnDeviceAdded(int32_t deviceIndex) {
  const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
  int32_t freeNumber = -1;
  for (int32_t n = 0; n < kJoystickSlotCount; ++n) {
    if (devices_[n].joystick && devices_[n].instanceId == id) return -1;
    if (!devices_[n].joystick && freeNumber < 0) freeNumber = n;
  }
  if (freeNumber < 0) return -1;
  Device device;
  if (SDL_IsGameController(deviceIndex)) {
    device.controller = SDL_GameControllerOpen(deviceIndex);
    if (device.controller) device.joystick = SDL_GameControllerGetJoystick(device.controller);
  }
  if (!device.joystick) device.joystick = SDL_JoystickOpen(deviceIndex);
  if (!device.joystick) return -1;
  device.instanceId = SDL_JoystickInstanceID(device.joystick);
  devices_[freeNumber] = device;
  return freeNumber;
}

void cSdlJoysticks::OnDeviceRemoved(SDL_JoystickID instanceId) {
  for (Device& device : devices_) {
    if (device.joystick && device.instanceId == instanceId) Close(device);
  }
}

bool cSdlJoysticks::ReadNow(int32_t n, JOYPOSDATA& out) const {
  if (n < 0 || n >= kJoystickSlotCount || !devices_[n].joystick) return false;
  const Device& device = devices_[n];
  out = device.controller ? sdl_joysticks::ReadController(device.controller)
                          : sdl_joysticks::ReadJoystick(device.joystick);
  return true;
}

void cSdlJoysticks::Publish(cJoystickSlots& slots) const {
  for (int32_t n = 0; n < kJoystickSlotCount; ++n) {
    JOYPOSDATA position;
    slots.Publish(n, ReadNow(n, position) ? &position : nullptr);
  }
}

void cSdlJoysticks::CloseAll() {
  for (Device& device : devices_) Close(device);
}

void cSdlJoysticks::Close(Device& device) {
  if (device.controller) {
    SDL_GameControllerClose(device.controller);
  } else if (device.joystick) {
    SDL_JoystickClose(device.joystick);
  }
  device = Device{};
}
