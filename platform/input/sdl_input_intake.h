#pragma once
// Where the window thread's event pump hands SDL's input events. It keeps the
// key table (what GetAsyncKeyState reads) and the joystick slots (what the polls
// read), so the polls on the game, wait and ranking threads never touch SDL.
//
//   // window thread, once per pump:
//   while (SDL_PollEvent(&event)) {
//     SdlInputIntake().HandleEvent(event);   // keys, mouse buttons, focus, devices
//     ... the window's own handling ...
//   }
//   SdlInputIntake().PublishJoysticks();
//
// A key sets its code; a sided Shift, Ctrl or Alt also sets the generic code
// while either side is down. Losing the focus releases every key, so a key
// released in another window does not stay held.

#include <SDL2/SDL.h>

#include "platform/input/joystick_slots.h"
#include "platform/input/key_state_table.h"
#include "platform/input/sdl_joysticks.h"

class cSdlInputIntake {
 public:
  cSdlInputIntake(cKeyStateTable& keys, cJoystickSlots& slots) : keys_(keys), slots_(slots) {}

  // True when the event was one of the input events above.
  bool HandleEvent(const SDL_Event& event);
  void PublishJoysticks();
  // Closes the devices (before SDL_Quit) and empties the slots.
  void Shutdown();

  cSdlJoysticks& joysticks() { return joysticks_; }

 private:
  void SetKey(int32_t vk, bool bDown);

  cKeyStateTable& keys_;
  cJoystickSlots& slots_;
  cSdlJoysticks joysticks_;
};

// The program's intake over KeyStates() and JoystickSlots(); window thread only.
cSdlInputIntake& SdlInputIntake();
