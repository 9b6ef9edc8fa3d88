// Data versions: files of older versions load what their version registered,
// newer ones are refused, and the version travels with the load.

#include <gtest/gtest.h>

#include <string>

#include "record_test_env.h"
#include "sample_records.h"

namespace {

cVersionedRecord FilledRecord() {
  cVersionedRecord record;
  record.m_nBase = 11;
  record.m_nPair[0] = 1;
  record.m_nPair[1] = 2;
  record.m_dRate = 2.5;
  record.m_byFlag = 9;
  record.m_strName = "name";
  record.m_strNote = "note";
  return record;
}

}  // namespace

class RecordVersionTest : public RecordTest {};

TEST_F(RecordVersionTest, OlderFileLeavesMissingFieldsAndSavesTheCurrentLayout) {
  // Version 400 had the base value and the name only (written by hand here).
  const std::string file = cRecordBytes().Int32(400).Int32(1).Int32(11).Int32(1).Text("name").Bytes();
  cVersionedRecord source = FilledRecord();
  EXPECT_EQ(RecordImageAt(source, 400), file);

  cVersionedRecord record;
  record.m_nPair[0] = 7;
  record.m_nPair[1] = 8;
  record.m_byFlag = 4;
  record.m_strNote = "kept";
  WriteFileBytes(Path("old.dat"), file);
  ASSERT_EQ(record.LoadFromFile(Path("old.dat")), 1);
  EXPECT_EQ(g_nFileVersion, 400);
  EXPECT_EQ(record.m_nBase, 11);
  EXPECT_EQ(record.m_strName, "name");
  EXPECT_EQ(record.m_nPair[0], 7);
  EXPECT_EQ(record.m_nPair[1], 8);
  EXPECT_EQ(record.m_byFlag, 4);
  EXPECT_EQ(record.m_strNote, "kept");
  EXPECT_EQ(record.m_dRate, cVersionedRecord::kMigratedRate);  // filled by the migration

  const std::string current = cRecordBytes()
                                  .Int32(836)
                                  .Int32(4)
                                  .Int32(11)
                                  .Int16(7)
                                  .Int16(8)
                                  .Double(cVersionedRecord::kMigratedRate)
                                  .Int8(4)
                                  .Int32(2)
                                  .Text("name")
                                  .Text("kept")
                                  .Bytes();
  EXPECT_EQ(RecordImageAt(record), current);
}

TEST_F(RecordVersionTest, EachVersionWritesAndReadsItsOwnLayout) {
  struct Case {
    int32_t version, fields, strings;
  } cases[] = {{0, 1, 1},   {499, 1, 1}, {500, 3, 1}, {599, 3, 1},
               {600, 3, 2}, {699, 3, 2}, {700, 4, 2}, {836, 4, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    cVersionedRecord source = FilledRecord();
    const std::string image = RecordImageAt(source, c.version);
    cRecordInFile file = OpenRecordImage(ToImage(image));
    ASSERT_TRUE(file.IsOpen());
    int32_t fields = 0;
    ASSERT_TRUE(file.Reader().Read(fields));
    EXPECT_EQ(fields, c.fields);

    cVersionedRecord loaded;
    ASSERT_EQ(LoadRecordImage(loaded, ToImage(image)), eRecordFile::Ok);
    EXPECT_EQ(RecordImageAt(loaded, c.version), image);
    // After any load or save the record is laid out for the current version.
    EXPECT_EQ(loaded.FieldTable().VectorSize(), 4);
    EXPECT_EQ(source.StringTable().VectorSize(), 2);
  }
}

TEST_F(RecordVersionTest, NewerFilesAreRefusedAndLeaveTheRecord) {
  const uint32_t versions[] = {837, 0x80000000u, 0xFFFFFFFFu};
  for (uint32_t version : versions) {
    SCOPED_TRACE(version);
    const std::string file =
        cRecordBytes().UInt32(version).Int32(1).Int32(99).Int32(1).Text("new").Bytes();
    WriteFileBytes(Path("new.dat"), file);
    cVersionedRecord record = FilledRecord();
    g_bFileTooNew = 0;
    EXPECT_EQ(record.LoadFromFileStatus(Path("new.dat")), eRecordFile::TooNew);
    EXPECT_EQ(g_bFileTooNew, 1);
    EXPECT_EQ(g_nFileVersion, static_cast<int32_t>(version));
    EXPECT_EQ(record, FilledRecord());
    EXPECT_EQ(record.LoadFromFile(Path("new.dat")), 0);
  }
}

TEST_F(RecordVersionTest, EveryOpenAttemptDecidesTheTooNewFlag) {
  WriteFileBytes(Path("new.dat"), cRecordBytes().Int32(837).Bytes());
  WriteFileBytes(Path("ok.dat"), cRecordBytes().Int32(836).Int32(0).Int32(0).Bytes());
  WriteFileBytes(Path("short.dat"), "\x01\x02");

  struct Case {
    const char* name;
    eRecordFile status;
    int32_t tooNew;
  } cases[] = {{"new.dat", eRecordFile::TooNew, 1},   {"missing.dat", eRecordFile::Missing, 0},
               {"new.dat", eRecordFile::TooNew, 1},   {"short.dat", eRecordFile::Damaged, 0},
               {"new.dat", eRecordFile::TooNew, 1},   {"ok.dat", eRecordFile::Ok, 0},
               {"new.dat", eRecordFile::TooNew, 1},   {"", eRecordFile::Missing, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = *c.name ? Path(c.name) : std::string();
    EXPECT_EQ(OpenRecordFile(path).Status(), c.status);
    EXPECT_EQ(g_bFileTooNew, c.tooNew);
  }
}

TEST_F(RecordVersionTest, TheLoadKeepsItsFileVersionWhileAnotherFileIsOpened) {
  cVersionedRecord source = FilledRecord();
  WriteRecordFixture(Path("old.dat"), source, 400);
  WriteRecordFixture(Path("new.dat"), source);

  cRecordInFile older = OpenRecordFile(Path("old.dat"));
  ASSERT_TRUE(older.IsOpen());
  EXPECT_EQ(g_nFileVersion, 400);
  cRecordInFile newer = OpenRecordFile(Path("new.dat"));
  ASSERT_TRUE(newer.IsOpen());
  EXPECT_EQ(g_nFileVersion, 836);

  // The older file still loads by its own layout and migrates by its own version.
  cVersionedRecord record;
  ASSERT_TRUE(record.LoadOrKeep(older.Reader()));
  EXPECT_EQ(record.m_nBase, 11);
  EXPECT_EQ(record.m_strName, "name");
  EXPECT_EQ(record.m_strNote, "");
  EXPECT_EQ(record.m_dRate, cVersionedRecord::kMigratedRate);
  EXPECT_EQ(g_nFileVersion, 836);
  CloseRecordFile(older);
  CloseRecordFile(newer);
}

TEST_F(RecordVersionTest, NestedRecordsAndListsLoadByTheRootFilesVersion) {
  cTreeRecord tree;
  tree.m_nId = 1;
  tree.m_Items.push_back(FilledRecord());
  tree.m_Items.push_back(FilledRecord());
  const std::string image = RecordImageAt(tree, 400);

  cTreeRecord loaded;
  ASSERT_EQ(LoadRecordImage(loaded, ToImage(image)), eRecordFile::Ok);
  ASSERT_EQ(loaded.m_Items.size(), 2u);
  for (const cVersionedRecord& item : loaded.m_Items) {
    EXPECT_EQ(item.m_nBase, 11);
    EXPECT_EQ(item.m_strNote, "");  // new elements are defaults; 400 has no note
    EXPECT_EQ(item.m_dRate, cVersionedRecord::kMigratedRate);
  }
}
