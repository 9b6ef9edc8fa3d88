// The settings file: layout per data version, byte-exact saves, refused files.

#include <gtest/gtest.h>

#include <string>

#include "settings_fixtures.h"

namespace {

// Field and string counts at the head of an image's base record.
struct BaseHead {
  int32_t fields = -1;
  int32_t fieldBytes = -1;
};

BaseHead HeadOf(cSystemData& settings, int32_t version) {
  settings.RegisterFields(version);
  BaseHead head{0, 0};
  for (const FIELDDATA& field : settings.FieldTable()) {
    ++head.fields;
    head.fieldBytes += field.nCount * field.bySize;
  }
  settings.RegisterFields(g_nDataVersion);
  return head;
}

}  // namespace

TEST_F(SettingsTest, EachVersionStoresItsOwnFields) {
  struct Case {
    int32_t version, fields, fieldBytes;
  } cases[] = {
      {100, 6, 24},   {166, 8, 32},    {167, 12, 48},  {187, 19, 67},
      {220, 27, 99},  {221, 28, 103},  {259, 30, 111}, {260, 29, 107},
      {820, 64, 247}, {821, 65, 251},  {836, 69, 267},
  };
  cSystemData settings;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    const BaseHead head = HeadOf(settings, c.version);
    EXPECT_EQ(head.fields, c.fields);
    EXPECT_EQ(head.fieldBytes, c.fieldBytes);
    // The image says the same, and one string follows the fields.
    const std::string image = RecordImageAt(settings, c.version);
    cRecordReader reader(ToImage(image), c.version, 4);
    int32_t fields = 0, strings = 0;
    ASSERT_TRUE(reader.Read(fields));
    EXPECT_EQ(fields, c.fields);
    std::string_view skipped;
    ASSERT_TRUE(reader.ReadView(static_cast<std::size_t>(c.fieldBytes), skipped));
    ASSERT_TRUE(reader.Read(strings));
    EXPECT_EQ(strings, 1);
  }
}

TEST_F(SettingsTest, CurrentFileRoundTripsByteForByte) {
  cSystemData source = DistinctSettings();
  source.SetBgmCount(5);
  const std::string image = RecordImageAt(source);

  cSystemData loaded;
  loaded.SetBgmCount(5);
  ASSERT_EQ(LoadSettingsImage(loaded, image), eRecordFile::Ok);
  EXPECT_EQ(RecordImageAt(loaded), image);
  EXPECT_EQ(loaded.m_TextList.CheckedVectorAt(29), "extra\r\ntext");
  EXPECT_EQ(loaded.m_ModeFlagList.CheckedVectorAt(1).m_Flags, (cVector<uint8_t>{1, 0, 1, 0, 1, 1}));
  EXPECT_EQ(loaded.m_StartLives.VectorSize(), 5);
}

TEST_F(SettingsTest, TooNewOrDamagedFileLeavesTheSettings) {
  cSystemData source = DistinctSettings();
  const std::string good = RecordImageAt(source);
  std::string tooNew = good;
  tooNew[0] = char(837 & 0xFF);
  tooNew[1] = char(837 >> 8);
  const std::string cut = good.substr(0, good.size() - 10);
  std::string badLength = good;
  // The last ini key's default text "": L = 1 becomes L = 0.
  badLength[badLength.size() - 4] = 0;

  struct Case {
    const char* what;
    std::string image;
    eRecordFile status;
  } cases[] = {
      {"version 837", tooNew, eRecordFile::TooNew},
      {"cut short", cut, eRecordFile::Damaged},
      {"string length 0", badLength, eRecordFile::Damaged},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    cSystemData settings;
    const std::string before = RecordImageAt(settings);
    EXPECT_EQ(LoadSettingsImage(settings, c.image), c.status);
    EXPECT_EQ(RecordImageAt(settings), before);
  }
}

TEST_F(SettingsTest, LoadsFromTheDataPath) {
  cSystemData source = DistinctSettings();
  WriteRecordFixture(Path("System.dat"), source);
  cSystemData loaded;
  ASSERT_EQ(loaded.LoadFromFile(Path("System.dat")), 1);
  EXPECT_EQ(loaded.m_strTitle, "ゲーム");
  EXPECT_EQ(loaded.LoadFromFile(Path("missing.dat")), 0);
}
