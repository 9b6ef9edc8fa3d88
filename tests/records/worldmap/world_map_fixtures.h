#pragma once
// Helpers of the world-map tests: a map whose every part differs from a new
// map's, loads of file images, and boxes answered and recorded.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/mesbox/mesbox.h"
#include "records/record/record_test_env.h"
#include "records/worldmap/world_map.h"

// A 20 x 15 map with 12 chips, cells that name them, two nodes with entries
// that use every member, and a second node list of two.
inline cWorldMap SampleWorldMap() {
  cWorldMap map;
  map.m_strName = "試しの地図";
  map.m_strBackPicture = "bmp\\back.bmp";
  map.m_nStartX = 3;
  map.m_nStartY = 4;
  map.m_nBackColor = 40;
  map.m_bBackPicture = 1;
  for (int32_t i = 0; i < 12; ++i) {
    cWorldChip chip;
    chip.m_nExtra = 100 + i;
    chip.m_bBlocked = i % 2;
    chip.m_nPattern = 11 - i;
    chip.m_strName = "チップ" + std::to_string(i);
    chip.m_strNote = i == 3 ? "note" : "";
    map.m_Chips.push_back(chip);
  }
  for (int32_t y = 0; y < map.m_nHeight; ++y) {
    for (int32_t x = 0; x < map.m_nWidth; ++x) map.Cell(x, y) = (x + y) % 12;
  }
  for (int32_t n = 0; n < 2; ++n) {
    cWorldNode node;
    node.m_nX = 5 + n;
    node.m_nY = 6;
    node.m_strName = "ノード" + std::to_string(n);
    node.m_Stages.clear();
    for (int32_t s = 0; s < 2 + n; ++s) {
      cWorldStage stage;
      stage.RegisterFields(g_nDataVersion);
      int32_t value = 10 * n + s + 2;
      for (const FIELDDATA& field : stage.FieldTable()) *static_cast<int32_t*>(field.lpData) = value++;
      stage.m_strText = "説明";
      stage.m_strStageFile = "stg4\\map" + std::to_string(s) + "-1.stg4_";
      node.m_Stages.push_back(stage);
    }
    map.m_Nodes.push_back(node);
  }
  map.m_Nodes2.CheckedVectorAt(0).m_nX = 2;
  map.m_Nodes2.emplace_back();
  map.m_Nodes2.CheckedVectorAt(1).m_strName = "二つ目";
  return map;
}

// The registered int32 fields of a record at the current version, in order.
inline std::vector<int32_t> IntFields(cRecord& record) {
  record.RegisterFields(g_nDataVersion);
  std::vector<int32_t> values;
  for (const FIELDDATA& field : record.FieldTable()) {
    values.push_back(*static_cast<const int32_t*>(field.lpData));
  }
  return values;
}

inline eRecordFile LoadWorldMapImage(cWorldMap& map, const std::string& image) {
  return LoadRecordImage(map, ToImage(image));
}

class WorldMapTest : public RecordTest {
 protected:
  void SetUp() override {
    RecordTest::SetUp();
    SetMesBoxAnswerer([this](const std::string& text, const std::string&, unsigned) {
      boxes_.push_back(text);
      return 1;
    });
  }
  void TearDown() override {
    SetMesBoxAnswerer(nullptr);
    RecordTest::TearDown();
  }

  std::vector<std::string> boxes_;
};
