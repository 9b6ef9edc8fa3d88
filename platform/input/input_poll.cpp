#include "platform/input/input_poll.h"

#include <algorithm>

#include "platform/input/virtual_keys.h"

namespace input_poll {

constexpr uint32_t kAxisLow = 10000;
constexpr uint32_t kAxisHigh = 55535;

// The failure flag and countdown of one joystick of one cInput.
struct JoyRetryState {
  int32_t& bOk;
  int32_t& nRetry;
};

JoyRetryState RetryStateOf(cInput& input, int32_t nJoystick) {
  if (nJoystick <= 0) return {input.bJoystickOk, input.nJoyRetry};
  return {input.bJoystickOkMore[nJoystick - 1], input.nJoyRetryMore[nJoystick - 1]};
}

// One read under the retry rule: false when skipped or failed.
bool ReadWithRetry(JoyRetryState state, const cInputSource& source, int32_t nJoystick, int32_t nRetry,
                   JOYPOSDATA& out) {
  if (state.bOk == 0 && state.nRetry > 0) {
    --state.nRetry;
    return false;
  }
  if (!source.ReadJoystick(nJoystick, out)) {
    state.bOk = 0;
    // 64 bits then clamped: a huge retry base must not wrap to a negative count.
    const int64_t wait = 2 * static_cast<int64_t>(nRetry);
    state.nRetry = static_cast<int32_t>(std::clamp<int64_t>(wait, INT32_MIN, INT32_MAX));
    return false;
  }
  state.bOk = 1;
  return true;
}

void ApplyJoystick(cInput& input, const JOYPOSDATA& pos) {
  input.nKeypad = 5;
  input.wDir = 0;
  if (pos.dwXpos <= kAxisLow) {
    input.wDir = 1;
    input.nKeypad = 4;
  } else if (pos.dwXpos >= kAxisHigh) {
    input.wDir = 2;
    input.nKeypad = 6;
  }
  if (pos.dwYpos <= kAxisLow) {
    input.wDir = static_cast<int16_t>(input.wDir | 4);
    input.nKeypad -= 3;
  } else if (pos.dwYpos >= kAxisHigh) {
    input.wDir = static_cast<int16_t>(input.wDir | 8);
    input.nKeypad += 3;
  }
  int32_t buttons = 0;
  for (int32_t i = 0; i < 8; ++i) {
    if ((pos.dwButtons & input.wJoyButtonMask[i]) != 0) buttons |= 1 << i;
  }
  input.wButton = static_cast<int16_t>(buttons);
}

struct DirKey {
  int32_t vk;
  int16_t bit;
  int32_t keypadStep;
};
constexpr DirKey kFixedDirKeys[4] = {{VK_LEFT, 1, -1}, {VK_RIGHT, 2, 1}, {VK_UP, 4, -3}, {VK_DOWN, 8, 3}};
constexpr int32_t kFixedButtonKeys[8] = {'Z', 'X', 'C', 'V', 'A', 'S', 'D', 'F'};

void ApplyKeyboardDirections(cInput& input, const cInputSource& source) {
  input.nKeypad = 5;
  input.wDir = 0;
  for (const DirKey& key : kFixedDirKeys) {
    if (!source.IsKeyDown(key.vk)) continue;
    input.wDir = static_cast<int16_t>(input.wDir | key.bit);
    input.nKeypad += key.keypadStep;
  }
}

void ApplyKeyboardButtons(cInput& input, const cInputSource& source) {
  int32_t buttons = 0;
  for (int32_t i = 0; i < 8; ++i) {
    if (source.IsKeyDown(kFixedButtonKeys[i])) buttons |= 1 << i;
  }
  input.wButton = static_cast<int16_t>(buttons);
}

// The reads of one configured poll; a joystick not read this poll has no entry.
struct ConfiguredReads {
  bool bRead[kMaxConfigJoysticks] = {};
  JOYPOSDATA position[kMaxConfigJoysticks] = {};
};

bool IsBindingDown(const KEYCONFIGDATA& config, const KEYBINDDATA& bind, const cInputSource& source,
                   const ConfiguredReads& reads) {
  if (!IsBindingDeviceValid(config, bind)) return false;
  if (bind.nDevice == kKeyboardDevice) {
    return bind.nCode >= 0 && bind.nCode < kVirtualKeyCount && source.IsKeyDown(bind.nCode);
  }
  if (!reads.bRead[bind.nDevice]) return false;
  const JOYPOSDATA& pos = reads.position[bind.nDevice];
  // An axis code is also a button mask: 256 answers joystick button 9 too.
  const uint32_t mask = static_cast<uint32_t>(static_cast<int32_t>(bind.nCode));
  return IsJoyAxisPressed(pos, bind.nCode) != 0 || (mask & pos.dwButtons) != 0;
}

}  // namespace input_poll

void InitJoyButtonMasks(cInput& input) {
  for (int32_t i = 0; i < 8; ++i) input.wJoyButtonMask[i] = static_cast<uint16_t>(1u << i);
}

int32_t PollJoystick(cInput& input, const cInputSource& source, const KEYCONFIGDATA& config,
                     int32_t nJoystick, int32_t nFlags, int32_t nRetry) {
  if (config.bCustom) return 0;
  bool bJoyDir = false;
  bool bJoyButton = false;
  JOYPOSDATA pos;
  // The default poll keeps one flag for whichever joystick it is given.
  const input_poll::JoyRetryState state{input.bJoystickOk, input.nJoyRetry};
  if (input_poll::ReadWithRetry(state, source, nJoystick, nRetry, pos) && (nFlags & kPollJoystick)) {
    input_poll::ApplyJoystick(input, pos);
    bJoyDir = input.nKeypad != 5;
    bJoyButton = input.wButton != 0;
  }
  if (!(nFlags & kPollKeyboard)) return 1;
  if (!bJoyDir) input_poll::ApplyKeyboardDirections(input, source);
  if (!bJoyButton) input_poll::ApplyKeyboardButtons(input, source);
  return 1;
}

int32_t PollJoystick(cInput& input, int32_t nJoystick, int32_t nFlags, int32_t nRetry) {
  return PollJoystick(input, SystemInputSource(), g_KeyConfig, nJoystick, nFlags, nRetry);
}

int32_t PollConfigured(cInput& input, const cInputSource& source, const KEYCONFIGDATA& config,
                       int32_t /*nPlayers*/, int32_t nRetry) {
  if (!config.bCustom) return 0;
  input_poll::ConfiguredReads reads;
  const int32_t nJoysticks = std::clamp(config.nJoystickCount, 0, kMaxConfigJoysticks);
  for (int32_t j = 0; j < nJoysticks; ++j) {
    reads.bRead[j] =
        input_poll::ReadWithRetry(input_poll::RetryStateOf(input, j), source, j, nRetry, reads.position[j]);
  }
  auto down = [&](int32_t index) {
    return input_poll::IsBindingDown(config, config.aBind[index], source, reads);
  };
  input.nKeypad = 5;
  input.wDir = 0;
  input.wButton = 0;
  if (down(kBindLeft)) {
    input.wDir = 1;
    input.nKeypad -= 1;
  } else if (down(kBindRight)) {
    input.wDir = 2;
    input.nKeypad += 1;
  }
  if (down(kBindUp)) {
    input.wDir = static_cast<int16_t>(input.wDir | 4);
    input.nKeypad -= 3;
  } else if (down(kBindDown)) {
    input.wDir = static_cast<int16_t>(input.wDir | 8);
    input.nKeypad += 3;
  }
  const int32_t nButtons = std::clamp(config.nBindCount - kBindButtonFirst, 0, 8);
  int32_t buttons = 0;
  for (int32_t j = 0; j < nButtons; ++j) {
    if (down(kBindButtonFirst + j)) buttons |= 1 << j;
  }
  input.wButton = static_cast<int16_t>(buttons);
  return 1;
}

int32_t PollConfigured(cInput& input, int32_t nPlayers, int32_t nRetry) {
  return PollConfigured(input, SystemInputSource(), g_KeyConfig, nPlayers, nRetry);
}

int32_t IsJoyAxisPressed(const JOYPOSDATA& position, int16_t nCode) {
  switch (nCode) {
    case kJoyAxisLeft: return position.dwXpos <= input_poll::kAxisLow ? 1 : 0;
    case kJoyAxisRight: return position.dwXpos >= input_poll::kAxisHigh ? 1 : 0;
    case kJoyAxisUp: return position.dwYpos <= input_poll::kAxisLow ? 1 : 0;
    case kJoyAxisDown: return position.dwYpos >= input_poll::kAxisHigh ? 1 : 0;
    default: return 0;
  }
}
