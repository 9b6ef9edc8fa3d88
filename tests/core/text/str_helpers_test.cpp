#include "core/text/str_helpers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <new>
#include <string>

namespace {

struct MidCase {
  int32_t start;
  int32_t count;
  const char* expected;
};

void PrintTo(const MidCase& c, std::ostream* os) { *os << c.start << "_" << c.count; }

class StrMidTest : public ::testing::TestWithParam<MidCase> {};

TEST_P(StrMidTest, TakesThePieceOfAbcdef) {
  const MidCase& c = GetParam();
  EXPECT_EQ(StrMid("abcdef", c.start, c.count), c.expected);
}

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

INSTANTIATE_TEST_SUITE_P(
    Cases, StrMidTest,
    ::testing::Values(MidCase{2, 3, "cde"}, MidCase{4, 10, "ef"}, MidCase{7, 1, ""},
                      MidCase{-2, 4, "ab"}, MidCase{3, 0, ""},
                      // The count becomes -2: a negative count takes the rest.
                      MidCase{-3, 1, "abcdef"}, MidCase{-2, 2, ""}, MidCase{6, 1, ""},
                      MidCase{0, -1, "abcdef"}, MidCase{1, kMax, "bcdef"},
                      MidCase{kMax, kMax, ""}, MidCase{kMin, kMax, "abcdef"}));

TEST(StrMid, StopsAtTheFirstZeroByte) {
  std::string written("abc\0def", 7);
  EXPECT_EQ(StrMid(written, 1, 10), "bc");
  EXPECT_EQ(StrMid(written, 4, 1), "");
}

TEST(StrSyncLength, CutsATextWrittenThroughTheBuffer) {
  std::string s(8, 'x');
  s[2] = '\0';
  EXPECT_EQ(StrSyncLength(s), 2u);
  EXPECT_EQ(s, "xx");
  std::string whole = "abc";
  EXPECT_EQ(StrSyncLength(whole), 3u);
}

TEST(StrAssignNullSafe, NullEmptiesAndGivesNull) {
  std::string s = "old";
  EXPECT_EQ(StrAssignNullSafe(s, nullptr), nullptr);
  EXPECT_TRUE(s.empty());
  const char* p = StrAssignNullSafe(s, "new");
  EXPECT_EQ(s, "new");
  EXPECT_EQ(p, s.c_str());
}

TEST(StrConstructNullSafe, BuildsInPlace) {
  alignas(std::string) unsigned char storage[2][sizeof(std::string)];
  std::string* a = StrConstructNullSafe(storage[0], "text");
  std::string* b = StrConstructNullSafe(storage[1], nullptr);
  EXPECT_EQ(*a, "text");
  EXPECT_EQ(*b, "");
  a->~basic_string();
  b->~basic_string();
}

}  // namespace
