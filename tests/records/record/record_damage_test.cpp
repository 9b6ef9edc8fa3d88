// Damaged files: every fault fails the load, reads nothing outside the file,
// leaves the record as it was and never closes the program.

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "record_test_env.h"
#include "sample_records.h"

namespace {

cTreeRecord SampleTree() {
  cTreeRecord tree;
  tree.m_nId = 42;
  tree.m_strTitle = "title";
  for (int i = 0; i < 3; ++i) {
    cVersionedRecord item;
    item.m_nBase = i;
    item.m_strName = "item";
    item.m_strNote = "n";
    tree.m_Items.push_back(item);
  }
  tree.m_Header.m_nValue = 5;
  tree.m_Header.m_strFirst = "header";
  tree.m_Flags = {1, 2, 3};
  tree.m_Values = {-1, 70000};
  return tree;
}

cTreeRecord OtherTree() {
  cTreeRecord tree;
  tree.m_nId = 7;
  tree.m_strTitle = "before";
  tree.m_Items.push_back(cVersionedRecord());
  tree.m_Flags = {9};
  return tree;
}

}  // namespace

class RecordDamageTest : public RecordTest {};

TEST_F(RecordDamageTest, TruncatedFileFailsAtEveryLengthAndKeepsTheRecord) {
  cTreeRecord full = SampleTree();
  const std::string image = RecordImageAt(full);
  for (std::size_t length = 0; length < image.size(); ++length) {
    SCOPED_TRACE(length);
    WriteFileBytes(Path("cut.dat"), image.substr(0, length));
    cTreeRecord record = OtherTree();
    EXPECT_EQ(record.LoadFromFileStatus(Path("cut.dat")), eRecordFile::Damaged);
    EXPECT_EQ(record, OtherTree());
  }
  WriteFileBytes(Path("whole.dat"), image);
  cTreeRecord record = OtherTree();
  ASSERT_EQ(record.LoadFromFile(Path("whole.dat")), 1);
  EXPECT_EQ(record, SampleTree());
  EXPECT_FALSE(ClosePosted());
}

TEST_F(RecordDamageTest, SurplusCountIsLoggedAndFailsWithoutClosing) {
  const std::string fieldBytes = cRecordBytes().Int32(5).Raw("xyz").Bytes();
  const std::string strings = cRecordBytes().Int32(2).Text("a").Text("b").Bytes();
  const int fieldSize = static_cast<int>(sizeof(FIELDDATA));
  const int stringSize = static_cast<int>(sizeof(STRFIELDDATA));
  struct Case {
    const char* what;
    std::string file;
    std::string line;  // the line logged for the first surplus entry
    std::size_t lines;
  } cases[] = {
      {"one field too many",
       cRecordBytes().Int32(836).Int32(3).Raw(fieldBytes).Int32(1).Raw(strings).Bytes(),
       "err V[2] ( 2 , " + std::to_string(fieldSize) + " )", 3},
      {"two strings too many",
       cRecordBytes().Int32(836).Int32(2).Raw(fieldBytes).Int32(4).Text("a").Text("b").Text("c").Text("d").Bytes(),
       "err V[2] ( 2 , " + std::to_string(stringSize) + " )", 6},
      // A wildly damaged count logs a bounded number of lines.
      {"huge field count", cRecordBytes().Int32(836).Int32(INT_MAX).Bytes(),
       "err V[2] ( 2 , " + std::to_string(fieldSize) + " )", 48},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_EQ(OpenReportLog(Path("Report_Game.txt").c_str()), 1);
    cSampleRecord record;
    record.m_nValue = 1;
    record.m_strFirst = "keep";
    EXPECT_EQ(LoadRecordImage(record, ToImage(c.file)), eRecordFile::Damaged);
    EXPECT_EQ(record.m_nValue, 1);
    EXPECT_EQ(record.m_strFirst, "keep");
    const std::vector<std::string> lines = ReportLines();
    ASSERT_EQ(lines.size(), c.lines);
    EXPECT_EQ(lines[0], c.line);
    EXPECT_EQ(lines[1], c.line);
    EXPECT_EQ(lines[2], c.line);
    EXPECT_FALSE(ClosePosted());
  }
}

TEST_F(RecordDamageTest, BadStringLengthsFailTheLoad) {
  struct Case {
    const char* what;
    std::string stored;  // the string entry as stored
  } cases[] = {
      {"length 0", cRecordBytes().Int32(0).Bytes()},
      {"length -5", cRecordBytes().Int32(-5).Raw("abcde").Bytes()},
      {"length 2^31-1", cRecordBytes().Int32(INT_MAX).Raw("abc").Bytes()},
      {"longer than the file", cRecordBytes().Int32(10).Raw(std::string("abc\0", 4)).Bytes()},
      {"no zero byte", cRecordBytes().Int32(3).Raw("abc").Bytes()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string file = cRecordBytes().Int32(836).Int32(0).Int32(1).Raw(c.stored).Bytes();
    cSampleRecord record;
    record.m_strFirst = "keep";
    EXPECT_EQ(LoadRecordImage(record, ToImage(file)), eRecordFile::Damaged);
    EXPECT_EQ(record.m_strFirst, "keep");
  }
}

TEST_F(RecordDamageTest, ListCountsAreCheckedBeforeAnythingIsAllocated) {
  const std::string head = cRecordBytes().Int32(836).Int32(1).Int32(1).Int32(1).Text("t").Bytes();
  const std::string emptyHeader = cRecordBytes().Int32(0).Int32(0).Bytes();
  struct Case {
    const char* what;
    std::string rest;
  } cases[] = {
      {"negative record count", cRecordBytes().Int32(-1).Bytes()},
      {"record count beyond the file", cRecordBytes().Int32(INT_MAX).Raw(std::string(64, '\0')).Bytes()},
      {"2 records, bytes for 1", cRecordBytes().Int32(2).Raw(emptyHeader).Bytes()},
      {"byte count beyond the file",
       cRecordBytes().Int32(0).Raw(emptyHeader).Int32(INT_MAX).Raw("ab").Bytes()},
      {"int count beyond the file",
       cRecordBytes().Int32(0).Raw(emptyHeader).Int32(0).Int32(2).Int32(1).Bytes()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    cTreeRecord record = OtherTree();
    EXPECT_EQ(LoadRecordImage(record, ToImage(head + c.rest)), eRecordFile::Damaged);
    EXPECT_EQ(record, OtherTree());
  }
}

TEST_F(RecordDamageTest, CountsOfZeroOrBelowReadNothing) {
  // The format reads no entry for a count of 0 or below; the members keep their
  // values and the load goes on.
  for (int32_t count : {0, -1, INT_MIN}) {
    SCOPED_TRACE(count);
    const std::string file = cRecordBytes().Int32(836).Int32(count).Int32(count).Bytes();
    cSampleRecord record;
    record.m_nValue = 3;
    record.m_strFirst = "keep";
    ASSERT_EQ(LoadRecordImage(record, ToImage(file)), eRecordFile::Ok);
    EXPECT_EQ(record.m_nValue, 3);
    EXPECT_EQ(record.m_strFirst, "keep");
  }
}
