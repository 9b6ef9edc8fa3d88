#pragma once
// Helpers of the save-data tests: a project folder as the current folder, the
// settings and world map the save data reads, save data whose every part
// differs from a reset one, and loads and comparisons through file images.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>

#include "records/record/record_test_env.h"
#include "records/save/save_data.h"
#include "records/save/save_slot.h"

class SaveDataTest : public RecordTest {
 protected:
  void SetUp() override {
    RecordTest::SetUp();
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_.path());
    settings_.m_nChallengeStages = 3;
  }
  void TearDown() override {
    std::filesystem::current_path(previous_);
    RecordTest::TearDown();
  }

  // A reset save data of the test's project.
  cSaveData NewData() {
    cSaveData data;
    data.UseProject(settings_, map_);
    return data;
  }

  // Every registered field has its own value (field i: i + 2), then the values
  // the repairs would change are set inside their ranges; every list and the
  // save time differ from a reset record's.
  cSaveData DistinctData() {
    cSaveData data = NewData();
    data.RegisterFields(g_nDataVersion);
    int32_t index = 0;
    for (const FIELDDATA& field : data.FieldTable()) {
      *static_cast<int32_t*>(field.lpData) = index + 2;
      ++index;
    }
    data.m_nMapX = 3;
    data.m_nMapY = 4;
    data.m_nChallengeReached = 2;
    data.m_nSlot = 7;
    data.m_nRankTable = 3;
    data.m_strStageFile = "data\\stg4\\field.";
    data.m_strStageBase = "data\\stg4\\field_c012_7.";
    data.m_strRankName = "びっと";
    data.m_stSaveTime = {2024, 5, 3, 17, 13, 45, 12, 345};
    for (int32_t i = 0; i < data.m_CarryValid.VectorSize(); ++i) data.m_CarryValid.CheckedVectorAt(i) = i % 2;
    cHeroCarry& carry = data.m_HeroCarry.CheckedVectorAt(0);
    carry.m_nHp = 11;
    carry.m_nSp = 12;
    carry.m_nTimeLeft = 13;
    carry.m_nLives = 14;
    carry.m_nBgm = 15;
    carry.m_Chara.m_strName = "勇者";
    data.RecordStageClear("data\\stg4\\a.", "data\\stg4\\a.", 0, 1, 0, 500);
    data.RecordStageClear("data\\stg4\\b.", "data\\stg4\\b_c001_2.", 1, 1, 2, 700);
    data.m_StageProgress.resize(3);
    data.m_StageProgress.CheckedVectorAt(1).m_bCleared = 1;
    data.m_StageProgress.CheckedVectorAt(1).m_nBestScore = 900;
    data.m_MapFlags.CheckedVectorAt(5) = 1;
    data.m_Vars.CheckedVectorAt(1) = 10;
    data.m_Vars.CheckedVectorAt(1000) = -3;
    return data;
  }

  // The file image of a copy of data (saving normalises the record it saves).
  static std::string Image(const cSaveData& data, int32_t version = g_nDataVersion) {
    cSaveData copy = data;
    return RecordImageAt(copy, version);
  }
  static eRecordFile LoadImage(cSaveData& data, const std::string& image) {
    return LoadRecordImage(data, ToImage(image));
  }
  // Every saved part of both records is the same.
  static bool SameSaved(const cSaveData& a, const cSaveData& b) { return Image(a) == Image(b); }

  // A file of the project folder (host path relative to it).
  static void WriteProjectFile(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    WriteFileBytes(path, bytes);
  }
  static void MakeSlotFolder() { std::filesystem::create_directories("user_data/story"); }

  cSystemData settings_;
  cWorldMap map_;

 private:
  std::filesystem::path previous_;
};

// An image whose data version is replaced (the first four bytes).
inline std::string WithVersion(std::string image, int32_t version) {
  std::memcpy(image.data(), &version, sizeof(version));
  return image;
}
