// The stage runner's keys script: the keys held from each frame on, and the
// line and reason of the first bad line.

#include <gtest/gtest.h>

#include <sstream>

#include "tools/stagerun/keys_script.h"

TEST(StagerunKeysTest, KeysHoldFromTheirFrameUntilTheNextLine) {
  std::istringstream in(
      "# run right, jump at frame 40\n"
      "1 right\n"
      "\n"
      "40 right b1   # jump\n"
      "48 left right up down b8\n"
      "120 -\n");
  cKeysScript keys;
  std::string error;
  ASSERT_TRUE(keys.Parse(in, error)) << error;
  struct Case {
    int32_t frame;
    int16_t dir, button;
  } const cases[] = {{0, 0, 0}, {1, 2, 0}, {39, 2, 0}, {40, 2, 1}, {47, 2, 1}, {48, 15, 128}, {120, 0, 0}, {5000, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.frame);
    const cKeyChange held = keys.HeldAt(c.frame);
    EXPECT_EQ(held.wDir, c.dir);
    EXPECT_EQ(held.wButton, c.button);
  }
}

TEST(StagerunKeysTest, TheFirstBadLineIsNamedWithItsReason) {
  struct Case {
    const char* script;
    const char* error;
  } const cases[] = {
      {"1 right\n5 jump\n", "keys:2: unknown key \"jump\""},
      {"1 right\n# comment\n1 left\n", "keys:3: frame 1 does not rise above 1"},
      {"10 right\n5 left\n", "keys:2: frame 5 does not rise above 10"},
      {"3 b1 b1\n", "keys:1: repeated key \"b1\""},
      {"3 b9\n", "keys:1: unknown key \"b9\""},
      {"0 right\n", "keys:1: bad frame \"0\""},
      {"x right\n", "keys:1: bad frame \"x\""},
      {"4\n", "keys:1: no keys (write - for none)"},
      {"4 - left\n", "keys:1: \"-\" stands alone"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    std::istringstream in(c.script);
    cKeysScript keys;
    std::string error;
    EXPECT_FALSE(keys.Parse(in, error));
    EXPECT_EQ(error, c.error);
  }
}
