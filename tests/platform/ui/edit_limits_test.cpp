#include "platform/ui/edit_limits.h"

#include <gtest/gtest.h>

namespace {

// The ranking name: four bytes, three characters on one line, counting
// characters.
constexpr cEditLimits kNameLimits{4, 3, 1, 1};

TEST(EditLimitsTest, ChangesGiveTheirTextAndSelection) {
  struct Case {
    const char* what;
    std::string text;
    cEditSelection selection;
    std::string previous;
    cEditSelection previousSelection;
    cEditLimits limits;
    bool inAttach;
    std::string expectText;
    cEditSelection expectSelection;
    bool accepted;
  } cases[] = {
      {"a fourth character needs a second line: refused", "abcd", {4, 4}, "abc", {3, 3}, kNameLimits, false,
       "abc", {3, 3}, false},
      {"three characters fit", "abc", {3, 3}, "ab", {2, 2}, kNameLimits, false, "abc", {3, 3}, true},
      {"three double-byte characters are three characters", "\x82\xa0\x82\xa2\x82\xa4", {6, 6}, "", {0, 0},
       kNameLimits, false, "\x82\xa0\x82\xa2\x82\xa4", {6, 6}, true},
      {"a wrap shifts a point at or after it by 2", "abcd", {4, 4}, "abc", {3, 3}, {4096, 3, 2, 0}, false,
       "abc\r\nd", {6, 6}, true},
      {"a point before the wrap stays", "abcd", {1, 2}, "abc", {3, 3}, {4096, 3, 2, 0}, false, "abc\r\nd",
       {1, 2}, true},
      {"a doubled line break is removed", "abc\r\nxy", {7, 7}, "", {0, 0}, {4096, 3, 2, 0}, false, "abc\r\nxy",
       {7, 7}, true},
      {"a caret at a full line's end moves to the next line", "abc\r\nxy", {3, 3}, "", {0, 0},
       {4096, 3, 2, 0}, false, "abc\r\nxy", {5, 5}, true},
      {"in attach a text with too many lines is cut", "abcdefgh", {0, 0}, "", {0, 0}, {4096, 3, 2, 0}, true,
       "abc\r\ndef", {0, 0}, true},
      {"a point on a line feed moves past it", "ab\r\nc", {3, 3}, "", {0, 0}, {4096, 3, 2, 0}, false,
       "ab\r\nc", {4, 4}, true},
      {"points beyond the text move to its end", "ab", {5, 9}, "", {0, 0}, kNameLimits, false, "ab", {2, 2},
       true},
      {"bytes: a double-byte character takes two", "a\x82\xa0\x82\xa2", {5, 5}, "a\x82\xa0", {3, 3},
       {4096, 3, 1, 0}, false, "a\x82\xa0", {3, 3}, false},
      {"characters: the same text fits", "a\x82\xa0\x82\xa2", {5, 5}, "a\x82\xa0", {3, 3}, {4096, 3, 1, 1},
       false, "a\x82\xa0\x82\xa2", {5, 5}, true},
      {"a wrap never splits a double-byte character", "ab\x82\xa0", {4, 4}, "", {0, 0}, {4096, 3, 2, 0}, false,
       "ab\r\n\x82\xa0", {6, 6}, true},
      {"limits 0 take their defaults", std::string(40, 'x'), {0, 0}, "", {0, 0}, {0, 0, 0, 0}, false,
       std::string(40, 'x'), {0, 0}, true},
      {"limits -1 take their defaults, so the wrap ends", "abc", {0, 0}, "", {0, 0}, {-1, -1, -1, 0}, false, "abc",
       {0, 0}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const cEditChange change = ApplyEditChange(c.text, c.selection, c.previous, c.previousSelection, c.limits,
                                               c.inAttach);
    EXPECT_EQ(change.text, c.expectText);
    EXPECT_EQ(change.selection.nStart, c.expectSelection.nStart);
    EXPECT_EQ(change.selection.nEnd, c.expectSelection.nEnd);
    EXPECT_EQ(change.bAccepted, c.accepted);
  }
}

TEST(EditLimitsTest, AttachCutsToTheLineLimit) {
  const cEditChange change = ApplyEditChange("abcdefghij", {}, "", {}, {4096, 3, 1, 1}, true);
  EXPECT_EQ(change.text, "abc");
  EXPECT_TRUE(change.bAccepted);
}

TEST(EditLimitsTest, ReadsTakeTheLimitAndNeverEndInsideACharacter) {
  EXPECT_EQ(cEditLimits{}.ReadLimit(), 4096u);
  EXPECT_EQ((cEditLimits{4096, 1024, 32, 1}.ReadLimit()), 8191u);
  EXPECT_EQ((cEditLimits{0, 0, 0, 1}.ReadLimit()), 8191u) << "a 0 total takes its default";
  const std::string long8191(9000, 'a');
  EXPECT_EQ(CutToReadLimit(long8191, {4096, 1024, 32, 1}).size(), 8191u);
  // Three bytes allowed, the third would be a lead byte: the character is left out whole.
  EXPECT_EQ(CutToReadLimit("ab\x82\xa0", {3, 3, 1, 0}), "ab");
  EXPECT_EQ(CutToReadLimit("\x82\xa0\x82\xa2\x82\xa4\x82\xa6", kNameLimits), "\x82\xa0\x82\xa2\x82\xa4");
}

}  // namespace
