// data\WorldMap.dat: the layout, versions, byte-exact saves and refused files.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "records/worldmap/world_map_load.h"
#include "support/record_fixtures.h"
#include "world_map_fixtures.h"

namespace {

// A small map file written by hand from the format: 3 x 2 chips (pitch 4), two
// chip kinds, one node with one entry, no second nodes.
struct HandMap {
  int32_t version = 836;
  int32_t width = 3, height = 2, pitch = 4, shift = 2;
  int32_t chips = 2;                         // chip records written
  int32_t chipCount = -2;                    // as stored; -2: the number written
  std::vector<int32_t> cells = {1, 0, 1, 0,  // row 0, then a padding cell
                                0, 1, 1, 9};
  int32_t gridCount = -2;                    // as stored; -2: the number of cells
  int32_t nodeCount = 1;                     // as stored; one node follows

  std::string Bytes() const {
    cRecordBytes b;
    b.Int32(version);
    b.Int32(8).Int32(width).Int32(height).Int32(pitch).Int32(shift);
    b.Int32(1).Int32(1).Int32(5).Int32(1);  // start (1, 1), colour 5, picture on
    b.Int32(2).Text("名前").Text("bmp\\bg.bmp");
    b.Int32(chipCount == -2 ? chips : chipCount);
    const char* const names[] = {"草", "山", "川"};
    for (int32_t i = 0; i < chips; ++i) {
      b.Int32(3).Int32(7 + i).Int32(i % 2).Int32(4 - i);
      b.Int32(2).Text(names[i % 3]).Text(i == 0 ? "" : "note");
    }
    b.Int32(gridCount == -2 ? static_cast<int32_t>(cells.size()) : gridCount);
    for (int32_t cell : cells) b.Int32(cell);
    b.Int32(nodeCount);
    b.Int32(2).Int32(1).Int32(0).Int32(1).Text("城");
    b.Int32(1);                               // one entry
    b.Int32(14);
    for (int32_t i = 0; i < 14; ++i) b.Int32(i);
    b.Int32(2).Text("説明").Text("stg4\\castle-1.stg4_");
    b.Int32(0);                               // second nodes
    return b.Bytes();
  }
};

}  // namespace

TEST_F(WorldMapTest, HandWrittenFileLoadsAndSavesTheSameBytes) {
  const HandMap hand;
  cWorldMap map;
  ASSERT_EQ(LoadWorldMapImage(map, hand.Bytes()), eRecordFile::Ok);

  // Width, height, pitch, shift, start x and y, colour, picture flag.
  EXPECT_EQ(IntFields(map), (std::vector<int32_t>{3, 2, 4, 2, 1, 1, 5, 1}));
  EXPECT_EQ(map.m_strName, "名前");
  EXPECT_EQ(map.m_strBackPicture, "bmp\\bg.bmp");
  ASSERT_EQ(map.m_Chips.VectorSize(), 2);
  cWorldChip& chip = map.m_Chips.CheckedVectorAt(1);
  EXPECT_EQ(IntFields(chip), (std::vector<int32_t>{8, 1, 3}));
  EXPECT_EQ(chip.m_strName, "山");
  EXPECT_EQ(chip.m_strNote, "note");
  EXPECT_EQ(map.Cell(0, 0), 1);
  EXPECT_EQ(map.Cell(1, 1), 1);
  EXPECT_EQ(map.m_Grid.CheckedVectorAt(7), 9);  // padding is kept as stored
  ASSERT_EQ(map.m_Nodes.VectorSize(), 1);
  cWorldNode& node = map.m_Nodes.CheckedVectorAt(0);
  EXPECT_EQ(node.m_nX, 1);
  EXPECT_EQ(node.m_nY, 0);
  EXPECT_EQ(node.m_strName, "城");
  ASSERT_EQ(node.m_Stages.VectorSize(), 1);
  cWorldStage& entry = node.m_Stages.CheckedVectorAt(0);
  EXPECT_EQ(IntFields(entry), (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
  EXPECT_EQ(entry.m_nVarCompare, 9);  // the members stand in the order of the file
  EXPECT_EQ(entry.m_nKey2, 13);
  EXPECT_EQ(entry.m_strText, "説明");
  EXPECT_EQ(entry.m_strStageFile, "stg4\\castle-1.stg4_");
  EXPECT_TRUE(map.m_Nodes2.empty());

  EXPECT_EQ(RecordImageAt(map), hand.Bytes());
}

TEST_F(WorldMapTest, CurrentFileRoundTripsByteForByte) {
  cWorldMap source = SampleWorldMap();
  const std::string image = RecordImageAt(source);
  cWorldMap loaded;
  ASSERT_EQ(LoadWorldMapImage(loaded, image), eRecordFile::Ok);
  EXPECT_EQ(RecordImageAt(loaded), image);
  EXPECT_EQ(loaded.m_Chips.VectorSize(), 12);
  EXPECT_EQ(loaded.m_Nodes.CheckedVectorAt(1).m_Stages.VectorSize(), 3);
  EXPECT_EQ(loaded.m_Nodes2.CheckedVectorAt(1).m_strName, "二つ目");
}

TEST_F(WorldMapTest, FilesBefore812HaveTheTenFixedChips) {
  for (const int32_t version : {811, 812}) {
    SCOPED_TRACE(version);
    HandMap hand;
    hand.version = version;
    hand.chips = 3;
    hand.cells = {1, 0, 2, 0, 0, 1, 5, 0};  // cell (2, 1) names chip 5
    cWorldMap map;
    ASSERT_EQ(LoadWorldMapImage(map, hand.Bytes()), eRecordFile::Ok);
    if (version == 811) {
      ASSERT_EQ(map.m_Chips.VectorSize(), 10);
      for (int32_t i = 0; i < 10; ++i) {
        const cWorldChip& chip = map.m_Chips.CheckedVectorAt(i);
        EXPECT_EQ(chip.m_nPattern, i);
        EXPECT_EQ(chip.m_bBlocked, i < 5 ? 1 : 0);
        EXPECT_EQ(chip.m_strName, i < 5 ? "移動不可" : "移動可");
        EXPECT_EQ(chip.m_strNote, "");
      }
      EXPECT_EQ(map.m_Chips.CheckedVectorAt(1).m_nExtra, 8);  // kept from the file
      EXPECT_EQ(map.Cell(2, 1), 5);
    } else {
      ASSERT_EQ(map.m_Chips.VectorSize(), 3);
      EXPECT_EQ(map.m_Chips.CheckedVectorAt(2).m_strName, "川");
      EXPECT_EQ(map.m_Chips.CheckedVectorAt(2).m_nPattern, 2);
      EXPECT_EQ(map.m_Chips.CheckedVectorAt(1).m_strNote, "note");
      EXPECT_EQ(map.Cell(2, 1), 0);  // no chip 5 in this file
    }
  }
}

TEST_F(WorldMapTest, StageEntriesLoadTheMembersTheirVersionStored) {
  struct Case {
    int32_t version, needScore, useKey, key1, key2;
  } cases[] = {
      {208, 0, 0, 1, 0},
      {209, 50, 0, 1, 0},
      {757, 50, 0, 1, 0},
      {758, 50, 1, 3, 4},
      {836, 50, 1, 3, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    cWorldMap source;
    cWorldNode node;
    cWorldStage& entry = node.m_Stages.CheckedVectorAt(0);
    entry.m_nVarCompare = 6;
    entry.m_nNeedScore = 50;
    entry.m_bUseKey = 1;
    entry.m_nKey1 = 3;
    entry.m_nKey2 = 4;
    entry.m_strStageFile = "a.stg4_";
    source.m_Nodes = {node};
    cWorldMap map;
    ASSERT_EQ(LoadWorldMapImage(map, RecordImageAt(source, c.version)), eRecordFile::Ok);
    ASSERT_EQ(map.m_Nodes.VectorSize(), 1);
    const cWorldStage& loaded = map.m_Nodes.CheckedVectorAt(0).m_Stages.CheckedVectorAt(0);
    EXPECT_EQ(loaded.m_nVarCompare, 6);
    EXPECT_EQ(loaded.m_strStageFile, "a.stg4_");
    EXPECT_EQ(loaded.m_nNeedScore, c.needScore);
    EXPECT_EQ(loaded.m_bUseKey, c.useKey);
    EXPECT_EQ(loaded.m_nKey1, c.key1);
    EXPECT_EQ(loaded.m_nKey2, c.key2);
  }
}

TEST_F(WorldMapTest, LoadRecomputesThePitchAndFitsTheGrid) {
  struct Case {
    const char* what;
    int32_t pitch, shift;
    std::vector<int32_t> cells;
  } cases[] = {
      {"stored pitch wrong", 64, 6, {1, 0, 1, 0, 0, 1, 1, 0}},
      {"stored shift negative", 4, -3, {1, 0, 1, 0, 0, 1, 1, 0}},
      {"grid short", 4, 2, {1, 0, 1}},
      {"grid empty", 4, 2, {}},
      {"grid long", 4, 2, {1, 0, 1, 0, 0, 1, 1, 0, 7, 7, 7}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    HandMap hand;
    hand.pitch = c.pitch;
    hand.shift = c.shift;
    hand.cells = c.cells;
    cWorldMap map;
    ASSERT_EQ(LoadWorldMapImage(map, hand.Bytes()), eRecordFile::Ok);
    EXPECT_EQ(map.m_nPitch, 4);
    EXPECT_EQ(map.m_nPitchShift, 2);
    ASSERT_EQ(map.m_Grid.VectorSize(), 8);
    for (int32_t i = 0; i < 8; ++i) {
      const int32_t stored = i < static_cast<int32_t>(c.cells.size()) ? c.cells[i] : 0;
      EXPECT_EQ(map.m_Grid.CheckedVectorAt(i), stored) << "element " << i;
    }
    // Every cell of the map can be read without a bad index.
    for (int32_t y = 0; y < map.m_nHeight; ++y) {
      for (int32_t x = 0; x < map.m_nWidth; ++x) (void)map.Cell(x, y);
    }
    EXPECT_FALSE(ClosePosted());
  }
}

TEST_F(WorldMapTest, RefusedFilesLeaveTheMapAsItWas) {
  const auto with = [](auto change) {
    HandMap hand;
    change(hand);
    return hand.Bytes();
  };
  struct Case {
    const char* what;
    std::string image;
    eRecordFile status;
  } cases[] = {
      {"version 837", with([](HandMap& h) { h.version = 837; }), eRecordFile::TooNew},
      {"width 0", with([](HandMap& h) { h.width = 0; }), eRecordFile::Damaged},
      {"height 0", with([](HandMap& h) { h.height = 0; }), eRecordFile::Damaged},
      {"width negative", with([](HandMap& h) { h.width = -5; }), eRecordFile::Damaged},
      {"height negative", with([](HandMap& h) { h.height = -1; }), eRecordFile::Damaged},
      {"too many cells", with([](HandMap& h) { h.width = 4096, h.height = 4097; }),
       eRecordFile::Damaged},
      {"width beyond any pitch", with([](HandMap& h) { h.width = 0x7FFFFFFF; }),
       eRecordFile::Damaged},
      {"chip count negative", with([](HandMap& h) { h.chipCount = -1; }), eRecordFile::Damaged},
      {"chip count huge", with([](HandMap& h) { h.chipCount = 0x40000000; }), eRecordFile::Damaged},
      {"grid count huge", with([](HandMap& h) { h.gridCount = 0x7FFFFFFF; }), eRecordFile::Damaged},
      {"grid count negative", with([](HandMap& h) { h.gridCount = -8; }), eRecordFile::Damaged},
      {"node count huge", with([](HandMap& h) { h.nodeCount = 1000000; }), eRecordFile::Damaged},
      {"cut short", HandMap().Bytes().substr(0, 150), eRecordFile::Damaged},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    cWorldMap map = SampleWorldMap();
    const std::string before = RecordImageAt(map);
    EXPECT_EQ(LoadWorldMapImage(map, c.image), c.status);
    EXPECT_EQ(RecordImageAt(map), before);
  }
}

TEST_F(WorldMapTest, StartUpLoadShowsTheFailureWithThePath) {
  const std::string good = HandMap().Bytes();
  WriteFileBytes(Path("WorldMap.dat"), good);
  cWorldMap map = SampleWorldMap();
  ASSERT_EQ(LoadWorldMapFile(map, Path("WorldMap.dat")), 1);
  EXPECT_EQ(map.m_strName, "名前");
  EXPECT_TRUE(boxes_.empty());

  HandMap tooNew;
  tooNew.version = 900;
  WriteFileBytes(Path("New.dat"), tooNew.Bytes());
  for (const char* name : {"Missing.dat", "New.dat"}) {
    SCOPED_TRACE(name);
    boxes_.clear();
    EXPECT_EQ(LoadWorldMapFile(map, Path(name)), 0);
    EXPECT_EQ(map.m_strName, "名前");
    const std::string message = Path(name) + " のロードに失敗！";
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0], message);
    EXPECT_EQ(ReportLines().back(), message);
  }
}

TEST_F(WorldMapTest, GlobalMapLoadsFromTheProjectDataFolder) {
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::create_directories(dir_.path() / "project" / "data");
  std::filesystem::current_path(dir_.path() / "project");

  EXPECT_EQ(LoadWorldMap(), 0);  // no data\WorldMap.dat yet
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0], "data\\WorldMap.dat のロードに失敗！");
  EXPECT_EQ(g_WorldMap.m_strName, "ワールド");

  WriteFileBytes("data/WorldMap.dat", HandMap().Bytes());
  EXPECT_EQ(LoadWorldMap(), 1);
  EXPECT_EQ(g_WorldMap.m_strName, "名前");
  EXPECT_EQ(g_WorldMap.m_Nodes.VectorSize(), 1);

  g_WorldMap = cWorldMap();
  std::filesystem::current_path(before);
}
