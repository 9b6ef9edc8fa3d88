#pragma once
// The Windows virtual-key codes the data, KeyConfig.dat and the program's key
// tests use. Keys reach them through the scancode table (scancode_keys.h).

#include <cstdint>

constexpr int32_t VK_LBUTTON = 0x01;
constexpr int32_t VK_RBUTTON = 0x02;
constexpr int32_t VK_BACK = 0x08;
constexpr int32_t VK_TAB = 0x09;
constexpr int32_t VK_RETURN = 0x0D;
constexpr int32_t VK_SHIFT = 0x10;
constexpr int32_t VK_CONTROL = 0x11;
constexpr int32_t VK_MENU = 0x12;
constexpr int32_t VK_PAUSE = 0x13;
constexpr int32_t VK_CAPITAL = 0x14;
constexpr int32_t VK_CONVERT = 0x1C;     // 変換
constexpr int32_t VK_NONCONVERT = 0x1D;  // 無変換
constexpr int32_t VK_ESCAPE = 0x1B;
constexpr int32_t VK_SPACE = 0x20;
constexpr int32_t VK_PRIOR = 0x21;
constexpr int32_t VK_NEXT = 0x22;
constexpr int32_t VK_END = 0x23;
constexpr int32_t VK_HOME = 0x24;
constexpr int32_t VK_LEFT = 0x25;
constexpr int32_t VK_UP = 0x26;
constexpr int32_t VK_RIGHT = 0x27;
constexpr int32_t VK_DOWN = 0x28;
constexpr int32_t VK_SNAPSHOT = 0x2C;
constexpr int32_t VK_INSERT = 0x2D;
constexpr int32_t VK_DELETE = 0x2E;
constexpr int32_t VK_LWIN = 0x5B;
constexpr int32_t VK_RWIN = 0x5C;
constexpr int32_t VK_APPS = 0x5D;
constexpr int32_t VK_NUMPAD0 = 0x60;  // .. 0x69 VK_NUMPAD9
constexpr int32_t VK_MULTIPLY = 0x6A;
constexpr int32_t VK_ADD = 0x6B;
constexpr int32_t VK_SEPARATOR = 0x6C;
constexpr int32_t VK_SUBTRACT = 0x6D;
constexpr int32_t VK_DECIMAL = 0x6E;
constexpr int32_t VK_DIVIDE = 0x6F;
constexpr int32_t VK_F1 = 0x70;  // .. 0x87 VK_F24
constexpr int32_t VK_NUMLOCK = 0x90;
constexpr int32_t VK_SCROLL = 0x91;
constexpr int32_t VK_LSHIFT = 0xA0;
constexpr int32_t VK_RSHIFT = 0xA1;
constexpr int32_t VK_LCONTROL = 0xA2;
constexpr int32_t VK_RCONTROL = 0xA3;
constexpr int32_t VK_LMENU = 0xA4;
constexpr int32_t VK_RMENU = 0xA5;
// Punctuation as a JIS keyboard reports it (the names are by code, not by legend).
constexpr int32_t VK_OEM_1 = 0xBA;       // :*
constexpr int32_t VK_OEM_PLUS = 0xBB;    // ;+
constexpr int32_t VK_OEM_COMMA = 0xBC;   // ,<
constexpr int32_t VK_OEM_MINUS = 0xBD;   // -=
constexpr int32_t VK_OEM_PERIOD = 0xBE;  // .>
constexpr int32_t VK_OEM_2 = 0xBF;       // /?
constexpr int32_t VK_OEM_3 = 0xC0;       // @`
constexpr int32_t VK_OEM_4 = 0xDB;       // [{
constexpr int32_t VK_OEM_5 = 0xDC;       // ¥|
constexpr int32_t VK_OEM_6 = 0xDD;       // ]}
constexpr int32_t VK_OEM_7 = 0xDE;       // ^~
constexpr int32_t VK_OEM_102 = 0xE2;     // ろ (\_)
constexpr int32_t VK_DBE_HIRAGANA = 0xF2;    // カタカナ/ひらがな
constexpr int32_t VK_DBE_SBCSCHAR = 0xF3;    // 半角/全角

constexpr int32_t kVirtualKeyCount = 256;
