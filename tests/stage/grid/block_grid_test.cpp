#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "core/log/report_log.h"
#include "core/mesbox/mesbox.h"
#include "stage/grid/block_grid.h"
#include "support/stage_world.h"
#include "support/temp_dir.h"

class BlockGridTest : public StageWorld {
 protected:
  void SetUp() override {
    StageWorld::SetUp();
    SetMesBoxAnswerer([this](const std::string& text, const std::string&, unsigned) {
      boxes_.push_back(text);
      return 1;
    });
  }
  void TearDown() override {
    SetMesBoxAnswerer({});
    StageWorld::TearDown();
  }
  std::vector<std::string> boxes_;
};

TEST_F(BlockGridTest, ShapeFollowsTheBinaryDigitsOfTheWidth) {
  struct Case {
    int32_t width, height, shift, columns, rows;
  } const cases[] = {
      {20, 15, 6, 40, 35},  // 39 has six digits
      {12, 5, 5, 32, 25},   // 31: exactly the 32 columns needed
      {13, 5, 6, 33, 25},   // 32: one column more doubles the stride
      {0, 0, 5, 20, 20},    // an empty stage still has its margins
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width);
    cStageLayout layout;
    layout.nWidth = c.width;
    layout.nHeight = c.height;
    ASSERT_TRUE(Build(layout));
    EXPECT_EQ(g_BlockGrid.m_nShift, c.shift);
    EXPECT_EQ(g_BlockGrid.Stride(), 1 << c.shift);
    EXPECT_EQ(g_BlockGrid.m_nColumns, c.columns);
    EXPECT_EQ(g_BlockGrid.m_nRows, c.rows);
    EXPECT_EQ(g_BlockGrid.VectorSize(), c.rows << c.shift);
    EXPECT_EQ(play_.m_ScrollX.m_nShift, c.shift);
    EXPECT_EQ(play_.m_ScrollX.m_nStride, 1 << c.shift);
    EXPECT_EQ(play_.m_ScrollY.m_nStride, c.rows);
  }
}

TEST_F(BlockGridTest, PlacedBlocksLandBehindTheMarginAndEveryOtherCellIsEmpty) {
  cStageLayout layout;
  layout.Solid = {{0, 0}, {19, 14}};
  ASSERT_TRUE(Build(layout));
  EXPECT_EQ(BlockAt(10, 10)->GetHitClass(0), kBlockSolid);
  EXPECT_EQ(g_BlockGrid.CellIndex(10, 10), 10 + (10 << 6));
  EXPECT_EQ(BlockAt(29, 24)->GetHitClass(0), kBlockSolid);
  int32_t solid = 0;
  for (cBlock& block : g_BlockGrid) solid += block.GetHitClass(0) != 0;
  EXPECT_EQ(solid, 2);
  EXPECT_EQ(BlockAt(11, 10)->m_bNoReplace, 0);
  EXPECT_EQ(BlockAt(11, 10)->m_nGraphic, 0);
}

TEST_F(BlockGridTest, OutsideTheGridIsNoBlockRatherThanAnotherRowsCell) {
  cStageLayout layout;
  layout.nWidth = 12;  // 32 columns fill the stride: column 32 would be row + 1's column 0
  layout.nHeight = 5;
  layout.Solid = {{-10, 1}};  // grid column 0 of row 11
  ASSERT_TRUE(Build(layout));
  ASSERT_NE(BlockAt(0, 11), nullptr);
  struct Case {
    int32_t column, row;
  } const cases[] = {{32, 10}, {-1, 12}, {0, -1}, {0, 25}, {INT_MIN, 0}, {0, INT_MAX}, {INT_MAX, INT_MAX}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.column << "," << c.row);
    EXPECT_EQ(BlockAt(c.column, c.row), nullptr);
    EXPECT_EQ(g_BlockGrid.CellIndex(c.column, c.row), -1);
  }
  EXPECT_EQ(TakeCloseRequests(), 0);
}

TEST_F(BlockGridTest, APlacedBlockOutsideTheGridIsSkippedWithAReportLine) {
  TempDir dir;
  ASSERT_EQ(OpenReportLog(dir.file("Report.txt").c_str()), 1);
  cStageLayout layout;
  layout.nWidth = 12;
  layout.nHeight = 5;
  layout.Solid = {{22, 0}, {0, -11}, {3, 2}};  // past the last column, above row 0, inside
  ASSERT_TRUE(Build(layout));
  int32_t solid = 0;
  for (cBlock& block : g_BlockGrid) solid += block.m_nHitClass != 0;
  EXPECT_EQ(solid, 1);
  EXPECT_EQ(BlockAt(13, 12)->m_nHitClass, kBlockSolid);
  EXPECT_EQ(g_BlockGrid.CheckedVectorAt(0).m_nHitClass, 0);
  EXPECT_EQ(TakeCloseRequests(), 0);
  const std::string log = ReadFileBytes(dir.file("Report.txt"));
  EXPECT_NE(log.find("(22, 0)"), std::string::npos) << log;
  EXPECT_NE(log.find("(0, -11)"), std::string::npos) << log;
}

TEST_F(BlockGridTest, ASizeTheGridCannotHoldTakesTheOutOfMemoryPath) {
  struct Case {
    int32_t width, height;
  } const cases[] = {{-1, 10},   {10, -1},      {INT_MAX, 1}, {65536, 100}, {100, 65536},
                     {2000, INT_MAX},  // rows x stride would overflow 32 bits
                     {2000, 2029}};    // 2049 rows x 2048: one row past 2^22 cells
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
    boxes_.clear();
    services_.m_Events.clear();
    cStageLayout layout;
    layout.nWidth = c.width;
    layout.nHeight = c.height;
    EXPECT_FALSE(Build(layout));
    EXPECT_TRUE(g_BlockGrid.empty());
    EXPECT_EQ(BlockAt(10, 10), nullptr);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0], "メモリ不足により、ステージの初期設定に失敗しました！");
    ASSERT_FALSE(services_.m_Events.empty());
    EXPECT_EQ(services_.m_Events.back().strName, "RequestClose");
  }
  // A refused build leaves nothing of the last one.
  cStageLayout layout;
  ASSERT_TRUE(Build(layout));
  layout.nWidth = -1;
  EXPECT_FALSE(Build(layout));
  EXPECT_EQ(g_BlockGrid.m_nColumns, 0);
}

TEST_F(BlockGridTest, HitClassIsZeroForTheExemptGroupOnly) {
  cStageLayout layout;
  layout.Solid = {{0, 0}};
  layout.nExemptGroup = 3;
  ASSERT_TRUE(Build(layout));
  cBlock& block = *BlockAt(10, 10);
  for (int8_t key = -1; key < 8; ++key) {
    SCOPED_TRACE(int(key));
    EXPECT_EQ(block.GetHitClass(key), key == 3 ? 0 : kBlockSolid);
  }
  block.m_nHitClass = kBlockDeadly;
  block.m_nExemptGroup = kNoExemptGroup;  // -1 as signed: key -1 passes
  EXPECT_EQ(block.GetHitClass(0), kBlockDeadly);
  EXPECT_EQ(block.GetHitClass(-1), 0);
}
