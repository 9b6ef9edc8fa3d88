#pragma once
// Helpers of the stage tests: the smallest playable stage, images of a stage
// as a file of some data version stores it (through its own Save, or part by
// part as it stands), and a test base that records the boxes shown and puts
// the stage globals back afterwards.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/mesbox/mesbox.h"
#include "records/palette/common_palette.h"
#include "records/record/record_test_env.h"
#include "records/stage/load_stage_file.h"
#include "records/stage/stage_globals.h"
#include "records/stage/stage_part_lists.h"

// A player chara with a graphic: what makes a stage playable.
inline cCharaDef HeroPart(int16_t x = 2, int16_t y = 3) {
  cCharaDef hero;
  hero.m_nX = x;
  hero.m_nY = y;
  hero.m_nGraphic = 1;
  hero.m_nControl = cCharaDef::kControlPlayer;
  return hero;
}

// One default part in each palette and one placed hero.
inline cStageData SmallestStage() {
  cStageData stage;
  stage.m_nWidth = 20;
  stage.m_nHeight = 15;
  stage.m_strText = "最小";
  stage.m_PlacedCharas.push_back(HeroPart());
  return stage;
}

// The file image of a stage written by its Save at a data version (the copy
// is normalised, as a save does).
inline std::string StageImage(cStageData stage, int32_t version = g_nDataVersion) {
  return RecordImageAt(stage, version);
}

// The file image of a stage part by part as it stands, without the
// normalisation of a save: palettes may hold a single part.
inline std::string RawStageImage(cStageData& stage, int32_t version = g_nDataVersion) {
  cRecordWriter writer(version);
  writer.Write(version);
  stage.cRecord::Save(writer);
  SaveValueList(writer, stage.m_ResultSwitches);
  for (cEraseArea& area : stage.m_EraseAreas) area.Save(writer);
  SaveRecordList(writer, stage.m_BlockPalette);
  SaveRecordList(writer, stage.m_CharaPalette);
  SaveRecordList(writer, stage.m_ItemPalette);
  SavePlacedParts(writer, stage.m_PlacedBlocks);
  SavePlacedParts(writer, stage.m_PlacedCharas);
  SavePlacedParts(writer, stage.m_PlacedItems);
  SaveRecordList(writer, stage.m_BackLayers);
  SaveRecordList(writer, stage.m_VarNames);
  if (version >= kStageEndMarkFrom) writer.Write(kStageEndMark);
  const std::vector<uint8_t>& bytes = writer.Bytes();
  return std::string(bytes.begin(), bytes.end());
}

// The int32 at the end of an image replaced.
inline std::string WithLastInt32(std::string image, int32_t value) {
  image.resize(image.size() - 4);
  return image + cRecordBytes().Int32(value).Bytes();
}

// Boxes answered and recorded; g_Stage, g_StageInitial, g_HeroDef and
// g_CommonPalette put back after each test; loads allowed.
class StageTest : public RecordTest {
 protected:
  void SetUp() override {
    RecordTest::SetUp();
    AllowStageLoads();
    SetMesBoxAnswerer([this](const std::string& text, const std::string&, unsigned) {
      boxes_.push_back(text);
      return 1;
    });
  }
  void TearDown() override {
    SetMesBoxAnswerer(nullptr);
    AllowStageLoads();
    g_Stage = savedStage_;
    g_StageInitial = savedInitial_;
    g_HeroDef = savedHero_;
    g_CommonPalette = savedCommon_;
    RecordTest::TearDown();
  }

  // Writes an image as a file of the test's folder; its path.
  std::string WriteStage(const std::string& name, const std::string& image) {
    const std::string path = dir_.file(name);
    WriteFileBytes(path, image);
    return path;
  }

  // Loads an image as the file stage.stg4_000 into g_Stage, with the pristine
  // copy and the hero part.
  int LoadImage(const std::string& image) {
    return LoadStageFile(WriteStage("stage.stg4_000", image), 0, &g_StageInitial, &g_HeroDef);
  }

  std::vector<std::string> boxes_;

 private:
  cStageData savedStage_ = g_Stage;
  cStageData savedInitial_ = g_StageInitial;
  cCharaDef savedHero_ = g_HeroDef;
  cCommonPalette savedCommon_ = g_CommonPalette;
};

// The image of g_Stage as a save would write it: equal images, equal stages.
inline std::string PlayStageImage() { return StageImage(g_Stage); }
