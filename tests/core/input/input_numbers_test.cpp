#include "core/input/input_numbers.h"

#include <gtest/gtest.h>

#include "core/input/input_state.h"

namespace {

// The direction word each exact direction input stands for.
struct NamedDir {
  eDirInput input;
  int16_t word;
};
constexpr NamedDir kNamedDirs[] = {
    {kDirInputNone, 0},    {kDirInputLeft, 1},     {kDirInputRight, 2},     {kDirInputUp, 4},
    {kDirInputDown, 8},    {kDirInputUpLeft, 5},   {kDirInputDownLeft, 9},  {kDirInputUpRight, 6},
    {kDirInputDownRight, 10},
};

TEST(InputNumbersTest, DirectionInputsNameThePressHistoriesOfEveryDirectionWord) {
  for (int16_t word = 0; word < 16; ++word) {
    SCOPED_TRACE(word);
    cInput input;
    input.wDir = word;
    input.BuildPressHistory();
    for (const NamedDir& named : kNamedDirs) {
      EXPECT_EQ(input.vDirPress.CheckedVectorAt(named.input).front().bPressed, word == named.word ? 1 : 0)
          << "input " << named.input;
    }
    EXPECT_EQ(input.vDirPress.CheckedVectorAt(kDirInputAny).front().bPressed, word != 0 ? 1 : 0);
  }
}

TEST(InputNumbersTest, ButtonInputsNameNoButtonAndEachButton) {
  cInput input;
  input.wButton = 0x41;  // buttons 1 and 7
  input.BuildPressHistory();
  EXPECT_EQ(input.vButtonPress.CheckedVectorAt(kButtonInputNone).front().bPressed, 0);
  for (int32_t k = kButtonInputFirst; k <= kButtonInputLast; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(input.vButtonPress.CheckedVectorAt(k).front().bPressed, (k == 1 || k == 7) ? 1 : 0);
  }
  EXPECT_EQ(kKeySlotCount, kDirPatternCount + kButtonPatternCount);
  EXPECT_EQ(kKeySlotFirstButton, kDirPatternCount);
}

}  // namespace
