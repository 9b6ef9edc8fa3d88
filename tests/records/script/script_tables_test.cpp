// The vocabulary tables of conditions and the parameter descriptors of the
// shot settings: lookups by stored values, and the bytes of their labels.

#include <gtest/gtest.h>

#include <string>

#include "records/script/condition_tables.h"
#include "records/script/param_desc.h"

// Narrow literals here are compiled to CP932 bytes as the tables' are, so
// labels compare with literals directly.

TEST(ConditionTablesTest, StoredSelectorsOutsideTheTablesHaveNoEntry) {
  ASSERT_NE(CharaStatusDesc(14), nullptr);
  EXPECT_EQ(std::string(CharaStatusDesc(14)->lpLabel), "倒したら獲得するスコア");
  EXPECT_EQ(CharaStatusDesc(7)->nOperandMin, -121);
  EXPECT_EQ(CharaStatusDesc(15), nullptr);
  EXPECT_EQ(CharaStatusDesc(-1), nullptr);
  ASSERT_NE(SystemValueDesc(4), nullptr);
  EXPECT_EQ(std::string(SystemValueDesc(4)->lpLabel), "残り人数");
  EXPECT_EQ(SystemValueDesc(5), nullptr);
  ASSERT_NE(StateFlagDesc(5), nullptr);
  EXPECT_EQ(StateFlagDesc(5)->nDefault, 1);
  ASSERT_EQ(StateFlagDesc(5)->valueLabels.size(), 10u);
  EXPECT_EQ(std::string(StateFlagDesc(5)->valueLabels.back()), "×100");
  EXPECT_TRUE(StateFlagDesc(1)->valueLabels.empty());
  EXPECT_EQ(StateFlagDesc(7), nullptr);
}

TEST(ConditionTablesTest, LabelsAreShiftJisBytes) {
  // "距離条件" in code page 932.
  EXPECT_EQ(std::string(kConditionKindLabels[7]), "\x8B\x97\x97\xA3\x8F\xF0\x8C\x8F");
  EXPECT_EQ(std::string(kConditionKindLabels[0]), "");
}

TEST(ParamDescTest, FormationAndMovementTypeDescriptorsByStoredValue) {
  struct Row {
    const cParamDesc* desc;
    const char* label;
    int16_t min, max, def;
  } rows[] = {
      {FormationParamDesc(0, 0), "間隔(hbl)", 0, 40, 0},
      {FormationParamDesc(2, 0), "角度", 0, 180, 30},
      {FormationParamDesc(3, 1), "列の数", 1, 50, 1},
      {FormationParamDesc(3, 2), "列の間隔(hbl)", 0, 40, 0},
      {FormationParamDesc(4, 0), "", 0, 0, 0},
      {FormationParamDesc(5, 0), "距離(hbl)", 0, 40, 6},
      {MoveTypeParamDesc(0, 0), "", 0, 0, 0},
      {MoveTypeParamDesc(2, 1), "対象勢力", 0, 7, 0},
      {MoveTypeParamDesc(6, 1), "誘導終了(hbl)", 0, 999, 999},
      {MoveTypeParamDesc(7, 2), "対象勢力", 0, 7, 0},
      {MoveTypeParamDesc(8, 2), "開始角度", 0, 359, 0},
      {MoveTypeParamDesc(9, 0), "軌道変更(hbl)", 0, 40, 0},
  };
  for (const Row& row : rows) {
    ASSERT_NE(row.desc, nullptr) << row.label;
    EXPECT_EQ(row.desc->strLabel, row.label);
    EXPECT_EQ(row.desc->nMin, row.min) << row.label;
    EXPECT_EQ(row.desc->nMax, row.max) << row.label;
    EXPECT_EQ(row.desc->nDefault, row.def) << row.label;
  }
  // Malformed stored values have no descriptor.
  EXPECT_EQ(FormationParamDesc(6, 0), nullptr);
  EXPECT_EQ(FormationParamDesc(-1, 0), nullptr);
  EXPECT_EQ(FormationParamDesc(0, 3), nullptr);
  EXPECT_EQ(MoveTypeParamDesc(10, 0), nullptr);
  EXPECT_EQ(MoveTypeParamDesc(0, -1), nullptr);
  EXPECT_EQ(cParamDesc(nullptr, 1, 2, 3).strLabel, "");
}
