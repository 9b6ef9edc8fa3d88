#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/path/path_parts.h"
#include "core/path/path_relative.h"
#include "core/text/cp932.h"
#include "project_dir_fixture.h"

namespace {

class PathRelativeTest : public ProjectDirTest {
 protected:
  // The project folder as the absolute forms spell it.
  std::string RootCp932() const { return *Utf8ToCp932(root().string()); }
};

struct RoundTripCase {
  const char* relative;  // as the data writes it
  const char* absoluteTail;  // appended to the project folder
  const char* backToRelative;
};

TEST_F(PathRelativeTest, RelativeAndAbsoluteFormsConvertBothWays) {
  const RoundTripCase cases[] = {
      {"data\\stg4\\a.stg4_001", "/data/stg4/a.stg4_001", "data\\stg4\\a.stg4_001"},
      {"data/stg4/a.stg4", "/data/stg4/a.stg4", "data\\stg4\\a.stg4"},
      {"default\\", "/default/", "default\\"},  // callers cut the trailing separator
      {"表\\ソ.txt", "/表/ソ.txt", "表\\ソ.txt"},  // trail bytes 0x5C stay
      {"a\\.\\b\\..\\c", "/a/c", "a\\c"},
  };
  for (const RoundTripCase& c : cases) {
    SCOPED_TRACE(c.relative);
    std::string path = c.relative;
    ASSERT_EQ(PathToAbsolute(path), 1);
    EXPECT_EQ(path, RootCp932() + c.absoluteTail);
    ASSERT_EQ(PathToRelativeStr(path), 1);
    EXPECT_EQ(path, c.backToRelative);
  }
}

TEST_F(PathRelativeTest, PathsOutsideTheProjectClimbWithDotDot) {
  std::string parent = root().parent_path().string();
  std::string path = *Utf8ToCp932(parent) + "/other/x.stg4";
  ASSERT_EQ(PathToRelative(path), 1);
  EXPECT_EQ(path, "..\\other\\x.stg4");
  ASSERT_EQ(PathToAbsolute(path), 1);
  EXPECT_EQ(path, *Utf8ToCp932(parent) + "/other/x.stg4");

  path = RootCp932();
  ASSERT_EQ(PathToRelative(path), 1);
  EXPECT_EQ(path, ".");
}

// Converts a copy of path; checks the result and the path it leaves.
void ExpectConverted(int (*convert)(std::string&), std::string path, int result,
                     const std::string& expected) {
  EXPECT_EQ(convert(path), result) << expected;
  EXPECT_EQ(path, expected);
}

TEST_F(PathRelativeTest, FormsThatAreAlreadyRightStayAsGiven) {
  ExpectConverted(PathToRelative, "data\\a.b\\..\\c", 1, "data\\a.b\\..\\c");
  ExpectConverted(PathToAbsolute, "/x/./y", 1, "/x/./y");
}

TEST_F(PathRelativeTest, ProjectFolderWithBackslashTrailByteInItsName) {
  MakeFolder(U8(u8"表"));
  std::filesystem::current_path(root() / U8(u8"表"));
  std::string path = "a.txt";
  ASSERT_EQ(PathToAbsolute(path), 1);
  EXPECT_EQ(path, RootCp932() + "/表/a.txt");
  ASSERT_EQ(PathToRelative(path), 1);
  EXPECT_EQ(path, "a.txt");
}

TEST_F(PathRelativeTest, ResultOverThePathLimitIsRefused) {
  std::string longName(kMaxPathBytes - 1, 'n');
  ExpectConverted(PathToAbsolute, longName, 0, longName);
}

TEST_F(PathRelativeTest, UnreadableCurrentFolderFails) {
  MakeFolder("gone");
  std::filesystem::current_path(root() / "gone");
  std::filesystem::remove(root() / "gone");
  ExpectConverted(PathToAbsolute, "data\\a", 0, "data\\a");
  ExpectConverted(PathToRelative, "/tmp/a", 0, "/tmp/a");
}

}  // namespace
