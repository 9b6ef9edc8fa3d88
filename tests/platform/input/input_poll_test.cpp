#include "platform/input/input_poll.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>

#include "platform/input/scripted_input_source.h"
#include "platform/input/virtual_keys.h"

namespace {

KEYCONFIGDATA DefaultConfig() {
  KEYCONFIGDATA config;
  SetDefaultKeyConfig(&config);
  return config;
}

KEYCONFIGDATA CustomConfig() {
  KEYCONFIGDATA config = DefaultConfig();
  config.bCustom = 1;
  return config;
}

cInput FreshInput() {
  cInput input;
  InitJoyButtonMasks(input);
  return input;
}

struct PollCase {
  const char* name;
  std::set<int32_t> keys;
  std::optional<JOYPOSDATA> joystick0;
  int16_t wDir;
  int32_t nKeypad;
  int16_t wButton;
};

TEST(PollJoystickTest, JoystickAndKeyboardCombineAsTheFixedLayoutDoes) {
  const PollCase cases[] = {
      {"left and right keys", {VK_LEFT, VK_RIGHT}, std::nullopt, 3, 5, 0},
      {"up and down keys", {VK_UP, VK_DOWN}, std::nullopt, 12, 5, 0},
      {"all default buttons", {'Z', 'X', 'C', 'V', 'A', 'S', 'D', 'F'}, std::nullopt, 0, 5, 255},
      {"up-left keys", {VK_UP, VK_LEFT, 'F'}, std::nullopt, 5, 1, 128},
      {"stick X 10000 is left", {}, JoyAt(10000, 32767), 1, 4, 0},
      {"stick X 10001 is neutral", {}, JoyAt(10001, 32767), 0, 5, 0},
      {"stick X 55534 is neutral", {}, JoyAt(55534, 32767), 0, 5, 0},
      {"stick X 55535 is right", {}, JoyAt(55535, 32767), 2, 6, 0},
      {"stick Y 10000 is up", {}, JoyAt(32767, 10000), 4, 2, 0},
      {"stick Y 55535 is down", {}, JoyAt(32767, 55535), 8, 8, 0},
      {"stick down-right", {}, JoyAt(65535, 65535), 10, 9, 0},
      {"stick direction hides the arrows", {VK_RIGHT, VK_DOWN}, JoyAt(0, 32767), 1, 4, 0},
      {"stick button hides every key button", {'Z', 'X', 'F'}, JoyAt(32767, 32767, 4), 0, 5, 4},
      {"stick direction leaves key buttons", {'X'}, JoyAt(32767, 0), 4, 2, 2},
      {"stick button leaves the arrows", {VK_RIGHT}, JoyAt(32767, 32767, 1), 2, 6, 1},
      {"neutral stick leaves both to the keys", {VK_RIGHT, 'Z'}, JoyNeutral(), 2, 6, 1},
      {"buttons past the eighth are no button", {}, JoyAt(32767, 32767, 0x300), 0, 5, 0},
  };
  const KEYCONFIGDATA config = DefaultConfig();
  for (const PollCase& c : cases) {
    SCOPED_TRACE(c.name);
    cScriptedInputSource source;
    source.keys = c.keys;
    if (c.joystick0) source.joysticks[0] = *c.joystick0;
    cInput input = FreshInput();
    input.wDir = 15;  // whatever the last frame left must not leak through
    input.wButton = 255;
    EXPECT_EQ(PollJoystick(input, source, config, 0, kPollJoystick | kPollKeyboard, 60), 1);
    EXPECT_EQ(input.wDir, c.wDir);
    EXPECT_EQ(input.nKeypad, c.nKeypad);
    EXPECT_EQ(input.wButton, c.wButton);
  }
}

TEST(PollJoystickTest, FlagsChooseTheDevices) {
  cScriptedInputSource source;
  source.keys = {VK_LEFT, 'Z'};
  source.joysticks[0] = JoyAt(65535, 32767, 2);
  const KEYCONFIGDATA config = DefaultConfig();

  cInput keysOnly = FreshInput();
  PollJoystick(keysOnly, source, config, 0, kPollKeyboard, 60);
  EXPECT_EQ(keysOnly.wDir, 1);
  EXPECT_EQ(keysOnly.wButton, 1);
  EXPECT_EQ(keysOnly.bJoystickOk, 1) << "the joystick is read even when its state is not wanted";

  cInput stickOnly = FreshInput();
  PollJoystick(stickOnly, source, config, 0, kPollJoystick, 60);
  EXPECT_EQ(stickOnly.wDir, 2);
  EXPECT_EQ(stickOnly.wButton, 2);
}

TEST(PollJoystickTest, AFailedJoystickIsReadAgainOnlyAfterTwiceTheRetryBase) {
  cScriptedInputSource source;
  source.keys = {VK_RIGHT};
  const KEYCONFIGDATA config = DefaultConfig();
  cInput input = FreshInput();

  PollJoystick(input, source, config, 0, 3, 60);
  EXPECT_EQ(source.reads[0], 1);
  EXPECT_EQ(input.bJoystickOk, 0);
  EXPECT_EQ(input.nJoyRetry, 120);
  source.joysticks[0] = JoyAt(0, 32767);  // plugged in during the countdown
  for (int i = 0; i < 120; ++i) {
    PollJoystick(input, source, config, 0, 3, 60);
    ASSERT_EQ(input.wDir, 2) << "the keyboard still works during the countdown, poll " << i;
  }
  EXPECT_EQ(source.reads[0], 1);
  PollJoystick(input, source, config, 0, 3, 60);
  EXPECT_EQ(source.reads[0], 2);
  EXPECT_EQ(input.bJoystickOk, 1);
  EXPECT_EQ(input.wDir, 1);
}

TEST(PollJoystickTest, CustomConfigurationLeavesTheDefaultPollIdle) {
  cScriptedInputSource source;
  source.keys = {VK_RIGHT};
  cInput input = FreshInput();
  EXPECT_EQ(PollJoystick(input, source, CustomConfig(), 0, 3, 60), 0);
  EXPECT_EQ(input.wDir, 0);
  EXPECT_TRUE(source.reads.empty());
  EXPECT_EQ(PollConfigured(input, source, DefaultConfig(), 1, 60), 0);
  EXPECT_EQ(input.wDir, 0);
}

TEST(PollConfiguredTest, OneOfEachAxisWinsInBindingOrder) {
  struct Case {
    std::set<int32_t> keys;
    int16_t wDir;
    int32_t nKeypad;
  };
  const Case cases[] = {
      {{VK_LEFT, VK_RIGHT}, 1, 4},
      {{VK_UP, VK_DOWN}, 4, 2},
      {{VK_RIGHT, VK_DOWN}, 10, 9},
      {{VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN}, 5, 1},
      {{}, 0, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "keys " << c.keys.size() << " wDir " << c.wDir);
    cScriptedInputSource source;
    source.keys = c.keys;
    cInput input = FreshInput();
    EXPECT_EQ(PollConfigured(input, source, CustomConfig(), 1, 60), 1);
    EXPECT_EQ(input.wDir, c.wDir);
    EXPECT_EQ(input.nKeypad, c.nKeypad);
  }
}

TEST(PollConfiguredTest, BindingsReadKeysAxesAndButtonMasks) {
  KEYCONFIGDATA config = CustomConfig();
  config.nJoystickCount = 1;
  config.aBind[kBindLeft] = {0, kJoyAxisLeft, 0};
  config.aBind[kBindDown] = {0, kJoyAxisDown, 0};
  config.aBind[kBindButtonFirst + 0] = {0, 2, 0};                // joystick button 2
  config.aBind[kBindButtonFirst + 1] = {0, kJoyAxisRight, 0};    // X right, or button 10
  cScriptedInputSource source;
  source.keys = {'C'};

  struct Case {
    const char* name;
    JOYPOSDATA stick;
    int16_t wDir;
    int16_t wButton;
  };
  const Case cases[] = {
      {"neutral", JoyNeutral(), 0, 4},
      {"stick left and down", JoyAt(0, 65535), 9, 4},
      {"button 2 answers the mask", JoyAt(32767, 32767, 2), 0, 5},
      {"X right answers button 2's binding", JoyAt(65535, 32767), 0, 6},
      {"button 10 answers the axis code 512", JoyAt(32767, 32767, 512), 0, 6},
      {"button 9 answers the axis code 256", JoyAt(32767, 32767, 256), 1, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    source.joysticks[0] = c.stick;
    cInput input = FreshInput();
    PollConfigured(input, source, config, 1, 60);
    EXPECT_EQ(input.wDir, c.wDir);
    EXPECT_EQ(input.wButton, c.wButton);
  }
}

TEST(PollConfiguredTest, OnlyTheBoundButtonsAreRead) {
  KEYCONFIGDATA config = CustomConfig();
  config.nBindCount = 8;
  cScriptedInputSource source;
  source.keys = {'Z', 'X', 'C', 'V', 'A', 'S', 'D', 'F'};
  cInput input = FreshInput();
  PollConfigured(input, source, config, 1, 60);
  EXPECT_EQ(input.wButton, 0x0F);
}

TEST(PollConfiguredTest, BindingsOnDevicesOrCodesOutOfRangeAreNeverDown) {
  KEYCONFIGDATA config = CustomConfig();
  config.nJoystickCount = 1;
  config.aBind[kBindLeft] = {3, kJoyAxisLeft, 0};        // joystick 3 is not configured
  config.aBind[kBindUp] = {-1, kJoyAxisUp, 0};
  config.aBind[kBindButtonFirst] = {8, 300, 0};          // no such key
  config.aBind[kBindButtonFirst + 1] = {8, -1, 0};
  cScriptedInputSource source;
  source.keys = {300, -1};
  for (int j = 0; j < 4; ++j) source.joysticks[j] = JoyAt(0, 0);
  cInput input = FreshInput();
  PollConfigured(input, source, config, 1, 60);
  EXPECT_EQ(input.wDir, 0);
  EXPECT_EQ(input.wButton, 0);
  EXPECT_EQ(source.reads.count(3), 0u);
}

TEST(PollConfiguredTest, AnAbsentJoystickDoesNotHoldBackTheNextOne) {
  KEYCONFIGDATA config = CustomConfig();
  config.nJoystickCount = 2;
  config.aBind[kBindLeft] = {1, kJoyAxisLeft, 0};
  config.aBind[kBindButtonFirst] = {0, 1, 0};
  cScriptedInputSource source;
  source.joysticks[1] = JoyAt(0, 32767);
  cInput input = FreshInput();
  for (int poll = 0; poll < 10; ++poll) {
    PollConfigured(input, source, config, 1, 60);
    ASSERT_EQ(input.wDir, 1) << "poll " << poll;
  }
  EXPECT_EQ(source.reads[1], 10);
  EXPECT_EQ(source.reads[0], 1);
  EXPECT_EQ(input.nJoyRetry, 111);

  // Joystick 0 comes back and is found once its own countdown ends.
  source.joysticks[0] = JoyAt(32767, 32767, 1);
  for (int poll = 0; poll < 111; ++poll) PollConfigured(input, source, config, 1, 60);
  EXPECT_EQ(input.wButton, 0);
  PollConfigured(input, source, config, 1, 60);
  EXPECT_EQ(input.wButton, 1);
  EXPECT_EQ(input.bJoystickOk, 1);
}

TEST(PollConfiguredTest, JoystickCountsPastTheSlotsAreCapped) {
  KEYCONFIGDATA config = CustomConfig();
  config.nJoystickCount = 1000;
  cScriptedInputSource source;
  cInput input = FreshInput();
  PollConfigured(input, source, config, 1, 60);
  EXPECT_EQ(source.reads.size(), static_cast<std::size_t>(kMaxConfigJoysticks));
  config.nJoystickCount = -5;
  source.reads.clear();
  PollConfigured(input, source, config, 1, 60);
  EXPECT_TRUE(source.reads.empty());
}

TEST(IsJoyAxisPressedTest, DeadZoneEdgesAndUnknownCodes) {
  struct Case {
    uint32_t x, y;
    int16_t code;
    int32_t pressed;
  };
  const Case cases[] = {
      {10000, 32767, kJoyAxisLeft, 1},  {10001, 32767, kJoyAxisLeft, 0},
      {55535, 32767, kJoyAxisRight, 1}, {55534, 32767, kJoyAxisRight, 0},
      {32767, 10000, kJoyAxisUp, 1},    {32767, 10001, kJoyAxisUp, 0},
      {32767, 55535, kJoyAxisDown, 1},  {32767, 55534, kJoyAxisDown, 0},
      {0, 0, 256 | 1024, 0},            {0, 0, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " code " << c.code);
    EXPECT_EQ(IsJoyAxisPressed(JoyAt(c.x, c.y), c.code), c.pressed);
  }
}

}  // namespace
