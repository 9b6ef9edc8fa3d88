// user_data\Option.dat: defaults, the byte layout, refused files and the ranges
// the table-indexing options are kept in.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <tuple>

#include "records/options/option_data.h"
#include "records/options/user_files.h"
#include "records/project/path_table.h"
#include "support/record_fixtures.h"

namespace {

std::tuple<int32_t, int32_t, int32_t, int32_t, std::string> Values(const cOptionData& o) {
  return {o.m_nPalette, o.m_bBgm, o.m_nSeVolume, o.m_nRankingEntryMode, o.m_strRankingName};
}

// The file of options written by hand from the format.
std::string OptionFile(int32_t palette, int32_t bgm, int32_t volume, int32_t mode,
                       const std::string& name, int32_t version = 836) {
  return cRecordBytes()
      .Int32(version)
      .Int32(4).Int32(palette).Int32(bgm).Int32(volume).Int32(mode)
      .Int32(1).Text(name)
      .Bytes();
}

class OptionDataTest : public ::testing::Test {
 protected:
  std::string Path() const { return dir_.file("Option.dat"); }
  TempDir dir_;
};

}  // namespace

TEST_F(OptionDataTest, MissingFileLeavesTheDefaults) {
  cOptionData options;
  EXPECT_EQ(LoadOptionData(options, Path()), eRecordFile::Missing);
  EXPECT_EQ(Values(options), Values(cOptionData()));
  EXPECT_EQ(Values(options), std::make_tuple(0, 1, 7, 0, std::string("aaa")));
}

TEST_F(OptionDataTest, DefaultsSaveAsThe36ByteFile) {
  cOptionData options;
  ASSERT_EQ(SaveOptionData(options, Path()), 1);
  const std::string bytes = ReadFileBytes(Path());
  EXPECT_EQ(bytes.size(), 36u);
  EXPECT_EQ(bytes, OptionFile(0, 1, 7, 0, "aaa"));
}

TEST_F(OptionDataTest, SavedOptionsLoadBack) {
  cOptionData source;
  source.m_nPalette = 23;
  source.m_bBgm = 0;
  source.m_nSeVolume = 10;
  source.m_nRankingEntryMode = 3;
  source.m_strRankingName = "名前ABC";
  ASSERT_EQ(SaveOptionData(source, Path()), 1);
  EXPECT_EQ(ReadFileBytes(Path()), OptionFile(23, 0, 10, 3, "名前ABC"));

  cOptionData loaded;
  ASSERT_EQ(LoadOptionData(loaded, Path()), eRecordFile::Ok);
  EXPECT_EQ(Values(loaded), Values(source));
}

TEST_F(OptionDataTest, RefusedFileLeavesTheOptionsAndSaysWhy) {
  const std::string good = OptionFile(5, 0, 2, 1, "xyz");
  struct Case {
    const char* what;
    std::string bytes;
    eRecordFile status;
  } cases[] = {
      {"too new", OptionFile(5, 0, 2, 1, "xyz", 837), eRecordFile::TooNew},
      {"cut short", good.substr(0, good.size() - 3), eRecordFile::Damaged},
      {"five fields", cRecordBytes().Int32(836).Int32(5).Int32(5).Int32(0).Int32(2).Int32(1)
                          .Int32(9).Int32(1).Text("xyz").Bytes(),
       eRecordFile::Damaged},
      {"empty file", "", eRecordFile::Damaged},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteFileBytes(Path(), c.bytes);
    cOptionData options;
    options.m_nSeVolume = 4;
    options.m_strRankingName = "kept";
    EXPECT_EQ(LoadOptionData(options, Path()), c.status);
    EXPECT_EQ(Values(options), std::make_tuple(0, 1, 4, 0, std::string("kept")));
  }
}

TEST_F(OptionDataTest, LoadKeepsTableIndicesInRange) {
  struct Case {
    int32_t palette, volume, mode;     // as stored
    int32_t wantPalette, wantVolume, wantMode;
  } cases[] = {
      {0, 0, 0, 0, 0, 0},
      {23, 10, 3, 23, 10, 3},
      {24, 11, 4, 23, 10, 3},
      {-1, -1, -1, 0, 0, 0},
      {INT32_MIN, INT32_MAX, 1000, 0, 10, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.palette << " " << c.volume << " " << c.mode);
    WriteFileBytes(Path(), OptionFile(c.palette, 5, c.volume, c.mode, "n"));
    cOptionData options;
    ASSERT_EQ(LoadOptionData(options, Path()), eRecordFile::Ok);
    EXPECT_EQ(options.m_nPalette, c.wantPalette);
    EXPECT_EQ(options.m_nSeVolume, c.wantVolume);
    EXPECT_EQ(options.m_nRankingEntryMode, c.wantMode);
    EXPECT_EQ(options.m_bBgm, 5);  // a switch: any value other than 0 is on
  }
}

TEST_F(OptionDataTest, SaveIntoAMissingFolderFailsAndWritesNothing) {
  cOptionData options;
  const std::string path = dir_.file("no_such_folder/Option.dat");
  EXPECT_EQ(SaveOptionData(options, path), 0);
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(SeVolumeAttenuationTest, StepsAndOutOfRangeSteps) {
  struct Case {
    int32_t step, hundredthsOfDb;
  } cases[] = {{0, -10000}, {1, -3000}, {6, -300}, {7, -150}, {9, -30}, {10, 0}, {-3, -10000}, {11, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.step);
    EXPECT_EQ(SeVolumeAttenuation(c.step), c.hundredthsOfDb);
  }
}

TEST(UserFilesTest, EntriesAgreeWithThePathTableAndStayInTheUserFolder) {
  for (const USERFILEDATA& file : g_UserFiles) {
    SCOPED_TRACE(file.lpName);
    const std::string name = file.lpName;
    EXPECT_EQ(name.rfind("user_data\\", 0), 0u);
    if (file.nPathEntry < 0) continue;
    // The entry is the file itself, or the folder (or name prefix) it lies in.
    const std::string entry = g_PathTable[file.nPathEntry];
    EXPECT_EQ(name.rfind(entry, 0), 0u) << entry;
  }
  EXPECT_STREQ(g_UserFiles[0].lpName, g_PathTable[kPathOption]);
}
