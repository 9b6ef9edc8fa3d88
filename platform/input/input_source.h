#pragma once
// What the polls read: the keyboard by virtual key and the joysticks by number.
// The program's source reads the window thread's published key and joystick
// states (SystemInputSource); tests script their own.
//
//   class cScripted : public cInputSource { ... };   // keys and sticks of a test
//   PollJoystick(input, scripted, config, 0, 3, 60);

#include <cstdint>

#include "platform/input/joystick_position.h"

class cInputSource {
 public:
  virtual ~cInputSource() = default;
  // True while the key is held; false for codes outside 0..255.
  virtual bool IsKeyDown(int32_t vk) const = 0;
  // False when no device holds that number (the read fails).
  virtual bool ReadJoystick(int32_t nJoystick, JOYPOSDATA& out) const = 0;
};

// Keys from GetAsyncKeyState, joysticks from the published slots.
const cInputSource& SystemInputSource();
