// The rules of a stage record: the physics values of each collision level,
// the repairs of a load (scroll limits, palette padding, music), stage
// templates resolved entry by entry while the palettes fill, the hero search,
// the replay layout and the file's bytes.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "stage_fixtures.h"

namespace {

TEST(CollisionLevelTest, DerivedPhysicsValues) {
  const struct {
    int32_t level;
    int32_t steps;
    double maxSpeed;
    double maxSubSpeed;
  } rows[] = {
      {1, 1, 6.0, 6.0},
      {10, 10, 60.0, 6.0},
      {11, 1, 60.0, 60.0},
      {15, 5, 60.0, 12.0},
      {19, 9, 60.0, 60.0 / 9},
      {20, 20, 120.0, 6.0},
      // Below 1: the default level, no division by zero.
      {0, 10, 60.0, 6.0},
      {-1, 10, 60.0, 6.0},
      // Huge levels are capped.
      {std::numeric_limits<int32_t>::max(), kMaxCollisionLevel, 6.0 * kMaxCollisionLevel, 6.0},
  };
  cStageData stage;
  stage.m_dGravity = 0.5;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.level);
    stage.SetCollisionLevel(row.level);
    EXPECT_EQ(stage.m_nCollisionLevel, row.level);
    EXPECT_EQ(stage.m_nSubSteps, row.steps);
    EXPECT_EQ(stage.m_dSubSteps, row.steps);
    EXPECT_EQ(stage.m_dSubSteps2, static_cast<double>(row.steps) * row.steps);
    EXPECT_DOUBLE_EQ(stage.m_dMaxSpeed, row.maxSpeed);
    EXPECT_DOUBLE_EQ(stage.m_dMaxSubSpeed, row.maxSubSpeed);
    EXPECT_EQ(stage.m_dSubGravity, 0.5 / (row.steps * row.steps));
    EXPECT_EQ(stage.m_nFallSteps, 8 * row.steps);
    EXPECT_EQ(stage.m_nCycleSteps, 6 * row.steps);
  }
}

// The stored values of the derived fields carry nothing: a load recomputes
// them from the level, which it keeps as stored.
TEST(CollisionLevelTest, ALoadRecomputesFromTheStoredLevel) {
  cStageData stage;
  stage.m_nCollisionLevel = 0;
  std::string image = StageImage(stage);
  cStageData loaded;
  ASSERT_EQ(LoadRecordImage(loaded, ToImage(image)), eRecordFile::Ok);
  EXPECT_EQ(loaded.m_nCollisionLevel, 0);
  EXPECT_EQ(loaded.m_nSubSteps, 10);
  loaded.m_nCollisionLevel = 15;
  ASSERT_EQ(LoadRecordImage(loaded, ToImage(StageImage(loaded))), eRecordFile::Ok);
  EXPECT_EQ(loaded.m_nSubSteps, 5);
  EXPECT_EQ(loaded.m_dMaxSubSpeed, 12.0);
}

TEST(StageNormalizeTest, ScrollLimitsAreClampedFromAboveOnly) {
  cStageData stage;
  stage.m_nWidth = 30;
  stage.m_nHeight = 20;
  const struct {
    int32_t cStageData::*limit;
    int32_t stored;
    int32_t expected;
  } rows[] = {
      {&cStageData::m_nScrollLimitLeft, 15, 10},   {&cStageData::m_nScrollLimitLeft, -500, -500},
      {&cStageData::m_nScrollLimitRight, 40, 29},  {&cStageData::m_nScrollLimitRight, 29, 29},
      {&cStageData::m_nScrollLimitTop, 10, 5},     {&cStageData::m_nScrollLimitTop, 4, 4},
      {&cStageData::m_nScrollLimitBottom, 25, 19}, {&cStageData::m_nScrollLimitBottom, 0, 0},
  };
  for (const auto& row : rows) {
    stage.*row.limit = row.stored;
    stage.Normalize();
    EXPECT_EQ(stage.*row.limit, row.expected) << row.stored;
  }
  // No overflow at the far end of the size range.
  stage.m_nWidth = std::numeric_limits<int32_t>::min();
  stage.m_nScrollLimitLeft = 0;
  stage.Normalize();
  EXPECT_EQ(stage.m_nScrollLimitLeft, std::numeric_limits<int32_t>::min());
}

TEST(StageNormalizeTest, OneEntryPalettesLoadWithTwoAndMusicPastTheDatabaseIsDropped) {
  cStageData stage = SmallestStage();
  stage.m_nBgm = 2;  // the default database has 2 music entries
  const std::string image = RawStageImage(stage);
  cStageData loaded;
  ASSERT_EQ(LoadRecordImage(loaded, ToImage(image)), eRecordFile::Ok);
  EXPECT_EQ(loaded.PaletteSizes().nBlocks, 2u);
  EXPECT_EQ(loaded.PaletteSizes().nCharas, 2u);
  EXPECT_EQ(loaded.PaletteSizes().nItems, 2u);
  EXPECT_EQ(loaded.m_nBgm, 0);

  cValidateContext context = cValidateContext::Defaults();
  context.SetListSize(eDatabaseList::Bgm, 3);
  const cValidateContextScope scope(context);
  ASSERT_EQ(LoadRecordImage(loaded, ToImage(image)), eRecordFile::Ok);
  EXPECT_EQ(loaded.m_nBgm, 2);
}

cCharaDef NamedChara(const char* name, int16_t graphic) {
  cCharaDef chara;
  chara.m_strName = name;
  chara.m_nGraphic = graphic;
  return chara;
}

// A part taking its name (group 0) and graphic (group 9) from stage template
// index.
cCharaDef Inheriting(cCharaDef chara, int16_t index) {
  chara.m_nTemplateKind = kTemplateStage;
  chara.m_nTemplateIndex = index;
  chara.m_Inherit.CheckedVectorAt(0) = 1;
  chara.m_Inherit.CheckedVectorAt(9) = 1;
  return chara;
}

// Stage templates resolve against the palette being read, in index order: an
// earlier entry as loaded, a later one still a default part. Placements see
// the whole palette, so the hero here is a hero only through its template.
TEST_F(StageTest, StageTemplatesResolveEntryByEntryAgainstTheLoadingStage) {
  cStageData stage;
  stage.m_CharaPalette = {cCharaDef(), Inheriting(NamedChara("一", 0), 2), NamedChara("二", 7),
                          Inheriting(NamedChara("三", 0), 2)};
  stage.m_PlacedCharas = {Inheriting(NamedChara("配置", 0), 3)};
  stage.m_PlacedCharas.CheckedVectorAt(0).m_nControl = cCharaDef::kControlPlayer;
  // The stage in play has a palette of its own; nothing resolves against it.
  g_Stage.m_CharaPalette = {cCharaDef(), cCharaDef(), NamedChara("古い", 9), cCharaDef()};
  ASSERT_EQ(LoadImage(StageImage(stage)), 1) << testing::PrintToString(boxes_);

  const cVector<cCharaDef>& palette = g_Stage.m_CharaPalette;
  EXPECT_EQ(palette.CheckedVectorAt(1).m_strName, "");  // forward: the default part
  EXPECT_EQ(palette.CheckedVectorAt(1).m_nGraphic, 0);
  EXPECT_EQ(palette.CheckedVectorAt(3).m_strName, "二");
  EXPECT_EQ(palette.CheckedVectorAt(3).m_nGraphic, 7);
  EXPECT_EQ(g_Stage.m_PlacedCharas.CheckedVectorAt(0).m_strName, "二");
  EXPECT_EQ(g_HeroDef.m_nGraphic, 7);
  // The references themselves are kept.
  EXPECT_EQ(palette.CheckedVectorAt(1).m_nTemplateKind, kTemplateStage);
  EXPECT_EQ(palette.CheckedVectorAt(1).m_nTemplateIndex, 2);
}

TEST(StageHeroTest, FindHeroTakesTheFirstPlayerCharaWithAGraphic) {
  auto chara = [](int16_t graphic, int8_t control) {
    cCharaDef part;
    part.m_nGraphic = graphic;
    part.m_nControl = control;
    return part;
  };
  const int8_t player = cCharaDef::kControlPlayer;
  const int8_t computer = cCharaDef::kControlComputer;
  const struct {
    std::vector<cCharaDef> charas;
    int32_t hero;
  } rows[] = {
      {{}, -1},
      {{chara(0, player), chara(3, computer)}, -1},
      {{chara(0, player), chara(3, computer), chara(2, player), chara(4, player)}, 2},
      {{chara(5, player)}, 0},
  };
  for (const auto& row : rows) {
    cStageData stage;
    stage.m_PlacedCharas.assign(row.charas.begin(), row.charas.end());
    EXPECT_EQ(stage.FindHero(), row.hero);
    EXPECT_EQ(stage.HasHero(), row.hero != -1);
  }
}

// A replay keeps the header parts of the stage as loaded with the parts of
// the stage as played.
TEST(StageReplayTest, SaveForReplayTakesTheHeaderPartsFromTheHeaderStage) {
  cStageData header = SmallestStage();
  header.m_strText = "見出し";
  header.m_nTimeLimit = 99;
  header.m_ResultSwitches = {0, 1, 0, 1, 0};
  header.m_EraseAreas.CheckedVectorAt(kEraseItems).m_nLeft = 6;
  header.m_BackLayers.CheckedVectorAt(0).m_strImage = "bmp\\h.bmp";
  header.m_VarNames.assign(2, cVarName("h"));
  cStageData played = SmallestStage();
  played.m_nTimeLimit = 5;
  played.m_PlacedBlocks.resize(3);
  played.m_BlockPalette.resize(4);

  cRecordWriter writer(g_nDataVersion);
  writer.Write(g_nDataVersion);
  played.SaveForReplay(writer, header);
  cStageData loaded;
  ASSERT_EQ(LoadRecordImage(loaded, writer.TakeBytes()), eRecordFile::Ok);
  EXPECT_EQ(loaded.m_strText, "見出し");
  EXPECT_EQ(loaded.m_nTimeLimit, 99);
  EXPECT_EQ(loaded.m_ResultSwitches, header.m_ResultSwitches);
  EXPECT_EQ(loaded.m_EraseAreas, header.m_EraseAreas);
  EXPECT_EQ(loaded.m_BackLayers, header.m_BackLayers);
  EXPECT_EQ(loaded.m_VarNames, header.m_VarNames);
  EXPECT_EQ(loaded.m_PlacedBlocks.size(), 3u);
  EXPECT_EQ(loaded.m_BlockPalette.size(), 4u);
}

// The bytes a save writes: header, counts and the end mark in file order.
TEST(StageFileBytesTest, ASaveWritesTheStageFileLayout) {
  cStageData stage;
  stage.m_strText = "t";
  const std::string image = StageImage(stage);
  const std::string head = cRecordBytes().Int32(836).Int32(98).Bytes();
  ASSERT_GT(image.size(), head.size() + 416);
  EXPECT_EQ(image.substr(0, head.size()), head);
  // The string count and m_strText follow the 416 bytes of fields, then the
  // five result switches.
  const std::string afterFields =
      cRecordBytes().Int32(1).Text("t").Int32(5).Int32(1).Int32(1).Int32(1).Int32(1).Int32(1).Bytes();
  EXPECT_EQ(image.substr(head.size() + 416, afterFields.size()), afterFields);
  // No variable names; one back layer before them; the end mark last.
  EXPECT_EQ(image.substr(image.size() - 8), cRecordBytes().Int32(0).Raw("\x15\xCD\x5B\x07").Bytes());
}

TEST(BackLayerTest, AutoScrollWrapsIntoThePicture) {
  cBackLayer layer;
  layer.m_bAutoX = 1;
  layer.m_dSpeedX = 3;
  layer.m_dSpeedY = 5;  // no vertical auto-scroll: the offset stays
  layer.AdvanceAutoScroll(100, 50);
  EXPECT_EQ(layer.m_dOffsetX, 97);
  EXPECT_EQ(layer.m_dOffsetY, 0);
  layer.m_dSpeedX = -4;
  layer.m_dOffsetX = 98;
  layer.AdvanceAutoScroll(100, 50);
  EXPECT_EQ(layer.m_dOffsetX, 2);
}

}  // namespace
