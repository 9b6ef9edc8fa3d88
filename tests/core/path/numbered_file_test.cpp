#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "core/path/host_path.h"
#include "core/path/numbered_file.h"
#include "core/text/cp932.h"
#include "project_dir_fixture.h"

namespace {

class NumberedFileTest : public ProjectDirTest {
 protected:
  // Entries named in CP932 (as the literals compile), made with host names.
  void MakeFileCp932(const std::string& path) { MakeFile(*Cp932ToUtf8(path)); }
  void MakeFolderCp932(const std::string& path) { MakeFolder(*Cp932ToUtf8(path)); }
};

struct NewestCase {
  const char* name;
  std::initializer_list<const char*> files;
  std::initializer_list<const char*> folders;
  const char* path;      // data path asked for, extension "stg4"
  const char* expected;  // nullptr: none found
};

TEST_F(NumberedFileTest, PicksTheHighestThreeDigitRegularFile) {
  const NewestCase cases[] = {
      {"no extension", {"base_003", "base_120"}, {}, "base", "base_120"},
      {"leading zeros", {"a.stg4_012", "a.stg4_105"}, {}, "a.stg4", "a.stg4_105"},
      {"folders ignored", {"a.stg4_001"}, {"a.stg4_999"}, "a.stg4", "a.stg4_001"},
      {"only a folder", {}, {"a.stg4_999"}, "a.stg4", nullptr},
      {"other forms", {"a.stg4_12", "a.stg4_0123", "a.stg4_1x3", "ab.stg4_500", "a.stg4-500"},
       {}, "a.stg4", nullptr},
      {"whole extension replaced", {"a.stg4_003", "a.stg4_010"}, {}, "a.stg4_003", "a.stg4_010"},
      {"case ignored, caller's spelling kept", {"Data/Stg4/Level.STG4_012"}, {},
       "data\\stg4\\level.stg4", "data\\stg4\\level.stg4_012"},
      {"trail bytes 0x5C", {"ソ表/表.stg4_007", "ソ表/表.stg4_006"}, {}, "ソ表\\表.stg4",
       "ソ表\\表.stg4_007"},
      {"missing folder", {"a.stg4_001"}, {}, "nowhere\\a.stg4", nullptr},
      {"dot in a folder name only", {"x.y/c_004"}, {}, "x.y\\c", "x.y\\c_004"},
  };
  int index = 0;
  for (const NewestCase& c : cases) {
    SCOPED_TRACE(c.name);
    // Each case in a folder of its own.
    std::string sub = "case" + std::to_string(index++);
    MakeFolder(sub);
    for (const char* file : c.files) MakeFileCp932(sub + "/" + file);
    for (const char* folder : c.folders) MakeFolderCp932(sub + "/" + folder);
    std::string prefix = sub + "\\";
    std::string dest = "untouched";
    EXPECT_EQ(FindNewestNumbered(dest, prefix + c.path, "stg4"), c.expected ? 1 : 0);
    EXPECT_EQ(dest, c.expected ? prefix + c.expected : "untouched");
  }
}

TEST_F(NumberedFileTest, ResultResolvesToTheFileOnDisk) {
  MakeFile("Data/Stg4/Level.STG4_012");
  std::string name = "data\\stg4\\level.stg4";
  ASSERT_EQ(FindNewestNumberedStr(name, name, "stg4"), 1);  // destination is the source
  EXPECT_EQ(name, "data\\stg4\\level.stg4_012");
  EXPECT_EQ(ResolveDataPath(name), "Data/Stg4/Level.STG4_012");
}

TEST_F(NumberedFileTest, NewlySavedVersionsAreSeen) {
  MakeFile("s.stg4_105");
  std::string dest;
  ASSERT_EQ(FindNewestNumbered(dest, "s.stg4", "stg4"), 1);
  EXPECT_EQ(dest, "s.stg4_105");
  MakeFile("S.STG4_200");  // the editor saved again while the player ran
  ASSERT_EQ(FindNewestNumbered(dest, "s.stg4", "stg4"), 1);
  EXPECT_EQ(dest, "s.stg4_200");
}

}  // namespace
