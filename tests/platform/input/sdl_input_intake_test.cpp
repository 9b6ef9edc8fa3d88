#include "platform/input/sdl_input_intake.h"

#include <gtest/gtest.h>

#include "platform/input/input_poll.h"
#include "platform/input/virtual_keys.h"

namespace {

SDL_Event KeyEvent(SDL_Scancode scancode, bool bDown) {
  SDL_Event event{};
  event.type = bDown ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.keysym.scancode = scancode;
  return event;
}

SDL_Event WindowEvent(Uint8 what) {
  SDL_Event event{};
  event.type = SDL_WINDOWEVENT;
  event.window.event = what;
  return event;
}

// SDL with the dummy drivers, and an intake over tables of the test's own.
class SdlInputIntakeTest : public testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
  }
  void TearDown() override {
    intake.Shutdown();
    SDL_Quit();
  }
  // Pumps SDL's queue through the intake, as the window thread does.
  void Pump() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) intake.HandleEvent(event);
    intake.PublishJoysticks();
  }
  cKeyStateTable keys;
  cJoystickSlots slots;
  cSdlInputIntake intake{keys, slots};
  cPublishedInputSource source{keys, slots};
};

TEST_F(SdlInputIntakeTest, PushedKeyEventsHoldTheirCodesUntilReleased) {
  const SDL_Scancode scancodes[] = {SDL_SCANCODE_Z, SDL_SCANCODE_ESCAPE, SDL_SCANCODE_F1, SDL_SCANCODE_INTERNATIONAL3};
  for (SDL_Scancode sc : scancodes) {
    SDL_Event down = KeyEvent(sc, true);
    ASSERT_EQ(SDL_PushEvent(&down), 1) << SDL_GetError();
  }
  Pump();
  for (int32_t vk : {int32_t{'Z'}, VK_ESCAPE, VK_F1, VK_OEM_5}) {
    SCOPED_TRACE(vk);
    EXPECT_TRUE(keys.IsDown(vk));
  }
  EXPECT_FALSE(keys.IsDown('X'));
  SDL_Event up = KeyEvent(SDL_SCANCODE_Z, false);
  SDL_PushEvent(&up);
  Pump();
  EXPECT_FALSE(keys.IsDown('Z'));
  EXPECT_TRUE(keys.IsDown(VK_ESCAPE));
}

TEST_F(SdlInputIntakeTest, GenericShiftStaysDownWhileEitherSideIs) {
  intake.HandleEvent(KeyEvent(SDL_SCANCODE_LSHIFT, true));
  intake.HandleEvent(KeyEvent(SDL_SCANCODE_RSHIFT, true));
  EXPECT_TRUE(keys.IsDown(VK_LSHIFT));
  EXPECT_TRUE(keys.IsDown(VK_RSHIFT));
  EXPECT_TRUE(keys.IsDown(VK_SHIFT));
  intake.HandleEvent(KeyEvent(SDL_SCANCODE_LSHIFT, false));
  EXPECT_FALSE(keys.IsDown(VK_LSHIFT));
  EXPECT_TRUE(keys.IsDown(VK_SHIFT)) << "the right Shift is still held";
  intake.HandleEvent(KeyEvent(SDL_SCANCODE_RSHIFT, false));
  EXPECT_FALSE(keys.IsDown(VK_SHIFT));
  intake.HandleEvent(KeyEvent(SDL_SCANCODE_RALT, true));
  EXPECT_TRUE(keys.IsDown(VK_MENU));
  EXPECT_FALSE(keys.IsDown(VK_CONTROL));
}

TEST_F(SdlInputIntakeTest, FocusLossReleasesEveryKeyAndMouseButton) {
  intake.HandleEvent(KeyEvent(SDL_SCANCODE_RIGHT, true));
  SDL_Event click{};
  click.type = SDL_MOUSEBUTTONDOWN;
  click.button.button = SDL_BUTTON_RIGHT;
  intake.HandleEvent(click);
  EXPECT_TRUE(keys.IsDown(VK_RIGHT));
  EXPECT_TRUE(keys.IsDown(VK_RBUTTON));
  EXPECT_FALSE(intake.HandleEvent(WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED)));
  EXPECT_TRUE(keys.IsDown(VK_RIGHT));
  EXPECT_TRUE(intake.HandleEvent(WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST)));
  EXPECT_FALSE(keys.IsDown(VK_RIGHT));
  EXPECT_FALSE(keys.IsDown(VK_RBUTTON));
}

TEST_F(SdlInputIntakeTest, ProgramKeyTableAnswersGetAsyncKeyState) {
  cSdlInputIntake& program = SdlInputIntake();
  program.HandleEvent(KeyEvent(SDL_SCANCODE_X, true));
  EXPECT_EQ(GetAsyncKeyState('X') & 0x8000, 0x8000);
  EXPECT_LT(GetAsyncKeyState('X'), 0) << "the high bit of a 16-bit answer";
  EXPECT_EQ(GetAsyncKeyState('Z'), 0);
  EXPECT_EQ(GetAsyncKeyState(-1), 0);
  EXPECT_EQ(GetAsyncKeyState(256), 0);
  program.HandleEvent(KeyEvent(SDL_SCANCODE_X, false));
  EXPECT_EQ(GetAsyncKeyState('X'), 0);
}

TEST_F(SdlInputIntakeTest, KeyEventsDriveTheDefaultPoll) {
  intake.HandleEvent(KeyEvent(SDL_SCANCODE_LEFT, true));
  intake.HandleEvent(KeyEvent(SDL_SCANCODE_C, true));
  KEYCONFIGDATA config;
  SetDefaultKeyConfig(&config);
  cInput input;
  InitJoyButtonMasks(input);
  PollJoystick(input, source, config, 0, 3, 60);
  EXPECT_EQ(input.wDir, 1);
  EXPECT_EQ(input.nKeypad, 4);
  EXPECT_EQ(input.wButton, 4);
}

// A virtual joystick with two axes, a hat and ten buttons, as SDL attaches it.
class VirtualJoystickTest : public SdlInputIntakeTest {
 protected:
  int AttachStick() {
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_UNKNOWN, 2, 10, 1);
    EXPECT_GE(index, 0) << SDL_GetError();
    return index;
  }
  // The opened device behind a virtual index, to set its controls.
  SDL_Joystick* Opened(int index) { return SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(index)); }
};

TEST_F(VirtualJoystickTest, AttachedStickIsReadByTheDefaultPollUntilDetached) {
  const int index = AttachStick();
  Pump();
  SDL_Joystick* stick = Opened(index);
  ASSERT_NE(stick, nullptr) << "the intake opened the device when it was added";
  SDL_JoystickSetVirtualAxis(stick, 0, -32768);
  SDL_JoystickSetVirtualButton(stick, 0, SDL_PRESSED);
  Pump();

  JOYPOSDATA pos;
  ASSERT_TRUE(slots.Read(0, pos));
  EXPECT_EQ(pos.dwXpos, 0u);
  EXPECT_EQ(pos.dwYpos, 32768u) << "a centred SDL axis, 0, is the middle of 0..65535";
  EXPECT_EQ(pos.dwButtons, 1u);

  KEYCONFIGDATA config;
  SetDefaultKeyConfig(&config);
  cInput input;
  InitJoyButtonMasks(input);
  PollJoystick(input, source, config, 0, 3, 60);
  EXPECT_EQ(input.wDir, 1);
  EXPECT_EQ(input.wButton, 1);
  EXPECT_EQ(input.bJoystickOk, 1);

  ASSERT_EQ(SDL_JoystickDetachVirtual(index), 0) << SDL_GetError();
  Pump();
  EXPECT_FALSE(slots.Read(0, pos));
  PollJoystick(input, source, config, 0, 3, 60);
  EXPECT_EQ(input.bJoystickOk, 0);
  EXPECT_EQ(input.wDir, 0);

  const int again = AttachStick();
  Pump();
  SDL_JoystickSetVirtualHat(Opened(again), 0, SDL_HAT_DOWN);
  Pump();
  for (int i = 0; i < 120; ++i) PollJoystick(input, source, config, 0, 3, 60);
  EXPECT_EQ(input.wDir, 0) << "not read during the countdown";
  PollJoystick(input, source, config, 0, 3, 60);
  EXPECT_EQ(input.bJoystickOk, 1);
  EXPECT_EQ(input.wDir, 8) << "the hat drives Y like a pad";
}

TEST_F(VirtualJoystickTest, DevicesTakeTheLowestFreeNumber) {
  const int first = AttachStick();
  AttachStick();
  Pump();
  JOYPOSDATA pos;
  EXPECT_TRUE(slots.Read(0, pos));
  EXPECT_TRUE(slots.Read(1, pos));
  SDL_JoystickDetachVirtual(first);
  Pump();
  EXPECT_FALSE(slots.Read(0, pos));
  EXPECT_TRUE(slots.Read(1, pos)) << "the second keeps its number";
  AttachStick();
  Pump();
  EXPECT_TRUE(slots.Read(0, pos)) << "a new device fills the freed number";
  // An added event repeated for an open device opens nothing more.
  SDL_Event added{};
  added.type = SDL_JOYDEVICEADDED;
  added.jdevice.which = 0;
  intake.HandleEvent(added);
  intake.PublishJoysticks();
  EXPECT_FALSE(slots.Read(2, pos));
}

TEST_F(VirtualJoystickTest, GameControllerGivesItsLeftStickPadAndFaceButtons) {
  const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                              SDL_CONTROLLER_BUTTON_MAX, 0);
  ASSERT_GE(index, 0) << SDL_GetError();
  if (!SDL_IsGameController(index)) GTEST_SKIP() << "this SDL maps no virtual controller";
  Pump();
  SDL_Joystick* stick = Opened(index);
  ASSERT_NE(stick, nullptr);
  SDL_JoystickSetVirtualAxis(stick, SDL_CONTROLLER_AXIS_LEFTX, 32767);
  SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_B, SDL_PRESSED);
  SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_START, SDL_PRESSED);
  SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_PRESSED);
  Pump();
  JOYPOSDATA pos;
  ASSERT_TRUE(slots.Read(0, pos));
  EXPECT_EQ(pos.dwXpos, 65535u);
  EXPECT_EQ(pos.dwYpos, 0u) << "the D-pad drives the stick's Y";
  EXPECT_EQ(pos.dwButtons, (1u << 1) | (1u << 7)) << "B is button 2, Start button 8";
}

}  // namespace
