#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/path/path_ext.h"
#include "core/path/path_parts.h"

namespace {

struct ExtCase {
  const char* path;
  const char* ext;   // nullptr: the file name has no extension
  const char* stem;  // the path without its extension
};

// A dot in a folder name never starts an extension.
const ExtCase kExtCases[] = {
    {"a.txt", "txt", "a"},
    {"data\\stg4\\a.stg4_003", "stg4_003", "data\\stg4\\a"},
    {"dir.x\\file.tar.gz", "gz", "dir.x\\file.tar"},
    {"a.", "", "a"},
    {"表.stg4", "stg4", "表"},
    {"ソ\\a.b", "b", "ソ\\a"},
    {"a.b\\c", nullptr, nullptr},
    {"a.b/c", nullptr, nullptr},
    {"x.y\\表", nullptr, nullptr},  // file name ends in a trail byte 0x5C
    {"..\\a", nullptr, nullptr},
    {"..", nullptr, nullptr},
    {"data\\.", nullptr, nullptr},
    {"", nullptr, nullptr},
};

TEST(PathExtTest, GetRemoveAndChangeAgreeOnTheExtension) {
  for (const ExtCase& c : kExtCases) {
    SCOPED_TRACE(c.path);
    bool has = c.ext != nullptr;

    std::string ext = "untouched";
    EXPECT_EQ(PathGetExt(ext, c.path), has ? 1 : 0);
    EXPECT_EQ(ext, has ? c.ext : "untouched");

    std::string removed = c.path;
    EXPECT_EQ(PathRemoveExtStr(removed), has ? 1 : 0);
    EXPECT_EQ(removed, has ? c.stem : c.path);

    std::string cut = "old";
    EXPECT_EQ(PathChangeExt(cut, c.path, std::nullopt), has ? 1 : 0);
    EXPECT_EQ(cut, has ? c.stem : c.path);

    std::string changed = "old";
    EXPECT_EQ(PathChangeExt(changed, c.path, "new"), has ? 1 : 0);
    EXPECT_EQ(changed, has ? std::string(c.stem) + ".new" : std::string(c.path));
  }
}

TEST(PathExtTest, ChangeExtMayWriteOverItsSource) {
  std::string path = "data\\stg4\\a.stg4_003";
  EXPECT_EQ(PathChangeExt(path, path, "stg4"), 1);
  EXPECT_EQ(path, "data\\stg4\\a.stg4");
}

TEST(PathExtTest, ResultsOverThePathLimitAreRefused) {
  std::string longStem(kMaxPathBytes - 4, 'a');
  std::string src = longStem + ".txt";  // exactly at the limit
  std::string dest = "kept";
  EXPECT_EQ(PathChangeExt(dest, src, "tx"), 1);
  EXPECT_EQ(dest.size(), kMaxPathBytes - 1);
  dest = "kept";
  EXPECT_EQ(PathChangeExt(dest, src, "text"), 0);
  EXPECT_EQ(dest, "kept");
}

struct NumberedCase {
  const char* src;
  int n;
  const char* expected;  // nullptr: refused
};

TEST(PathExtTest, NumberedNameGoesBeforeTheExtension) {
  const NumberedCase cases[] = {
      {"user_data\\rpl4\\s__2024__01_02__03_04.rpl4_836", 2,
       "user_data\\rpl4\\s__2024__01_02__03_04 (2).rpl4_836"},
      {"表.rpl4_836", 999, "表 (999).rpl4_836"},
      {"a.", 3, "a (3)."},
      {"dir.x\\a", 2, nullptr},  // the only dot is in a folder name
      {"noext", 2, nullptr},
  };
  for (const NumberedCase& c : cases) {
    std::string dest = "untouched";
    EXPECT_EQ(PathNumberedName(dest, c.src, c.n), c.expected ? 1 : 0) << c.src;
    EXPECT_EQ(dest, c.expected ? c.expected : "untouched") << c.src;
  }
}

TEST(PathExtTest, NumberedNameKeepsLongNamesWholeAndRefusesOverTheLimit) {
  // A typical replay name is far longer than 31 bytes and must come back whole.
  std::string src = "user_data\\rpl4\\" + std::string(200, 'n') + ".rpl4_836";
  std::string dest;
  ASSERT_EQ(PathNumberedName(dest, src, 12), 1);
  EXPECT_EQ(dest, "user_data\\rpl4\\" + std::string(200, 'n') + " (12).rpl4_836");

  std::string atLimit = std::string(kMaxPathBytes - 9, 'n') + ".rpl4_836";
  dest = "kept";
  EXPECT_EQ(PathNumberedName(dest, atLimit, 2), 0);
  EXPECT_EQ(dest, "kept");
}

}  // namespace
