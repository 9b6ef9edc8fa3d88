// Normalize: start point, cells and nodes outside the map.

#include <gtest/gtest.h>

#include "world_map_fixtures.h"

namespace {

cWorldNode NodeAt(int32_t x, int32_t y, const char* name) {
  cWorldNode node;
  node.m_nX = x;
  node.m_nY = y;
  node.m_strName = name;
  return node;
}

}  // namespace

TEST_F(WorldMapTest, NormalizePullsTheStartIntoTheMap) {
  struct Case {
    int32_t x, y, wantX, wantY;
  } cases[] = {
      {30, 20, 19, 14}, {19, 14, 19, 14}, {20, 15, 19, 14},
      {-3, -1, 0, 0},   {5, -7, 5, 0},    {0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
    cWorldMap map;
    map.m_nStartX = c.x;
    map.m_nStartY = c.y;
    map.Normalize();
    EXPECT_EQ(map.m_nStartX, c.wantX);
    EXPECT_EQ(map.m_nStartY, c.wantY);
  }
}

TEST_F(WorldMapTest, NormalizeClearsCellsThatNameNoChip) {
  struct Case {
    int32_t value, want;
  } cases[] = {{0, 0}, {9, 9}, {10, 0}, {12, 0}, {-1, 0}, {INT32_MIN, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    cWorldMap map;
    map.m_Chips.resize(10);
    map.Cell(19, 14) = c.value;
    map.Cell(25, 3) = c.value;  // padding: not a cell of the map
    map.Normalize();
    EXPECT_EQ(map.Cell(19, 14), c.want);
    EXPECT_EQ(map.Cell(25, 3), c.value);
  }
}

TEST_F(WorldMapTest, NormalizeDropsNodesBeyondTheMapAndPullsNegativeOnesToTheEdge) {
  cWorldMap map;
  map.m_Nodes = {NodeAt(25, 0, "right"), NodeAt(30, 1, "further right"), NodeAt(3, 3, "a"),
                 NodeAt(2, 15, "below"), NodeAt(-2, 4, "left"),          NodeAt(7, -9, "above"),
                 NodeAt(3, 3, "b")};
  map.m_Nodes2.push_back(NodeAt(99, -99, "second list"));
  map.Normalize();

  struct Want {
    int32_t x, y;
    const char* name;
  } want[] = {{3, 3, "a"}, {0, 4, "left"}, {7, 0, "above"}, {3, 3, "b"}};
  ASSERT_EQ(map.m_Nodes.VectorSize(), 4);
  for (int32_t i = 0; i < 4; ++i) {
    const cWorldNode& node = map.m_Nodes.CheckedVectorAt(i);
    EXPECT_EQ(node.m_nX, want[i].x);
    EXPECT_EQ(node.m_nY, want[i].y);
    EXPECT_EQ(node.m_strName, want[i].name);
  }
  // The second list is kept as it is.
  ASSERT_EQ(map.m_Nodes2.VectorSize(), 2);
  EXPECT_EQ(map.m_Nodes2.CheckedVectorAt(1).m_nX, 99);
  EXPECT_EQ(map.m_Nodes2.CheckedVectorAt(1).m_nY, -99);
}

TEST_F(WorldMapTest, NormalizeLeavesAGridThatDoesNotMatchItsSizeAlone) {
  // A size set by hand without SetSize: the grid is not walked, and no bad
  // index is reported.
  cWorldMap map;
  map.m_nHeight = 40;
  map.Cell(0, 0) = 77;
  map.Normalize();
  EXPECT_EQ(map.Cell(0, 0), 77);
  EXPECT_FALSE(ClosePosted());
}
