#include "platform/input/scancode_keys.h"

#include <array>

#include "platform/input/virtual_keys.h"

namespace scancode_keys {

struct ScancodeKey {
  SDL_Scancode scancode;
  int32_t vk;
};

// Keys whose codes are not a run of their neighbours'.
constexpr ScancodeKey kSingleKeys[] = {
    {SDL_SCANCODE_RETURN, VK_RETURN},
    {SDL_SCANCODE_ESCAPE, VK_ESCAPE},
    {SDL_SCANCODE_BACKSPACE, VK_BACK},
    {SDL_SCANCODE_TAB, VK_TAB},
    {SDL_SCANCODE_SPACE, VK_SPACE},
    {SDL_SCANCODE_CAPSLOCK, VK_CAPITAL},
    {SDL_SCANCODE_PRINTSCREEN, VK_SNAPSHOT},
    {SDL_SCANCODE_SCROLLLOCK, VK_SCROLL},
    {SDL_SCANCODE_PAUSE, VK_PAUSE},
    {SDL_SCANCODE_INSERT, VK_INSERT},
    {SDL_SCANCODE_HOME, VK_HOME},
    {SDL_SCANCODE_PAGEUP, VK_PRIOR},
    {SDL_SCANCODE_DELETE, VK_DELETE},
    {SDL_SCANCODE_END, VK_END},
    {SDL_SCANCODE_PAGEDOWN, VK_NEXT},
    {SDL_SCANCODE_RIGHT, VK_RIGHT},
    {SDL_SCANCODE_LEFT, VK_LEFT},
    {SDL_SCANCODE_DOWN, VK_DOWN},
    {SDL_SCANCODE_UP, VK_UP},
    {SDL_SCANCODE_NUMLOCKCLEAR, VK_NUMLOCK},
    {SDL_SCANCODE_KP_DIVIDE, VK_DIVIDE},
    {SDL_SCANCODE_KP_MULTIPLY, VK_MULTIPLY},
    {SDL_SCANCODE_KP_MINUS, VK_SUBTRACT},
    {SDL_SCANCODE_KP_PLUS, VK_ADD},
    {SDL_SCANCODE_KP_ENTER, VK_RETURN},
    {SDL_SCANCODE_KP_0, VK_NUMPAD0},
    {SDL_SCANCODE_KP_PERIOD, VK_DECIMAL},
    {SDL_SCANCODE_KP_COMMA, VK_SEPARATOR},
    {SDL_SCANCODE_APPLICATION, VK_APPS},
    {SDL_SCANCODE_LGUI, VK_LWIN},
    {SDL_SCANCODE_RGUI, VK_RWIN},
    {SDL_SCANCODE_LSHIFT, VK_LSHIFT},
    {SDL_SCANCODE_RSHIFT, VK_RSHIFT},
    {SDL_SCANCODE_LCTRL, VK_LCONTROL},
    {SDL_SCANCODE_RCTRL, VK_RCONTROL},
    {SDL_SCANCODE_LALT, VK_LMENU},
    {SDL_SCANCODE_RALT, VK_RMENU},
    // The JIS keyboard's keys at the US positions: the legends differ, the codes
    // are the JIS ones.
    {SDL_SCANCODE_MINUS, VK_OEM_MINUS},         // -=
    {SDL_SCANCODE_EQUALS, VK_OEM_7},            // ^~
    {SDL_SCANCODE_LEFTBRACKET, VK_OEM_3},       // @`
    {SDL_SCANCODE_RIGHTBRACKET, VK_OEM_4},      // [{
    {SDL_SCANCODE_BACKSLASH, VK_OEM_6},         // ]}
    {SDL_SCANCODE_NONUSHASH, VK_OEM_6},
    {SDL_SCANCODE_SEMICOLON, VK_OEM_PLUS},      // ;+
    {SDL_SCANCODE_APOSTROPHE, VK_OEM_1},        // :*
    {SDL_SCANCODE_GRAVE, VK_DBE_SBCSCHAR},      // 半角/全角
    {SDL_SCANCODE_COMMA, VK_OEM_COMMA},
    {SDL_SCANCODE_PERIOD, VK_OEM_PERIOD},
    {SDL_SCANCODE_SLASH, VK_OEM_2},
    {SDL_SCANCODE_NONUSBACKSLASH, VK_OEM_102},
    // The Japanese keys.
    {SDL_SCANCODE_INTERNATIONAL1, VK_OEM_102},       // ろ
    {SDL_SCANCODE_INTERNATIONAL2, VK_DBE_HIRAGANA},  // カタカナ/ひらがな
    {SDL_SCANCODE_INTERNATIONAL3, VK_OEM_5},         // ¥
    {SDL_SCANCODE_INTERNATIONAL4, VK_CONVERT},       // 変換
    {SDL_SCANCODE_INTERNATIONAL5, VK_NONCONVERT},    // 無変換
    {SDL_SCANCODE_LANG5, VK_DBE_SBCSCHAR},           // 半角/全角 where reported apart
};

// Runs of consecutive scancodes with consecutive codes.
struct ScancodeRun {
  SDL_Scancode first;
  int32_t count;
  int32_t vk;
};
constexpr ScancodeRun kRuns[] = {
    {SDL_SCANCODE_A, 26, 'A'},
    {SDL_SCANCODE_1, 9, '1'},
    {SDL_SCANCODE_0, 1, '0'},
    {SDL_SCANCODE_F1, 12, VK_F1},
    {SDL_SCANCODE_F13, 12, VK_F1 + 12},
    {SDL_SCANCODE_KP_1, 9, VK_NUMPAD0 + 1},
};

constexpr std::array<uint8_t, SDL_NUM_SCANCODES> BuildTable() {
  std::array<uint8_t, SDL_NUM_SCANCODES> table{};
  for (const ScancodeRun& run : kRuns) {
    for (int32_t i = 0; i < run.count; ++i) table[run.first + i] = static_cast<uint8_t>(run.vk + i);
  }
  for (const ScancodeKey& key : kSingleKeys) table[key.scancode] = static_cast<uint8_t>(key.vk);
  return table;
}

constexpr std::array<uint8_t, SDL_NUM_SCANCODES> kTable = BuildTable();

}  // namespace scancode_keys

int32_t ScancodeToVirtualKey(SDL_Scancode scancode) {
  if (scancode < 0 || scancode >= SDL_NUM_SCANCODES) return 0;
  return scancode_keys::kTable[scancode];
}

int32_t GenericKeyOf(int32_t vk) {
  switch (vk) {
    case VK_LSHIFT:
    case VK_RSHIFT: return VK_SHIFT;
    case VK_LCONTROL:
    case VK_RCONTROL: return VK_CONTROL;
    case VK_LMENU:
    case VK_RMENU: return VK_MENU;
    default: return 0;
  }
}
