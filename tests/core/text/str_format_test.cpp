#include "core/text/str_format.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(StrFormat, AssignsAndAppends) {
  std::string s = "old";
  StrFormat(s, "%d%%", 100);
  EXPECT_EQ(s, "100%");
  std::string& r = StrAppendFormat(s, " %s=%03d", "x", 7);
  EXPECT_EQ(&r, &s);
  EXPECT_EQ(s, "100% x=007");
}

TEST(StrFormat, LongTextsAreWholeBelowTheLimit) {
  std::string longText(4000, 'q');
  EXPECT_EQ(StrFormatLimited(kNoTextLimit, "%s!", longText.c_str()), longText + "!");
}

TEST(StrFormat, CutsAtTheLimitOnACharacterBoundary) {
  // 5118 narrow bytes then a double-byte character: the character does not fit
  // in 5119 bytes and is dropped whole.
  std::string text(kFormatTextLimit - 1, 'a');
  std::string s;
  StrFormat(s, "%s\x82\xA0", text.c_str());
  EXPECT_EQ(s, text);

  std::string huge(kFormatTextLimit + 100, 'b');
  StrFormat(s, "%s", huge.c_str());
  EXPECT_EQ(s.size(), kFormatTextLimit);

  std::string appended = "x";
  StrAppendFormat(appended, "%s", huge.c_str());
  EXPECT_EQ(appended.size(), kFormatTextLimit + 1);
}

TEST(StrFormat, NullFormatGivesEmptyText) {
  EXPECT_EQ(StrFormatLimited(kNoTextLimit, nullptr), "");
}

}  // namespace
