#include "platform/input/scancode_keys.h"

#include <gtest/gtest.h>

#include "platform/input/virtual_keys.h"

namespace {

TEST(ScancodeKeysTest, PhysicalKeysGiveTheJisKeyboardsCodes) {
  struct Case {
    SDL_Scancode scancode;
    int32_t vk;
  };
  const Case cases[] = {
      {SDL_SCANCODE_Z, 'Z'},  {SDL_SCANCODE_X, 'X'},  {SDL_SCANCODE_C, 'C'},  {SDL_SCANCODE_V, 'V'},
      {SDL_SCANCODE_A, 'A'},  {SDL_SCANCODE_S, 'S'},  {SDL_SCANCODE_D, 'D'},  {SDL_SCANCODE_F, 'F'},
      {SDL_SCANCODE_1, '1'},  {SDL_SCANCODE_9, '9'},  {SDL_SCANCODE_0, '0'},
      {SDL_SCANCODE_LEFT, VK_LEFT}, {SDL_SCANCODE_RIGHT, VK_RIGHT}, {SDL_SCANCODE_UP, VK_UP},
      {SDL_SCANCODE_DOWN, VK_DOWN}, {SDL_SCANCODE_ESCAPE, VK_ESCAPE}, {SDL_SCANCODE_SPACE, VK_SPACE},
      {SDL_SCANCODE_RETURN, VK_RETURN}, {SDL_SCANCODE_KP_ENTER, VK_RETURN},
      {SDL_SCANCODE_F1, 0x70}, {SDL_SCANCODE_F2, 0x71}, {SDL_SCANCODE_F3, 0x72}, {SDL_SCANCODE_F12, 0x7B},
      {SDL_SCANCODE_F13, 0x7C}, {SDL_SCANCODE_F24, 0x87},
      {SDL_SCANCODE_KP_0, 0x60}, {SDL_SCANCODE_KP_9, 0x69}, {SDL_SCANCODE_KP_DIVIDE, 0x6F},
      {SDL_SCANCODE_KP_PERIOD, 0x6E},
      {SDL_SCANCODE_PAGEUP, VK_PRIOR}, {SDL_SCANCODE_PAGEDOWN, VK_NEXT}, {SDL_SCANCODE_HOME, VK_HOME},
      {SDL_SCANCODE_LSHIFT, VK_LSHIFT}, {SDL_SCANCODE_RSHIFT, VK_RSHIFT}, {SDL_SCANCODE_RCTRL, VK_RCONTROL},
      {SDL_SCANCODE_LALT, VK_LMENU},
      {SDL_SCANCODE_INTERNATIONAL4, 0x1C}, {SDL_SCANCODE_INTERNATIONAL5, 0x1D},
      {SDL_SCANCODE_INTERNATIONAL2, 0xF2}, {SDL_SCANCODE_GRAVE, 0xF3}, {SDL_SCANCODE_INTERNATIONAL3, 0xDC},
      {SDL_SCANCODE_INTERNATIONAL1, 0xE2},
      {SDL_SCANCODE_LEFTBRACKET, 0xC0}, {SDL_SCANCODE_EQUALS, 0xDE}, {SDL_SCANCODE_SEMICOLON, 0xBB},
      {SDL_SCANCODE_APOSTROPHE, 0xBA},
      {SDL_SCANCODE_UNKNOWN, 0}, {SDL_SCANCODE_MUTE, 0},
      {SDL_NUM_SCANCODES, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "scancode " << c.scancode);
    EXPECT_EQ(ScancodeToVirtualKey(c.scancode), c.vk);
  }
}

TEST(ScancodeKeysTest, SidedModifiersHaveTheirGenericCode) {
  struct Case {
    int32_t vk, generic;
  };
  for (const Case& c : {Case{VK_LSHIFT, VK_SHIFT}, Case{VK_RSHIFT, VK_SHIFT}, Case{VK_LCONTROL, VK_CONTROL},
                        Case{VK_RCONTROL, VK_CONTROL}, Case{VK_LMENU, VK_MENU}, Case{VK_RMENU, VK_MENU},
                        Case{VK_SHIFT, 0}, Case{'Z', 0}}) {
    SCOPED_TRACE(c.vk);
    EXPECT_EQ(GenericKeyOf(c.vk), c.generic);
  }
}

}  // namespace
