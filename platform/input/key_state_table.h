#pragma once
// The held state of the 256 virtual keys. The window thread writes it as it
// pumps events (and clears it when the window loses focus); any thread reads it
// without locks: the polls, the pause and ranking keys, F1/F2.

#include <atomic>
#include <cstdint>

#include "platform/input/virtual_keys.h"

class cKeyStateTable {
 public:
  // Codes outside 0..255 are ignored.
  void SetDown(int32_t vk, bool bDown);
  bool IsDown(int32_t vk) const;
  void ClearAll();

 private:
  std::atomic<uint8_t> down_[kVirtualKeyCount] = {};
};

// The program's table, filled by the window thread's event intake.
cKeyStateTable& KeyStates();

// 0x8000 (the high bit, negative as int16) while the key is down, else 0; 0 for
// codes outside 0..255.
int16_t GetAsyncKeyState(int32_t vk);
