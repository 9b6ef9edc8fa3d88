#pragma once
// The joysticks SDL knows, each on the lowest free number 0..15 until it is
// removed. Lives on the window thread, which opens and closes the devices as
// their events arrive and publishes every number after each pump.
//
// A device SDL knows as a game controller gives its left stick as X/Y (the
// D-pad drives them to 0 or 65535) and A, B, X, Y, the shoulders, Back, Start
// and the stick clicks as buttons 1..10; any other joystick gives axes 0/1 (hat
// 0 like a D-pad) and its buttons in SDL's order.

#include <SDL2/SDL.h>

#include <cstdint>

#include "platform/input/joystick_position.h"
#include "platform/input/joystick_slots.h"

class cSdlJoysticks {
 public:
  cSdlJoysticks() = default;
  ~cSdlJoysticks();
  cSdlJoysticks(const cSdlJoysticks&) = delete;
  cSdlJoysticks& operator=(const cSdlJoysticks&) = delete;

  // SDL_JOYDEVICEADDED: opens the device at that index; the number it took, or
  // -1 when it cannot be opened, all numbers are taken or it is open already.
  int32_t OnDeviceAdded(int32_t deviceIndex);
  // SDL_JOYDEVICEREMOVED: frees the number of that instance.
  void OnDeviceRemoved(SDL_JoystickID instanceId);
  // Every number: the device's current state, or empty.
  void Publish(cJoystickSlots& slots) const;
  // Closes every device (before SDL_Quit).
  void CloseAll();

  // The state of number n now; false when no device holds it.
  bool ReadNow(int32_t n, JOYPOSDATA& out) const;

 private:
  struct Device {
    SDL_Joystick* joystick = nullptr;
    SDL_GameController* controller = nullptr;  // null: a plain joystick
    SDL_JoystickID instanceId = -1;
  };
  void Close(Device& device);
  Device devices_[kJoystickSlotCount] = {};
};
