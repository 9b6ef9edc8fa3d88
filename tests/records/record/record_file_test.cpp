// Record files on disk: data paths, files of several parts, and saves that never
// damage the file they replace.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "record_test_env.h"
#include "sample_records.h"

namespace fs = std::filesystem;

namespace {

cSampleRecord Sample(int32_t value) {
  cSampleRecord record;
  record.m_nValue = value;
  record.m_strFirst = "text";
  return record;
}

// Names in the folder other than the ones expected: left-over temporaries.
std::vector<std::string> Entries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

class RecordFileTest : public RecordTest {};

TEST_F(RecordFileTest, DataPathsUseBackslashesAndAnyCase) {
  fs::create_directory(dir_.path() / "data");
  cSampleRecord record = Sample(3);
  const std::string dataPath = dir_.path().string() + "\\DATA\\Sample.dat";
  ASSERT_EQ(record.SaveToFile(dataPath), 1);
  EXPECT_EQ(ReadFileBytes(dir_.path() / "data" / "Sample.dat"), RecordImageAt(record));

  cSampleRecord loaded;
  ASSERT_EQ(loaded.LoadFromFile(dir_.path().string() + "\\data\\sample.DAT"), 1);
  EXPECT_EQ(loaded, record);
}

TEST_F(RecordFileTest, AFileOfSeveralPartsIsWrittenAndReadInOrder) {
  cSampleRecord first = Sample(1);
  cVersionedRecord second;
  second.m_strName = "second";
  cRecordOutFile out = CreateRecordFile(Path("two.dat"));
  ASSERT_TRUE(out.IsOpen());
  first.Save(out.Writer());
  out.Writer().Write(int32_t{123456789});
  second.Save(out.Writer());
  EXPECT_FALSE(fs::exists(Path("two.dat")));  // nothing is there before the close
  ASSERT_EQ(CloseRecordFile(out), 1);

  cRecordInFile in = OpenRecordFile(Path("two.dat"));
  ASSERT_TRUE(in.IsOpen());
  cSampleRecord firstLoaded;
  cVersionedRecord secondLoaded;
  int32_t mark = 0;
  ASSERT_TRUE(firstLoaded.LoadOrKeep(in.Reader()));
  ASSERT_TRUE(in.Reader().Read(mark));
  ASSERT_TRUE(secondLoaded.LoadOrKeep(in.Reader()));
  EXPECT_EQ(firstLoaded, first);
  EXPECT_EQ(mark, 123456789);
  EXPECT_EQ(secondLoaded, second);
  EXPECT_EQ(in.Reader().Remaining(), 0u);
  CloseRecordFile(in);
}

TEST_F(RecordFileTest, SaveReplacesTheFileAndLeavesNoTemporary) {
  cSampleRecord record = Sample(1);
  ASSERT_EQ(record.SaveToFile(Path("a.dat")), 1);
  record.m_nValue = 2;
  ASSERT_EQ(record.SaveToFile(Path("a.dat")), 1);
  EXPECT_EQ(ReadFileBytes(Path("a.dat")), RecordImageAt(record));
  EXPECT_EQ(Entries(dir_.path()), (std::vector<std::string>{"Report_Game.txt", "a.dat"}));
}

TEST_F(RecordFileTest, FailedSaveKeepsTheOldFile) {
  cSampleRecord record = Sample(1);
  // A folder where the file should be: the new file cannot take its place.
  fs::create_directories(dir_.path() / "taken" / "inside");
  EXPECT_EQ(record.SaveToFile(Path("taken")), 0);
  EXPECT_TRUE(fs::is_directory(dir_.path() / "taken" / "inside"));
  // A folder that does not exist.
  EXPECT_EQ(record.SaveToFile(Path("nowhere/a.dat")), 0);
  EXPECT_EQ(Entries(dir_.path()), (std::vector<std::string>{"Report_Game.txt", "taken"}));
}

TEST_F(RecordFileTest, FailedSaveInAReadOnlyFolderKeepsTheOldFile) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop the superuser";
  cSampleRecord record = Sample(1);
  fs::create_directory(dir_.path() / "ro");
  const std::string path = (dir_.path() / "ro" / "a.dat").string();
  ASSERT_EQ(record.SaveToFile(path), 1);
  const std::string old = ReadFileBytes(path);
  fs::permissions(dir_.path() / "ro", fs::perms::owner_read | fs::perms::owner_exec);
  record.m_nValue = 2;
  EXPECT_EQ(record.SaveToFile(path), 0);
  fs::permissions(dir_.path() / "ro", fs::perms::owner_all);
  EXPECT_EQ(ReadFileBytes(path), old);
  EXPECT_EQ(Entries(dir_.path() / "ro"), (std::vector<std::string>{"a.dat"}));
}

TEST_F(RecordFileTest, AnOutFileDroppedWithoutClosingWritesNothing) {
  cSampleRecord record = Sample(1);
  ASSERT_EQ(record.SaveToFile(Path("a.dat")), 1);
  const std::string old = ReadFileBytes(Path("a.dat"));
  {
    cRecordOutFile out = CreateRecordFile(Path("a.dat"));
    ASSERT_TRUE(out.IsOpen());
    Sample(2).Save(out.Writer());
  }
  EXPECT_EQ(ReadFileBytes(Path("a.dat")), old);
  EXPECT_EQ(Entries(dir_.path()), (std::vector<std::string>{"Report_Game.txt", "a.dat"}));
}
