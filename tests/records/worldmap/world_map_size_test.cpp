// The grid: pitch from the width, resizes that keep cells, refused sizes.

#include <gtest/gtest.h>

#include <algorithm>

#include "records/worldmap/world_grid.h"
#include "world_map_fixtures.h"

namespace {

int32_t Marker(int32_t x, int32_t y) { return 1 + x + 1000 * y; }

void FillMarkers(cWorldMap& map) {
  for (int32_t y = 0; y < map.m_nHeight; ++y) {
    for (int32_t x = 0; x < map.m_nWidth; ++x) map.Cell(x, y) = Marker(x, y);
  }
}

}  // namespace

TEST_F(WorldMapTest, NewMapIsTwentyByFifteenWithPitch32) {
  const cWorldMap map;
  EXPECT_EQ(map.m_nWidth, 20);
  EXPECT_EQ(map.m_nHeight, 15);
  EXPECT_EQ(map.m_nPitch, 32);
  EXPECT_EQ(map.m_nPitchShift, 5);
  EXPECT_EQ(map.m_Grid.VectorSize(), 480);
  EXPECT_EQ(map.m_strName, "ワールド");
  EXPECT_EQ(map.m_nStartX, 9);
  EXPECT_EQ(map.m_nStartY, 7);
  EXPECT_EQ(map.m_nBackColor, 16);
  ASSERT_EQ(map.m_Nodes2.VectorSize(), 1);
  EXPECT_EQ(map.m_Nodes2.CheckedVectorAt(0).m_strName, "デフォルト");
  EXPECT_EQ(map.m_Nodes2.CheckedVectorAt(0).m_Stages.VectorSize(), 1);
  EXPECT_EQ(map.m_Nodes2.CheckedVectorAt(0).m_Stages.CheckedVectorAt(0).m_nKey1, 1);
  EXPECT_TRUE(map.m_Nodes.empty());
}

TEST_F(WorldMapTest, PitchIsTheSmallestPowerOfTwoNotBelowTheWidth) {
  struct Case {
    int32_t width, pitch, shift;
  } cases[] = {{1, 1, 0}, {2, 2, 1}, {3, 4, 2}, {20, 32, 5}, {32, 32, 5}, {33, 64, 6}, {1000, 1024, 10}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width);
    cWorldMap map;
    ASSERT_EQ(map.SetSize(c.width, 7), 1);
    EXPECT_EQ(map.m_nWidth, c.width);
    EXPECT_EQ(map.m_nHeight, 7);
    EXPECT_EQ(map.m_nPitch, c.pitch);
    EXPECT_EQ(map.m_nPitchShift, c.shift);
    EXPECT_EQ(map.m_Grid.VectorSize(), 7 * c.pitch);
    EXPECT_EQ(map.CellIndex(2, 3), 2 + 3 * c.pitch);
  }
}

TEST_F(WorldMapTest, ResizeKeepsEveryCellInsideBothSizes) {
  struct Case {
    int32_t fromWidth, fromHeight, toWidth, toHeight;
  } cases[] = {
      {20, 15, 40, 15},  // pitch 32 to 64
      {20, 15, 10, 10},  // pitch 32 to 16, rows dropped
      {20, 15, 33, 20},
      {7, 3, 1, 1},
      {1, 5, 64, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.fromWidth << "x" << c.fromHeight << " -> " << c.toWidth
                                    << "x" << c.toHeight);
    cWorldMap map;
    ASSERT_EQ(map.SetSize(c.fromWidth, c.fromHeight), 1);
    FillMarkers(map);
    ASSERT_EQ(map.SetSize(c.toWidth, c.toHeight), 1);
    ASSERT_EQ(map.m_Grid.VectorSize(), c.toHeight * map.m_nPitch);
    for (int32_t y = 0; y < c.toHeight; ++y) {
      for (int32_t x = 0; x < map.m_nPitch; ++x) {
        const bool kept = x < std::min(c.fromWidth, c.toWidth) && y < std::min(c.fromHeight, c.toHeight);
        ASSERT_EQ(map.Cell(x, y), kept ? Marker(x, y) : 0) << "cell " << x << "," << y;
      }
    }
  }
}

TEST_F(WorldMapTest, SizeThatCannotMakeAGridChangesNothing) {
  struct Case {
    const char* what;
    int32_t width, height;
  } cases[] = {
      {"zero width", 0, 5},
      {"zero height", 5, 0},
      {"negative width", -1, 5},
      {"negative height", 5, -3},
      {"more cells than a grid may take", 4096, 4097},
      {"width beyond any pitch", 0x7FFFFFFF, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    cWorldMap map;
    FillMarkers(map);
    const cVector<int32_t> cells = map.m_Grid;
    EXPECT_EQ(map.SetSize(c.width, c.height), 0);
    EXPECT_EQ(map.m_nWidth, 20);
    EXPECT_EQ(map.m_nHeight, 15);
    EXPECT_EQ(map.m_nPitch, 32);
    EXPECT_EQ(map.m_nPitchShift, 5);
    EXPECT_TRUE(map.m_Grid == cells);
  }
  // The largest grid allowed is still made.
  cWorldMap map;
  EXPECT_EQ(map.SetSize(4096, 4096), 1);
  EXPECT_EQ(static_cast<int64_t>(map.m_Grid.size()), kMaxWorldGridCells);
}

TEST_F(WorldMapTest, CellIndexOfAnOverflowingCellIsRefused) {
  cWorldMap map;
  EXPECT_EQ(map.CellIndex(19, 14), 19 + (14 << 5));
  EXPECT_EQ(map.CellIndex(0, 0x7FFFFFF), -1);  // would overflow int32
  EXPECT_EQ(map.CellIndex(-1, 0), -1);
  EXPECT_EQ(WorldCellIndex(1, 1, 40), -1);     // no grid has such a shift
}
