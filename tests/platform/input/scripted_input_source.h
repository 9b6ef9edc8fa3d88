#pragma once
// An input source a test scripts: keys held, joysticks present and their reads,
// and how many reads each joystick was asked for.

#include <map>
#include <set>

#include "platform/input/input_source.h"

class cScriptedInputSource : public cInputSource {
 public:
  std::set<int32_t> keys;
  std::map<int32_t, JOYPOSDATA> joysticks;
  mutable std::map<int32_t, int32_t> reads;

  bool IsKeyDown(int32_t vk) const override { return keys.count(vk) != 0; }
  bool ReadJoystick(int32_t nJoystick, JOYPOSDATA& out) const override {
    ++reads[nJoystick];
    auto it = joysticks.find(nJoystick);
    if (it == joysticks.end()) return false;
    out = it->second;
    return true;
  }
};

inline JOYPOSDATA JoyAt(uint32_t x, uint32_t y, uint32_t buttons = 0) { return JOYPOSDATA{x, y, buttons}; }
inline JOYPOSDATA JoyNeutral() { return JoyAt(32767, 32767); }
