// The bytes of a record file: the layout of fields and strings, and what loading
// and saving do to the text of strings.

#include <gtest/gtest.h>

#include <string>

#include "record_test_env.h"
#include "sample_records.h"

namespace {

cSampleRecord ExampleRecord() {
  cSampleRecord record;
  record.m_nValue = 5;
  record.m_szTag[0] = 'x';
  record.m_szTag[1] = 'y';
  record.m_szTag[2] = 'z';
  record.m_strFirst = "ab";
  record.m_strSecond = "";
  return record;
}

// The format's own example, written out byte by byte.
const std::string kExampleBytes = std::string("\x02\x00\x00\x00", 4) + std::string("\x05\x00\x00\x00", 4) +
                                  "xyz" + std::string("\x02\x00\x00\x00", 4) +
                                  std::string("\x03\x00\x00\x00", 4) + std::string("ab\0", 3) +
                                  std::string("\x01\x00\x00\x00", 4);

std::string FileOf(const std::string& recordBytes) {
  return cRecordBytes().Int32(836).Raw(recordBytes).Bytes();
}

}  // namespace

class RecordLayoutTest : public RecordTest {};

TEST_F(RecordLayoutTest, ExampleRecordIsWrittenAndReadByteForByte) {
  cSampleRecord record = ExampleRecord();
  EXPECT_EQ(RecordImageAt(record), FileOf(kExampleBytes));

  WriteFileBytes(Path("example.dat"), FileOf(kExampleBytes));
  cSampleRecord loaded;
  ASSERT_EQ(loaded.LoadFromFile(Path("example.dat")), 1);
  EXPECT_EQ(loaded, ExampleRecord());

  ASSERT_EQ(loaded.SaveToFile(Path("again.dat")), 1);
  EXPECT_EQ(ReadFileBytes(Path("again.dat")), FileOf(kExampleBytes));
}

TEST_F(RecordLayoutTest, EveryElementSizeIsLittleEndianInRegistrationOrder) {
  cVersionedRecord record;
  record.m_nBase = -2;
  record.m_nPair[0] = 0x0102;
  record.m_nPair[1] = -1;
  record.m_dRate = 0.25;
  record.m_byFlag = 0xAB;
  record.m_strName = "n";
  record.m_strNote = "";
  const std::string expected = cRecordBytes()
                                   .Int32(836)
                                   .Int32(4)
                                   .Int32(-2)
                                   .Int16(0x0102)
                                   .Int16(-1)
                                   .Double(0.25)
                                   .Int8(static_cast<int8_t>(0xAB))
                                   .Int32(2)
                                   .Text("n")
                                   .Text("")
                                   .Bytes();
  EXPECT_EQ(RecordImageAt(record), expected);

  cVersionedRecord loaded;
  ASSERT_EQ(LoadRecordImage(loaded, ToImage(expected)), eRecordFile::Ok);
  EXPECT_EQ(loaded, record);
}

TEST_F(RecordLayoutTest, LoadRemovesCarriageReturnsFromEveryRegisteredString) {
  // The file holds one string; the second keeps its value but loses its CRs too.
  const std::string file =
      cRecordBytes().Int32(836).Int32(0).Int32(1).Text("a\r\nb\r\r").Bytes();
  cSampleRecord record;
  record.m_strSecond = "x\ry";
  ASSERT_EQ(LoadRecordImage(record, ToImage(file)), eRecordFile::Ok);
  EXPECT_EQ(record.m_strFirst, "a\nb");
  EXPECT_EQ(record.m_strSecond, "xy");
}

TEST_F(RecordLayoutTest, StoredTextEndsAtItsFirstZeroByte) {
  // L = 6 covers "ab", a zero and three more bytes: the text is "ab".
  const std::string file = cRecordBytes()
                               .Int32(836)
                               .Int32(0)
                               .Int32(1)
                               .Int32(6)
                               .Raw(std::string("ab\0cd\0", 6))
                               .Bytes();
  cSampleRecord record;
  ASSERT_EQ(LoadRecordImage(record, ToImage(file)), eRecordFile::Ok);
  EXPECT_EQ(record.m_strFirst, "ab");
}

TEST_F(RecordLayoutTest, TextIsLimitedTo5119BytesOnACharacterBoundary) {
  // One single-byte character, then double-byte characters (あ is 82 A0): a cut
  // at 5119 bytes falls exactly between two of them.
  std::string longText = "a";
  while (longText.size() < 6000) longText += "\x82\xA0";
  const std::string limited = longText.substr(0, 5119);
  // And one where 5119 would split a character: the cut moves back one byte.
  std::string evenText;
  while (evenText.size() < 6000) evenText += "\x82\xA0";
  const std::string evenLimited = evenText.substr(0, 5118);

  struct Case {
    std::string text, expected;
  } cases[] = {{longText, limited}, {evenText, evenLimited}};
  for (const Case& c : cases) {
    // Loading a longer stored text keeps what a string can hold.
    const std::string file = cRecordBytes().Int32(836).Int32(0).Int32(1).Text(c.text).Bytes();
    cSampleRecord loaded;
    ASSERT_EQ(LoadRecordImage(loaded, ToImage(file)), eRecordFile::Ok);
    EXPECT_EQ(loaded.m_strFirst, c.expected);

    // Saving a longer string writes (and leaves) what loading gives back.
    cSampleRecord record;
    record.m_strFirst = c.text;
    const std::string expected = FileOf(cRecordBytes()
                                            .Int32(2)
                                            .Int32(0)
                                            .Raw(std::string(3, '\0'))
                                            .Int32(2)
                                            .Text(c.expected)
                                            .Text("")
                                            .Bytes());
    EXPECT_EQ(RecordImageAt(record), expected);
    EXPECT_EQ(record.m_strFirst, c.expected);
  }
}

TEST_F(RecordLayoutTest, SaveWritesAStringUpToItsFirstZeroByte) {
  cSampleRecord record;
  record.m_strFirst = std::string("ab\0cd", 5);
  const std::string image = RecordImageAt(record);
  const std::string expectedStrings = cRecordBytes().Int32(2).Text("ab").Text("").Bytes();
  EXPECT_EQ(image.substr(image.size() - expectedStrings.size()), expectedStrings);
}
