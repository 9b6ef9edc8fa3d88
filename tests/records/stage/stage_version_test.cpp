// Stage files of older data versions: what each version registers, the
// migration of each version step (a file just below the step and one at it),
// old erase areas, and the back-layer layouts of versions 60 to 62.

#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <string>

#include "stage_fixtures.h"

namespace {

int32_t FieldBytes(cRecord& record, int32_t version) {
  record.RegisterFields(version);
  int32_t bytes = 0;
  for (const FIELDDATA& field : record.FieldTable()) bytes += field.nCount * field.bySize;
  record.RegisterFields(g_nDataVersion);
  return bytes;
}

int32_t FieldCount(cRecord& record, int32_t version) {
  record.RegisterFields(version);
  const int32_t count = record.FieldTable().VectorSize();
  record.RegisterFields(g_nDataVersion);
  return count;
}

TEST(StageLayoutTest, HeaderFieldsByVersion) {
  const struct {
    int32_t version;
    int32_t fields;
  } rows[] = {{154, 71}, {155, 79}, {166, 80}, {183, 81}, {184, 82},
              {199, 83}, {200, 97}, {224, 97}, {225, 98}, {836, 98}};
  cStageData stage;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.version);
    EXPECT_EQ(FieldCount(stage, row.version), row.fields);
    // Six doubles at every version; every other field an int32.
    EXPECT_EQ(FieldBytes(stage, row.version), (row.fields - 6) * 4 + 6 * 8);
  }
  stage.RegisterFields(g_nDataVersion);
  EXPECT_EQ(stage.StringTable().VectorSize(), 1);
}

TEST(StageLayoutTest, EraseAreaAndBackLayerFieldsByVersion) {
  cEraseArea area;
  EXPECT_EQ(FieldCount(area, 124), 5);
  EXPECT_EQ(FieldCount(area, 125), 8);
  cBackLayer layer;
  EXPECT_EQ(FieldCount(layer, 60), 5);
  EXPECT_EQ(FieldCount(layer, 61), 9);
  EXPECT_EQ(FieldCount(layer, 62), 10);
  EXPECT_EQ(FieldBytes(layer, 836), 56);
}

// Hand-written layers of versions 60, 61 and 62: the values read, the 4-byte
// pairs of the old layouts thrown away, and what the old layouts lack kept
// at the defaults.
TEST(StageLayoutTest, BackLayersOfVersions60To62) {
  const std::string v60 = cRecordBytes()
                              .Int32(5).Int32(1).Int32(20).Int32(1).Int32(-7).Int32(-8)
                              .Int32(1).Text("bmp\\a.bmp")
                              .Bytes();
  const std::string v61 = cRecordBytes()
                              .Int32(9).Int32(1).Int32(20).Int32(1).Double(0.5).Double(0.25)
                              .Int32(1).Int32(0).Int32(-7).Int32(-8)
                              .Int32(1).Text("bmp\\a.bmp")
                              .Bytes();
  const std::string v62 = cRecordBytes()
                              .Int32(10).Int32(0).Int32(1).Int32(20).Int32(1).Double(0.5)
                              .Double(0.25).Int32(1).Int32(0).Double(3.0).Double(4.0)
                              .Int32(1).Text("bmp\\a.bmp")
                              .Bytes();
  const struct {
    int32_t version;
    const std::string& bytes;
    double speedX, speedY;
    int32_t visible, autoX;
    double offsetX;
  } rows[] = {{60, v60, 0.1, 0.1, 1, 0, 0.0}, {61, v61, 0.5, 0.25, 1, 1, 0.0},
              {62, v62, 0.5, 0.25, 0, 1, 3.0}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.version);
    cBackLayer layer;
    cRecordReader reader(ToImage(row.bytes), row.version);
    ASSERT_TRUE(layer.Load(reader));
    EXPECT_EQ(reader.Remaining(), 0u);
    EXPECT_EQ(layer.m_bFill, 1);
    EXPECT_EQ(layer.m_nFillColor, 20);
    EXPECT_EQ(layer.m_nPass, 1);
    EXPECT_EQ(layer.m_strImage, "bmp\\a.bmp");
    EXPECT_EQ(layer.m_dSpeedX, row.speedX);
    EXPECT_EQ(layer.m_dSpeedY, row.speedY);
    EXPECT_EQ(layer.m_bVisible, row.visible);
    EXPECT_EQ(layer.m_bAutoX, row.autoX);
    EXPECT_EQ(layer.m_dOffsetX, row.offsetX);
  }
}

// A stage whose migrated members differ from both their defaults and their
// migration values.
cStageData MigrationSample() {
  cStageData stage;
  stage.m_nHeroHitW = 20;
  stage.m_nHeroHitH = 21;
  stage.m_nHeroHitW2 = 22;
  stage.m_nHeroHitH2 = 23;
  stage.m_nCharaHitW = 24;
  stage.m_nCharaHitH = 25;
  stage.m_nCharaHitW2 = 26;
  stage.m_nCharaHitH2 = 27;
  stage.m_bHeroHitBottom = stage.m_bHeroHitBottom2 = 1;
  stage.m_bCharaHitBottom = stage.m_bCharaHitBottom2 = 1;
  stage.m_nBgmOption = 0;
  stage.m_ResultSwitches = {1, 1, 1, 1, 1};
  stage.m_nSceneSetting = 0;
  stage.m_bResultAutoEnd = 1;
  stage.m_bBgmContinue = 1;
  stage.m_nHeroBoxW = 40;
  stage.m_nHeroBoxH = 41;
  stage.m_nHeroBoxW2 = 42;
  stage.m_nHeroBoxH2 = 43;
  stage.m_bHeroBoxBottom = 0;
  stage.m_bHeroBoxBottom2 = 1;
  stage.m_nShowMainBox = 2;
  stage.m_nMainBoxColour = 7;
  stage.m_nCharaBoxW = 44;
  stage.m_nCharaBoxH = 45;
  stage.m_nCharaBoxW2 = 46;
  stage.m_nCharaBoxH2 = 47;
  stage.m_bCharaBoxBottom = 0;
  stage.m_bCharaBoxBottom2 = 0;
  stage.m_bStartBanner2 = 1;
  stage.m_VarNames.assign(10, cVarName("v"));
  return stage;
}

using Fields = std::vector<int32_t>;

// Each step: the version from which the file stores what the step fills, and
// the members it covers, as migrated and as stored.
struct cMigrationRow {
  int32_t from;
  std::function<Fields(const cStageData&)> read;
  Fields migrated;
  Fields stored;
};

TEST(StageMigrationTest, EachStepRunsBelowItsVersionOnly) {
  const cMigrationRow rows[] = {
      {155,
       [](const cStageData& s) {
         return Fields{s.m_nHeroHitW2, s.m_nHeroHitH2, s.m_nCharaHitW2, s.m_nCharaHitH2,
                       s.m_bHeroHitBottom, s.m_bHeroHitBottom2, s.m_bCharaHitBottom, s.m_bCharaHitBottom2};
       },
       {20, 21, 24, 25, 0, 0, 0, 0},
       {22, 23, 26, 27, 1, 1, 1, 1}},
      {166, [](const cStageData& s) { return Fields{s.m_nBgmOption}; }, {1}, {0}},
      {181, [](const cStageData& s) { return Fields(s.m_ResultSwitches.begin(), s.m_ResultSwitches.end()); },
       {1, 1, 1, 0, 0}, {1, 1, 1, 1, 1}},
      {183, [](const cStageData& s) { return Fields{s.m_nSceneSetting}; }, {1}, {0}},
      {184, [](const cStageData& s) { return Fields{s.m_bResultAutoEnd}; }, {0}, {1}},
      {199, [](const cStageData& s) { return Fields{s.m_bBgmContinue}; }, {0}, {1}},
      {200,
       [](const cStageData& s) {
         return Fields{s.m_nHeroBoxW, s.m_nHeroBoxH, s.m_nHeroBoxW2, s.m_nHeroBoxH2,
                       s.m_bHeroBoxBottom, s.m_bHeroBoxBottom2, s.m_nShowMainBox, s.m_nMainBoxColour,
                       s.m_nCharaBoxW, s.m_nCharaBoxH, s.m_nCharaBoxW2, s.m_nCharaBoxH2,
                       s.m_bCharaBoxBottom, s.m_bCharaBoxBottom2};
       },
       {16, 24, 16, 16, 1, 0, 0, 5, 16, 30, 16, 30, 1, 1},
       {40, 41, 42, 43, 0, 1, 2, 7, 44, 45, 46, 47, 0, 0}},
      {225, [](const cStageData& s) { return Fields{s.m_bStartBanner2}; }, {0}, {1}},
      {754, [](const cStageData& s) { return Fields{s.m_VarNames.VectorSize()}; }, {1000}, {10}},
  };
  for (const cMigrationRow& row : rows) {
    for (const int32_t version : {row.from - 1, row.from}) {
      SCOPED_TRACE(version);
      cStageData loaded;
      ASSERT_EQ(LoadRecordImage(loaded, ToImage(StageImage(MigrationSample(), version))), eRecordFile::Ok);
      EXPECT_EQ(row.read(loaded), version < row.from ? row.migrated : row.stored);
    }
  }
}

TEST(StageMigrationTest, ShortResultSwitchListsOfOldFilesGrowToFive) {
  cStageData stage;
  stage.m_ResultSwitches = {1, 1, 1};
  cStageData loaded;
  ASSERT_EQ(LoadRecordImage(loaded, ToImage(StageImage(stage, 180))), eRecordFile::Ok);
  EXPECT_EQ(loaded.m_ResultSwitches, (cVector<int32_t>{1, 1, 1, 0, 0}));
  ASSERT_EQ(LoadRecordImage(loaded, ToImage(StageImage(stage, 181))), eRecordFile::Ok);
  EXPECT_EQ(loaded.m_ResultSwitches, (cVector<int32_t>{1, 1, 1}));
}

// Version 124 stores only the left switch of each erase area: the others
// take the area's defaults, never the values of the stage loaded before.
TEST_F(StageTest, EraseAreasOfVersion124TakeTheirDefaultSwitches) {
  cStageData stage = SmallestStage();
  for (cEraseArea& area : stage.m_EraseAreas) {
    area.m_bLeft = 1;
    area.m_bRight = area.m_bTop = area.m_bBottom = 0;
    area.m_nLeft = 1;
    area.m_nRight = 2;
    area.m_nTop = 3;
    area.m_nBottom = 4;
  }
  g_Stage = SmallestStage();
  g_Stage.m_EraseAreas.CheckedVectorAt(kEraseCharas).m_bRight = 1;
  ASSERT_EQ(LoadImage(StageImage(stage, 124)), 1);
  for (int32_t kind = 0; kind < kEraseAreaCount; ++kind) {
    SCOPED_TRACE(kind);
    const cEraseArea& area = g_Stage.m_EraseAreas.CheckedVectorAt(kind);
    const int32_t sides = kind >= kErasePlayerShots ? 1 : 0;
    EXPECT_EQ(area.m_bLeft, 1);
    EXPECT_EQ(area.m_bRight, sides);
    EXPECT_EQ(area.m_bTop, sides);
    EXPECT_EQ(area.m_bBottom, sides);
    EXPECT_EQ(area.m_nLeft + area.m_nRight + area.m_nTop + area.m_nBottom, 10);
  }
  ASSERT_EQ(LoadImage(StageImage(stage, 125)), 1);
  EXPECT_EQ(g_Stage.m_EraseAreas.CheckedVectorAt(kEraseOtherShots).m_bRight, 0);
}

}  // namespace
