#pragma once
// The per-frame polls that fill a cInput from the keyboard and the joysticks.
//
//   cInput& input = g_InputList.CheckedVectorAt(0);
//   InitJoyButtonMasks(input);                  // once, at start-up
//   if (g_KeyConfig.bCustom) PollConfigured(input, 1, 60);
//   else PollJoystick(input, 0, 3, 60);          // joystick 0, then the keyboard
//   // right arrow held, joystick neutral: wDir 2, nKeypad 6
//
// The default poll lets a joystick direction hide the arrows and a joystick
// button hide every keyboard button for that poll; the configured poll ORs its
// bindings and lets left win over right, up over down. A joystick whose read
// fails is left alone for 2 x retry polls, so an unplugged one costs nothing.

#include <cstdint>

#include "core/input/input_state.h"
#include "platform/input/input_source.h"
#include "platform/input/key_config.h"

// Poll flags of PollJoystick.
inline constexpr int32_t kPollJoystick = 1;
inline constexpr int32_t kPollKeyboard = 2;

// Joystick axis codes of a binding.
inline constexpr int16_t kJoyAxisLeft = 256;
inline constexpr int16_t kJoyAxisRight = 512;
inline constexpr int16_t kJoyAxisUp = 1024;
inline constexpr int16_t kJoyAxisDown = 2048;

// wJoyButtonMask[i] = 1 << i: joystick button i + 1 is button i + 1.
void InitJoyButtonMasks(cInput& input);

// The default poll; 0 and nothing done when config.bCustom is set, else 1.
int32_t PollJoystick(cInput& input, const cInputSource& source, const KEYCONFIGDATA& config,
                     int32_t nJoystick, int32_t nFlags, int32_t nRetry);
// The same over the program's source and g_KeyConfig.
int32_t PollJoystick(cInput& input, int32_t nJoystick, int32_t nFlags, int32_t nRetry);

// The configured poll; 0 and nothing done when config.bCustom is clear, else 1.
// Bindings on an invalid device, and keyboard codes outside 0..255, are never down.
int32_t PollConfigured(cInput& input, const cInputSource& source, const KEYCONFIGDATA& config,
                       int32_t nPlayers, int32_t nRetry);
int32_t PollConfigured(cInput& input, int32_t nPlayers, int32_t nRetry);

// 256 X at most 10000, 512 X at least 55535, 1024 / 2048 the same for Y; any
// other code 0. The dead zone is 10001..55534.
int32_t IsJoyAxisPressed(const JOYPOSDATA& position, int16_t nCode);
