// The save data's file form, written by hand, and the state of a new run.

#include <string>
#include <vector>

#include "records/save/save_fixtures.h"

namespace {

// The 35 int32 fields of the current layout in their stored order.
const std::vector<int32_t> kFieldValues = {
    1,    // m_bHasCarry
    3,    // m_nMapX
    4,    // m_nMapY
    0,    // the world-map entry's field
    2,    // m_nRound
    1,    // m_bUseKey
    12,   // m_nKey1
    7,    // m_nKey2
    5,    // m_nStage
    6,    // m_nStageNumber
    3,    // m_nStartLives
    2,    // m_nLives
    100,  // m_nScore
    200,  // m_nResultScore
    300,  // m_nTotalScore
    21,   // m_nResult2
    22,   // m_nResult3
    23,   // m_nResult4
    24,   // m_nResult5
    1,    // m_bMultiPart
    8,    // m_nBgmPlaying
    1,    // m_nBgmOption
    9,    // m_nClearValue
    1,    // m_bMapReturn
    10,   // m_nMapPrevX
    11,   // m_nMapPrevY
    2,    // m_nChallengeReached
    4,    // m_nSlot
    1,    // m_bAutoSave
    1,    // m_bShowRanking
    3,    // m_nRankTable
    1,    // m_bNextStart
    15,   // m_nNextX
    16,   // m_nNextY
    1,    // m_nNextFacing
};

// A default chara part as it follows a carried hero's five ints.
std::string DefaultCharaBytes() {
  cCharaDef chara;
  return RecordImageAt(chara).substr(4);
}

std::string HandWrittenSave() {
  cRecordBytes b;
  b.Int32(836).Int32(static_cast<int32_t>(kFieldValues.size()));
  for (int32_t value : kFieldValues) b.Int32(value);
  b.Int32(3).Text("data\\stg4\\field.").Text("data\\stg4\\field_c012_7.").Text("abc");
  for (int16_t part : {2024, 5, 3, 17, 13, 45, 12, 345}) b.Int16(part);
  b.Int32(25);
  for (int32_t i = 0; i < 25; ++i) b.Int32(i == 13 ? 1 : 0);
  b.Int32(1).Int32(5).Int32(31).Int32(32).Int32(150).Int32(4).Int32(6).Int32(0).Raw(DefaultCharaBytes());
  b.Int32(1).Int32(4).Int32(1).Int32(12).Int32(7).Int32(500);
  b.Int32(2).Text("data\\stg4\\field.").Text("data\\stg4\\field_c012_7.");
  b.Int32(2);
  b.Int32(2).Int32(1).Int32(800).Int32(0);
  b.Int32(2).Int32(0).Int32(0).Int32(0);
  b.Int32(1000);
  for (int32_t i = 0; i < 1000; ++i) b.Int32(i == 0 || i == 7 ? 1 : 0);
  b.Int32(1001);
  for (int32_t i = 0; i < 1001; ++i) b.Int32(i == 1000 ? -5 : i);
  return b.Bytes();
}

}  // namespace

TEST_F(SaveDataTest, HandWrittenFileLoadsEveryPartAndSavesTheSameBytes) {
  settings_.m_nChallengeStages = 2;
  cSaveData data = NewData();
  ASSERT_EQ(LoadImage(data, HandWrittenSave()), eRecordFile::Ok);

  EXPECT_EQ(data.m_nMapX, 3);
  EXPECT_EQ(data.m_nKey1, 12);
  EXPECT_EQ(data.m_nTotalScore, 300);
  EXPECT_EQ(data.m_nResult5, 24);
  EXPECT_EQ(data.m_nClearValue, 9);
  EXPECT_EQ(data.m_nMapPrevY, 11);
  EXPECT_EQ(data.m_nSlot, 4);
  EXPECT_EQ(data.m_nRankTable, 3);
  EXPECT_EQ(data.m_nNextFacing, 1);
  EXPECT_EQ(data.m_strStageFile, "data\\stg4\\field.");
  EXPECT_EQ(data.m_strStageBase, "data\\stg4\\field_c012_7.");
  EXPECT_EQ(data.m_strRankName, "abc");
  EXPECT_EQ(data.m_stSaveTime, (SAVETIME{2024, 5, 3, 17, 13, 45, 12, 345}));
  EXPECT_EQ(data.m_CarryValid.CheckedVectorAt(13), 1);
  EXPECT_EQ(data.m_CarryValid.CheckedVectorAt(12), 0);
  ASSERT_EQ(data.m_HeroCarry.VectorSize(), 1);
  EXPECT_EQ(data.m_HeroCarry.CheckedVectorAt(0).m_nHp, 31);
  EXPECT_EQ(data.m_HeroCarry.CheckedVectorAt(0).m_nBgm, 6);
  ASSERT_EQ(data.m_StageClears.VectorSize(), 1);
  EXPECT_EQ(data.m_StageClears.CheckedVectorAt(0).m_nKey2, 7);
  EXPECT_EQ(data.m_StageClears.CheckedVectorAt(0).m_nScore, 500);
  EXPECT_EQ(data.m_StageClears.CheckedVectorAt(0).m_strStageBase, "data\\stg4\\field_c012_7.");
  ASSERT_EQ(data.m_StageProgress.VectorSize(), 2);
  EXPECT_EQ(data.m_StageProgress.CheckedVectorAt(0).m_nBestScore, 800);
  EXPECT_EQ(data.m_MapFlags.CheckedVectorAt(7), 1);
  EXPECT_EQ(data.m_Vars.CheckedVectorAt(999), 999);
  EXPECT_EQ(data.m_Vars.CheckedVectorAt(1000), -5);

  EXPECT_EQ(Image(data), HandWrittenSave());
}

TEST_F(SaveDataTest, CurrentFileRoundTripsEveryPart) {
  const cSaveData source = DistinctData();
  cSaveData loaded = NewData();
  ASSERT_EQ(LoadImage(loaded, Image(source)), eRecordFile::Ok);
  EXPECT_TRUE(SameSaved(loaded, source));
  EXPECT_EQ(loaded.m_HeroCarry.CheckedVectorAt(0).m_Chara.m_strName, "勇者");
  EXPECT_EQ(loaded.m_StageClears.CheckedVectorAt(1).m_strStageBase, "data\\stg4\\b_c001_2.");
}

TEST_F(SaveDataTest, NewRunStartsFromTheResetState) {
  cSaveData data = DistinctData();
  data.m_lpMapStage = &map_.m_Nodes2.CheckedVectorAt(0).m_Stages.emplace_back();
  data.ResetProgress();

  for (cSaveData* reset : {&data, &g_SaveData}) {
    SCOPED_TRACE(reset == &data ? "ResetProgress" : "constructor");
    EXPECT_EQ(reset->m_CarryValid, cVector<int32_t>(25, 0));
    ASSERT_EQ(reset->m_HeroCarry.VectorSize(), 1);
    EXPECT_EQ(reset->m_HeroCarry.CheckedVectorAt(0).m_nHp, 0);
    EXPECT_TRUE(reset->m_HeroCarry.CheckedVectorAt(0).m_Chara == cCharaDef());
    EXPECT_EQ(reset->m_MapFlags.VectorSize(), 1000);
    EXPECT_EQ(reset->m_MapFlags.CheckedVectorAt(0), 1);
    EXPECT_EQ(reset->m_MapFlags.CheckedVectorAt(5), 0);
    EXPECT_EQ(reset->m_Vars, cVector<int32_t>(1001, 0));
    EXPECT_TRUE(reset->m_StageClears.empty());
    EXPECT_TRUE(reset->m_StageProgress.empty());
    EXPECT_EQ(reset->m_nChallengeReached, 1);
    EXPECT_EQ(reset->m_nSlot, -1);
    EXPECT_EQ(reset->m_strRankName, "aaa");
    EXPECT_EQ(reset->m_nTotalScore, 0);
    EXPECT_EQ(reset->m_strStageFile, "");
    EXPECT_EQ(reset->m_lpMapStage, nullptr);
  }
}
