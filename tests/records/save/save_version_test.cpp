// Files of older data versions, the repairs after a load, and files that cannot
// be loaded.

#include <string>
#include <vector>

#include "records/save/save_fixtures.h"

namespace {

// What a load of the sample file of one version must give.
struct VersionRow {
  int32_t version;
  int32_t bgmOption;
  int32_t autoSave;
  int32_t result4;
  int32_t mapReturn;
  int32_t mapPrevX;
  int32_t clearValue;
  bool carryAllValid;    // else the stored alternating flags
  int32_t varCount;
  int32_t lastOldVar;    // variable 999
  int32_t flag0;
  const char* stageBase;  // of the save data
};

const VersionRow kVersionRows[] = {
    {165, 1, 0, 0, 0, 0, 0, true, 1001, 5, 1, "kept"},
    {168, 7, 0, 0, 0, 0, 0, true, 1001, 5, 1, "kept"},
    {181, 7, 1, 0, 0, 0, 0, true, 1001, 5, 1, "kept"},
    {189, 7, 1, 44, 0, 0, 0, true, 1001, 5, 1, "kept"},
    {190, 7, 1, 44, 1, 0, 0, true, 1001, 5, 1, "kept"},
    {193, 7, 1, 44, 1, 3, 0, true, 1001, 5, 1, "kept"},
    {500, 7, 1, 44, 1, 3, 9, true, 1001, 5, 1, "kept"},
    {501, 7, 1, 44, 1, 3, 9, false, 1001, 5, 1, "kept"},
    {723, 7, 1, 44, 1, 3, 9, false, 1001, 5, 1, "kept"},
    {724, 7, 1, 44, 1, 3, 9, false, 1001, 5, 1, "base."},
    {753, 7, 1, 44, 1, 3, 9, false, 1001, 5, 1, "base."},
    {754, 7, 1, 44, 1, 3, 9, false, 1200, 5, 1, "base."},
    {803, 7, 1, 44, 1, 3, 9, false, 1200, 5, 1, "base."},
    {804, 7, 1, 44, 1, 3, 9, false, 1200, 5, 0, "base."},
    {836, 7, 1, 44, 1, 3, 9, false, 1200, 5, 0, "base."},
};

}  // namespace

TEST_F(SaveDataTest, OlderFilesLoadWhatTheirVersionStoredAndMigrateTheRest) {
  cSaveData source = NewData();
  source.m_nBgmOption = 7;
  source.m_bAutoSave = 1;
  source.m_nResult4 = 44;
  source.m_bMapReturn = 1;
  source.m_nMapPrevX = 3;
  source.m_nClearValue = 9;
  source.m_strStageBase = "base.";
  for (int32_t i = 0; i < 25; ++i) source.m_CarryValid.CheckedVectorAt(i) = i % 2;
  source.m_Vars.resize(1200, 0);
  source.m_Vars.CheckedVectorAt(999) = 5;
  source.m_Vars.CheckedVectorAt(1100) = 6;
  source.m_MapFlags.CheckedVectorAt(0) = 0;
  source.m_MapFlags.CheckedVectorAt(5) = 1;

  for (const VersionRow& row : kVersionRows) {
    SCOPED_TRACE(row.version);
    // Members an old file lacks must be set by the migration, not left over.
    cSaveData loaded = NewData();
    loaded.m_nBgmOption = 70;
    loaded.m_bAutoSave = 2;
    loaded.m_nResult4 = 99;
    loaded.m_bMapReturn = 2;
    loaded.m_nMapPrevX = 8;
    loaded.m_nClearValue = 90;
    loaded.m_strStageBase = "kept";
    ASSERT_EQ(LoadImage(loaded, Image(source, row.version)), eRecordFile::Ok);

    EXPECT_EQ(loaded.m_nBgmOption, row.bgmOption);
    EXPECT_EQ(loaded.m_bAutoSave, row.autoSave);
    EXPECT_EQ(loaded.m_nResult4, row.result4);
    EXPECT_EQ(loaded.m_bMapReturn, row.mapReturn);
    EXPECT_EQ(loaded.m_nMapPrevX, row.mapPrevX);
    EXPECT_EQ(loaded.m_nClearValue, row.clearValue);
    EXPECT_EQ(loaded.m_strStageBase, row.stageBase);
    ASSERT_EQ(loaded.m_CarryValid.VectorSize(), 25);
    for (int32_t i = 0; i < 25; ++i) {
      EXPECT_EQ(loaded.m_CarryValid.CheckedVectorAt(i), row.carryAllValid ? 1 : i % 2) << i;
    }
    ASSERT_EQ(loaded.m_Vars.VectorSize(), row.varCount);
    EXPECT_EQ(loaded.m_Vars.CheckedVectorAt(999), row.lastOldVar);
    EXPECT_EQ(loaded.m_Vars.CheckedVectorAt(1000), 0);
    EXPECT_EQ(loaded.m_MapFlags.CheckedVectorAt(0), row.flag0);
    EXPECT_EQ(loaded.m_MapFlags.CheckedVectorAt(5), 1);
  }
}

TEST_F(SaveDataTest, StageClearsBefore759TakeTheirFileNameAsBaseName) {
  cSaveData source = NewData();
  source.RecordStageClear("stg\\a.", "stg\\a_c001_2.", 1, 1, 2, 300);
  for (int32_t version : {758, 759}) {
    SCOPED_TRACE(version);
    cSaveData loaded = NewData();
    ASSERT_EQ(LoadImage(loaded, Image(source, version)), eRecordFile::Ok);
    ASSERT_EQ(loaded.m_StageClears.VectorSize(), 1);
    const cStageClear& clear = loaded.m_StageClears.CheckedVectorAt(0);
    EXPECT_EQ(clear.m_strStageBase, version < 759 ? "stg\\a." : "stg\\a_c001_2.");
    EXPECT_EQ(clear.m_bUseKey, version < 759 ? 0 : 1);
    EXPECT_EQ(clear.m_nScore, 300);
  }
}

TEST_F(SaveDataTest, ShortListsArePaddedToTheLengthsTheProgramIndexes) {
  cSaveData source = NewData();
  source.m_CarryValid.assign(3, 1);
  source.m_HeroCarry.clear();
  source.m_MapFlags.clear();
  source.m_Vars.assign(10, 4);

  cSaveData loaded = NewData();
  ASSERT_EQ(LoadImage(loaded, Image(source)), eRecordFile::Ok);
  ASSERT_EQ(loaded.m_CarryValid.VectorSize(), 25);
  EXPECT_EQ(loaded.m_CarryValid.CheckedVectorAt(2), 1);
  EXPECT_EQ(loaded.m_CarryValid.CheckedVectorAt(3), 0);
  EXPECT_EQ(loaded.m_HeroCarry.VectorSize(), 1);
  EXPECT_EQ(loaded.m_MapFlags, cVector<int32_t>(1000, 0));
  ASSERT_EQ(loaded.m_Vars.VectorSize(), 1001);
  EXPECT_EQ(loaded.m_Vars.CheckedVectorAt(9), 4);
  EXPECT_EQ(loaded.m_Vars.CheckedVectorAt(10), 0);
  EXPECT_FALSE(ClosePosted());
}

TEST_F(SaveDataTest, LoadedIndexValuesAreBroughtIntoRange) {
  struct Row {
    int32_t rankTable, slot, wantRankTable, wantSlot;
  };
  for (const Row& row : {Row{9, 150, 4, -1}, Row{-2, -7, 0, -1}, Row{4, 98, 4, 98}, Row{0, -1, 0, -1}}) {
    SCOPED_TRACE(row.rankTable);
    cSaveData source = NewData();
    source.m_nRankTable = row.rankTable;
    source.m_nSlot = row.slot;
    cSaveData loaded = NewData();
    ASSERT_EQ(LoadImage(loaded, Image(source)), eRecordFile::Ok);
    EXPECT_EQ(loaded.m_nRankTable, row.wantRankTable);
    EXPECT_EQ(loaded.m_nSlot, row.wantSlot);
  }
}

TEST_F(SaveDataTest, SavingAndLoadingNormaliseToTheProjectAndWorldMap) {
  // Map 20 x 15 with its start at (9, 7); three challenge stages.
  cSaveData data = NewData();
  data.m_nMapX = 20;
  data.m_nMapY = 15;
  data.m_nChallengeReached = 5;
  data.m_StageProgress.resize(7);
  cSaveData loaded = NewData();
  ASSERT_EQ(LoadImage(loaded, Image(data)), eRecordFile::Ok);
  EXPECT_EQ(loaded.m_nMapX, 9);
  EXPECT_EQ(loaded.m_nMapY, 7);
  EXPECT_EQ(loaded.m_nChallengeReached, 3);
  EXPECT_EQ(loaded.m_StageProgress.VectorSize(), 3);

  data.m_nMapX = -1;
  data.m_nMapY = 14;
  data.m_nChallengeReached = 2;
  data.m_StageProgress.clear();
  data.Normalize();
  EXPECT_EQ(data.m_nMapX, -1);
  EXPECT_EQ(data.m_nMapY, 14);
  EXPECT_EQ(data.m_nChallengeReached, 2);
  EXPECT_EQ(data.m_StageProgress.VectorSize(), 3);
}

TEST_F(SaveDataTest, DamagedOrTooNewFilesLeaveTheRecordAsItWas) {
  const std::string image = Image(DistinctData());
  cSaveData data = NewData();
  data.m_nScore = 77;
  data.m_Vars.CheckedVectorAt(3) = 8;
  const std::string before = Image(data);

  // Cut inside the fields, the strings, the carry flags, the later lists and
  // the variables.
  for (std::size_t cut : {std::size_t{20}, std::size_t{170}, std::size_t{190}, std::size_t{300},
                          image.size() / 2, image.size() - 1}) {
    SCOPED_TRACE(cut);
    EXPECT_EQ(LoadImage(data, image.substr(0, cut)), eRecordFile::Damaged);
    EXPECT_EQ(Image(data), before);
  }
  std::string hugeCount = image;
  const int32_t count = 0x7fffffff;
  std::memcpy(hugeCount.data() + hugeCount.size() - 1001 * 4 - 4, &count, 4);
  EXPECT_EQ(LoadImage(data, hugeCount), eRecordFile::Damaged);
  EXPECT_EQ(LoadImage(data, WithVersion(image, g_nDataVersion + 1)), eRecordFile::TooNew);
  EXPECT_EQ(Image(data), before);
}
