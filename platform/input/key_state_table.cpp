#include "platform/input/key_state_table.h"

void cKeyStateTable::SetDown(int32_t vk, bool bDown) {
  if (vk < 0 || vk >= kVirtualKeyCount) return;
  down_[vk].store(bDown ? 1 : 0, std::memory_order_relaxed);
}

bool cKeyStateTable::IsDown(int32_t vk) const {
  if (vk < 0 || vk >= kVirtualKeyCount) return false;
  return down_[vk].load(std::memory_order_relaxed) != 0;
}

void cKeyStateTable::ClearAll() {
  for (auto& key : down_) key.store(0, std::memory_order_relaxed);
}

cKeyStateTable& KeyStates() {
  static cKeyStateTable table;
  return table;
}

int16_t GetAsyncKeyState(int32_t vk) {
  return KeyStates().IsDown(vk) ? static_cast<int16_t>(0x8000) : static_cast<int16_t>(0);
}
