#pragma once
// The key configuration: the bindings of the configured poll and the switch
// between it and the fixed layout. user_data\KeyConfig.dat holds exactly this
// record, 108 bytes little-endian; the program only reads it.
//
//   KEYCONFIGDATA config;
//   if (!LoadKeyConfig("user_data\\KeyConfig.dat", &config)) SetDefaultKeyConfig(&config);
//   config.aBind[kBindButtonFirst + 0]   // button 1: {8, 'Z'} by default
//
// Binding order: left, right, up, down, buttons 1..8. A binding's device 8 is
// the keyboard (code: a virtual key); a number below nJoystickCount is that
// joystick (code: an axis code 256/512/1024/2048 or a button mask).

#include <cstddef>
#include <cstdint>

struct KEYBINDDATA {
  int32_t nDevice = 0;
  int16_t nCode = 0;
  int16_t nReserved = 0;
};

inline constexpr int32_t kKeyBindCount = 12;
inline constexpr int32_t kBindLeft = 0;
inline constexpr int32_t kBindRight = 1;
inline constexpr int32_t kBindUp = 2;
inline constexpr int32_t kBindDown = 3;
inline constexpr int32_t kBindButtonFirst = 4;
inline constexpr int32_t kKeyboardDevice = 8;
inline constexpr int32_t kMaxConfigJoysticks = 16;
inline constexpr std::size_t kKeyConfigFileSize = 108;

struct KEYCONFIGDATA {
  KEYBINDDATA aBind[kKeyBindCount] = {};
  int32_t nBindCount = 0;
  int32_t nJoystickCount = 0;
  int32_t bCustom = 0;
};

// The running configuration; zero until start-up loads it.
extern KEYCONFIGDATA g_KeyConfig;

// Fixed layout with joystick 0: arrows and Z X C V A S D F, 12 bindings.
void SetDefaultKeyConfig(KEYCONFIGDATA* out);

// The record from the first 108 bytes; bytes past the end read as zero.
KEYCONFIGDATA ParseKeyConfig(const uint8_t* data, std::size_t size);

// Reads a data path into out: 1 when the file opened. A file whose counts no
// poll can use (nBindCount outside 0..12, nJoystickCount outside 0..16) is
// refused: out gets the defaults, one report-log line says why, and 0 returns.
int32_t LoadKeyConfig(const char* path, KEYCONFIGDATA* out);

// False when a count lies outside what the polls read (bindings 0..12,
// joysticks 0..16): LoadKeyConfig refuses such a file.
bool IsKeyConfigUsable(const KEYCONFIGDATA& config);

// True when the binding names the keyboard or a joystick the configuration reads.
bool IsBindingDeviceValid(const KEYCONFIGDATA& config, const KEYBINDDATA& bind);
