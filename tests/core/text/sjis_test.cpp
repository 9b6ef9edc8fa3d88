#include "core/text/sjis.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

// Texts spelled in bytes, so the cases do not depend on the literal charset.
// 82 A0 is one double-byte character; 95 5C has a backslash as its trail byte.
struct CountCase {
  const char* text;
  int expected;
};

// Cases are named by their bytes in hex: names must not depend on addresses.
std::string HexName(std::string_view bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string out = bytes.empty() ? "empty" : "";
  for (unsigned char c : bytes) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

void PrintTo(const CountCase& c, std::ostream* os) {
  *os << (c.text != nullptr ? HexName(c.text) : std::string("null"));
}

class SjisCharCountTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(SjisCharCountTest, Counts) {
  EXPECT_EQ(SjisCharCount(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SjisCharCountTest,
    ::testing::Values(CountCase{"\x82\xA0\x82\xA2\nab", 4},  // two wide, LF, two narrow
                      CountCase{"", 0}, CountCase{nullptr, 0},
                      CountCase{"\x82", 1},          // lead byte before the end
                      CountCase{"a\x82", 2},
                      CountCase{"\x82 ", 2},         // lead byte without a trail byte
                      CountCase{"\x95\x5C" "a", 2},  // trail byte 0x5C is not a backslash
                      CountCase{"\n\n", 0},
                      CountCase{"\xB1\xB2", 2}));    // half-width katakana: one byte each

TEST(SjisCharCount, CountsJapaneseLiterals) {
  // Narrow literals are CP932 in this build.
  EXPECT_EQ(SjisCharCount("エラー"), 3);
}

struct CutCase {
  std::string text;
  std::size_t limit;
  std::size_t expected;
};

void PrintTo(const CutCase& c, std::ostream* os) { *os << HexName(c.text) << "_" << c.limit; }

class SjisCutLengthTest : public ::testing::TestWithParam<CutCase> {};

TEST_P(SjisCutLengthTest, NeverSplitsACharacter) {
  EXPECT_EQ(SjisCutLength(GetParam().text, GetParam().limit), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SjisCutLengthTest,
    ::testing::Values(CutCase{"a\x82\xA0", 2, 1}, CutCase{"a\x82\xA0", 3, 3},
                      CutCase{"\x82\xA0\x82\xA0", 3, 2}, CutCase{"\x82\xA0", 0, 0},
                      CutCase{"abc", 10, 3}, CutCase{"ab\x82", 3, 3},
                      CutCase{"\x82" "abc", 2, 2},  // lead + 'a' is one character
                      CutCase{"\x82\x20z", 2, 2}));

TEST(SjisTruncate, Shortens) {
  std::string s = "ab\x82\xA0";
  SjisTruncate(s, 3);
  EXPECT_EQ(s, "ab");
}

}  // namespace
