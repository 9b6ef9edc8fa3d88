#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/path/path_parts.h"

namespace {

// The tests below rely on these bytes: both characters end in 0x5C, the byte of
// the backslash.
TEST(PathPartsTest, JapaneseLiteralsAreCp932WithBackslashTrailByte) {
  EXPECT_EQ(std::string("表"), "\x95\x5C");
  EXPECT_EQ(std::string("ソ"), "\x83\x5C");
}

struct StripCase {
  const char* path;
  const char* expected;
};

TEST(PathPartsTest, StripDirKeepsTheFileNameWhole) {
  const StripCase cases[] = {
      {"data\\stg4\\a.stg4_001", "a.stg4_001"},
      {"data/stg4/a.stg4_001", "a.stg4_001"},
      {"data\\表.txt", "表.txt"},          // trail 0x5C inside the file name
      {"表", "表"},                        // one character, no separator
      {"dir\\ソ表", "ソ表"},
      {"ソ\\a", "a"},                      // the folder's trail byte is no separator
      {"a\\b\\", "b\\"},                   // the last byte is not looked at
      {"a\\", "a\\"},
      {"\\a", "a"},
      {"\\", "\\"},
      {"", ""},
      {"plain", "plain"},
  };
  for (const StripCase& c : cases) {
    std::string path = c.path;
    PathStripDir(path);
    EXPECT_EQ(path, c.expected) << "path: " << c.path;
  }
}

TEST(PathPartsTest, SplitSkipsTrailBytesAndEmptyParts) {
  std::vector<std::string_view> parts = SplitPathComponents("\\表\\\\ソ/x.b\\");
  ASSERT_EQ(parts.size(), 3u);
  EXPECT_EQ(parts[0], "表");
  EXPECT_EQ(parts[1], "ソ");
  EXPECT_EQ(parts[2], "x.b");
}

TEST(PathPartsTest, AbsoluteAndTrailingSeparator) {
  EXPECT_TRUE(IsAbsoluteDataPath("/home/a"));
  EXPECT_TRUE(IsAbsoluteDataPath("\\a"));
  EXPECT_FALSE(IsAbsoluteDataPath("data\\a"));
  EXPECT_FALSE(IsAbsoluteDataPath(""));
  EXPECT_TRUE(EndsWithSeparator("data\\"));
  EXPECT_FALSE(EndsWithSeparator("data\\表"));  // ends in 0x5C, a trail byte
}

}  // namespace
