// Stage names as the clear records keep them, the challenge suffix and the
// number formatting they use.

#include <climits>
#include <string>

#include "records/save/format_number.h"
#include "records/save/save_fixtures.h"

TEST(FormatNumber, PadsToTheWidthWithZerosOrBlanksAndSigns) {
  struct Row {
    int32_t value, width, zeroPad, plusSign;
    const char* text;
  };
  const Row rows[] = {
      {7, 3, 1, 0, "007"},   {-7, 3, 1, 0, "-007"},  {7, 3, 0, 1, "  +7"},
      {-7, 3, 0, 0, "  -7"}, {0, 2, 1, 1, "+00"},    {1234, 3, 1, 0, "1234"},
      {5, 0, 1, 0, "5"},     {5, -4, 0, 0, "5"},     {INT32_MIN, 2, 1, 0, "-2147483648"},
  };
  for (const Row& row : rows) {
    std::string text = "old";
    FormatNumber(text, row.value, row.width, row.zeroPad, row.plusSign);
    EXPECT_EQ(text, row.text) << row.value << " width " << row.width;
  }
}

TEST(StageName, CutsTheExtensionOrTheNumberedPartKeepingTheDot) {
  struct Row {
    const char* name;
    int32_t multiPart;
    const char* stageFile;
  };
  const Row rows[] = {
      {"data\\stg4\\field-1.stg4_836", 1, "data\\stg4\\field."},
      {"data\\stg4\\field-2.stg4_836", 0, "data\\stg4\\field-2."},
      {"stage3-1.stg4_836", 1, "stage3."},
      {"stage4.stg4_836", 0, "stage4."},
      {"a-1b-1c.stg4_836", 1, "a-1b."},  // the last "-1" counts
      {"data\\stg4.old\\stage", 0, "data\\stg4.old\\stage"},  // no extension: kept
      {"", 0, ""},
  };
  cSaveData data;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    data.m_bMultiPart = 1 - row.multiPart;
    data.SetStageName(row.name, 0, 4, 5);
    EXPECT_EQ(data.m_bMultiPart, row.multiPart);
    EXPECT_EQ(data.m_strStageFile, row.stageFile);
    EXPECT_EQ(data.m_strStageBase, row.stageFile);
    EXPECT_EQ(data.m_nKey1, 4);
    EXPECT_EQ(data.m_nKey2, 5);
  }
}

TEST(StageName, KeysAddTheChallengeSuffixToTheBaseName) {
  cSaveData data;
  data.SetStageName("data\\stg4\\field-1.stg4_836", 1, 12, 7);
  EXPECT_EQ(data.m_bUseKey, 1);
  EXPECT_EQ(data.m_strStageFile, "data\\stg4\\field.");
  EXPECT_EQ(data.m_strStageBase, "data\\stg4\\field_c012_7.");

  struct Row {
    const char* base;
    int32_t flag, key1, key2;
    const char* result;
  };
  const Row rows[] = {
      {"stage.", 1, 12, 7, "stage_c012_7."},   {"stage.", 1, 1234, 7, "stage_c1234_7."},
      {"stage3.", 1, 1, 2, "stage3_c001_2."},  {"stage", 1, 1, -2, "stage_c001_-2"},
      {"stage.", 0, 1, 2, "stage."},           {"", 1, 0, 0, "_c000_0"},
  };
  for (const Row& row : rows) {
    std::string name = row.base;
    AppendChallengeSuffix(name, row.flag, row.key1, row.key2);
    EXPECT_EQ(name, row.result) << row.base;
  }
}
