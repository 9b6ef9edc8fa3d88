#include "platform/input/menu_filters.h"

namespace menu_filters {

// One axis of RepeatDirection: true when its bits pass this frame.
bool AxisPasses(int32_t nPrevDir, int32_t nDir, int32_t nAxisBits, int32_t& nCount, int32_t nDelay,
                int32_t nInterval) {
  if (((nPrevDir ^ nDir) & nAxisBits) != 0) {
    nCount = 0;
    return true;
  }
  // Unsigned: a direction held for years wraps instead of overflowing.
  const uint32_t count = static_cast<uint32_t>(nCount) + 1;
  nCount = static_cast<int32_t>(count);
  const uint32_t interval = nInterval < 1 ? 1u : static_cast<uint32_t>(nInterval);
  return count >= static_cast<uint32_t>(nDelay) && count % interval == 0;
}

}  // namespace menu_filters

void SetRepeat(cInput& input, int32_t nDelay, int32_t nInterval) {
  input.nRepeatDelay = nDelay;
  input.nRepeatInterval = nInterval;
}

void RepeatDirection(cInput& input) {
  const int32_t dir = input.wDir & 0xF;
  const uint16_t history = static_cast<uint16_t>((static_cast<uint16_t>(input.wDirHistory) << 4) | dir);
  input.wDirHistory = static_cast<int16_t>(history);
  const int32_t prev = (history >> 4) & 0xF;
  int32_t out = input.wDir;
  if (!menu_filters::AxisPasses(prev, dir, 3, input.nRepeatCountH, input.nRepeatDelay, input.nRepeatInterval)) {
    out &= ~3;
  }
  if (!menu_filters::AxisPasses(prev, dir, 12, input.nRepeatCountV, input.nRepeatDelay, input.nRepeatInterval)) {
    out &= ~12;
  }
  input.wDir = static_cast<int16_t>(out);
}

void EdgeButtons(cInput& input, int32_t nMask) {
  const int32_t mask = nMask == 0 ? 0xFF : nMask;
  const int32_t atEntry = input.wButton;
  int32_t buttons = input.wButton;
  for (int32_t i = 0; i < 8; ++i) {
    const int32_t bit = 1 << i;
    if (!(mask & bit) || !(buttons & bit)) continue;
    if (input.bButtonLatch == 0) {
      input.bButtonLatch = 1;
      return;  // the first frame of a push reports every button down now
    }
    buttons &= ~bit;
  }
  if (atEntry & mask) {
    buttons &= ~mask;
  } else {
    input.bButtonLatch = 0;
  }
  input.wButton = static_cast<int16_t>(buttons);
}
