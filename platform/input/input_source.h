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

class cKeyStateTable;
class cJoystickSlots;

// Reads a key table and a set of joystick slots that an event intake fills.
class cPublishedInputSource final : public cInputSource {
 public:
  cPublishedInputSource(const cKeyStateTable& keys, const cJoystickSlots& joysticks)
      : keys_(keys), joysticks_(joysticks) {}
  bool IsKeyDown(int32_t vk) const override;
  bool ReadJoystick(int32_t nJoystick, JOYPOSDATA& out) const override;

 private:
  const cKeyStateTable& keys_;
  const cJoystickSlots& joysticks_;
};

// The program's: KeyStates() (what GetAsyncKeyState reads) and JoystickSlots().
const cInputSource& SystemInputSource();
