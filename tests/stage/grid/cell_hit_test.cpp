// The grid's collision entries against the blocks they stand for: random
// stages built and then changed by random summons, every cell asked for
// several groups.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "core/math/truncate.h"
#include "records/palette/grid_block.h"
#include "records/script/condition.h"
#include "records/script/ed_shot.h"
#include "stage/grid/block_grid.h"
#include "stage/grid/block_probes.h"
#include "support/stage_world.h"

namespace cell_hit_test {

// Groups the lookups are asked for: the object groups, and the bytes that
// meet an exempt group of 255 (-1) or a class's sign.
constexpr int8_t kKeys[] = {0, 1, 3, 7, -1, 127, -128};

class CellHitTest : public StageWorld {
 protected:
  int32_t Below(int32_t n) { return std::uniform_int_distribution<int32_t>(0, n - 1)(rng_); }

  // A part as a data file may hold it: class and exempt group any byte now
  // and then, and sometimes a condition on stage variable 1, once-only or not.
  cBlockDef RandomPart() {
    cBlockDef part;
    part.m_nGraphic = static_cast<int16_t>(Below(3));
    part.m_nHitClass = static_cast<int8_t>(Below(4) == 0 ? Below(256) - 128 : Below(3));
    const uint8_t exempt[] = {kNoExemptGroup, 0, 1, 3, 7, static_cast<uint8_t>(Below(256))};
    part.m_nExemptGroup = exempt[Below(6)];
    part.m_bNoReplace = static_cast<int8_t>(Below(8) == 0);
    if (Below(4) == 0) {
      cCondition cond;
      cond.m_nKind = kCondStageVar;
      cond.m_nIndex = 1;
      cond.m_nValue = 1;
      part.m_Conditions.push_back(cond);
      part.m_bCondOnce = static_cast<int8_t>(Below(2));
    }
    return part;
  }

  // A stage of random size with random parts, some placed off the stage.
  void BuildRandomStage() {
    cStageLayout layout;
    layout.nWidth = 4 + Below(40);
    layout.nHeight = 3 + Below(20);
    WriteStage(layout, g_Stage);
    for (int32_t i = Below(200); i > 0; --i) {
      cBlockDef& part = g_Stage.m_PlacedBlocks.emplace_back(RandomPart());
      part.m_nX = static_cast<int16_t>(Below(layout.nWidth + 4) - 2);
      part.m_nY = static_cast<int16_t>(Below(layout.nHeight + 4) - 2);
    }
    g_StageInitial.TakeHeaderOf(g_Stage);
    ASSERT_TRUE(play_.SetStage(0, 1));
  }

  // A summon of a random part by a random mode, at a random dot of the grid
  // or just past it; every fourth one on the hero's cell, whose undo
  // switches may put the old cell back. The summoned cell is checked at
  // once, before a later summon can write it again. True when the hero was
  // in the way with its undo switch set.
  bool RandomSummon() {
    cEdShot set;
    set.m_nBlockMode = static_cast<int8_t>(Below(4));
    set.m_bShotOpt14 = static_cast<int8_t>(Below(2));
    set.m_bShotOpt15 = static_cast<int8_t>(Below(2));
    const cBlockDef part = RandomPart();
    double x = Below(g_BlockGrid.m_nColumns * 32 + 64) - 32;
    double y = Below(g_BlockGrid.m_nRows * 32 + 64) - 32;
    if (Below(4) == 0) {
      x = (TruncToInt(Hero().m_dX) >> 5) * 32.0;
      y = (TruncToInt(Hero().m_dY) >> 5) * 32.0;
    }
    Hero().m_nPostureFrames = 0;
    play_.ReplaceBlockAt(x, y, &set, &part);
    const int32_t cell = g_BlockGrid.CellIndex(TruncToInt(x + 16.5) >> 5, TruncToInt(y + 16.5) >> 5);
    if (cell >= 0) ExpectCellMatchesBlock(g_BlockGrid, cell);
    return Hero().m_nPostureFrames == 2 && set.m_bShotOpt14 != 0;
  }

  // Every cell: the lookup gives what the block gives, and leaves the
  // block's once-only mark as the block's own test does.
  static void ExpectCellMatchesBlock(cBlockGrid& grid, int32_t cell) {
    for (int8_t key : kKeys) {
      cBlock expected = grid.CheckedVectorAt(cell);
      const int8_t want = expected.GetHitClass(key);
      ASSERT_EQ(grid.HitClassAt(cell, key), want) << "cell " << cell << " key " << int{key};
      ASSERT_EQ(grid.CheckedVectorAt(cell).m_bMet, expected.m_bMet) << "cell " << cell;
    }
  }
  static void ExpectGridMatchesBlocks(cBlockGrid& grid) {
    for (int32_t cell = 0; cell < grid.VectorSize(); ++cell) ExpectCellMatchesBlock(grid, cell);
  }

  std::mt19937 rng_{20261211};
};

TEST_F(CellHitTest, LookupsMatchTheBlocksThroughBuildsAndSummons) {
  int32_t undone = 0;
  for (int32_t stage = 0; stage < 12; ++stage) {
    SCOPED_TRACE(testing::Message() << "stage " << stage);
    BuildRandomStage();
    for (int32_t round = 0; round < 6; ++round) {
      SCOPED_TRACE(testing::Message() << "round " << round);
      play_.m_StageVar.CheckedVectorAt(1) = Below(2);
      for (int32_t i = Below(60); i > 0; --i) undone += RandomSummon() ? 1 : 0;
      ExpectGridMatchesBlocks(g_BlockGrid);
    }
    // A copy of the grid answers for its own blocks.
    cBlockGrid copy = g_BlockGrid;
    ExpectGridMatchesBlocks(copy);
  }
  EXPECT_GT(undone, 0);  // the summon's undo ran
}

TEST_F(CellHitTest, EntriesAreTwoBytesAndKeepEveryStoredByte) {
  static_assert(sizeof(cCellHit) == 2);
  ASSERT_TRUE(g_BlockGrid.Build(2, 2));
  const int32_t cell = g_BlockGrid.CellIndex(10, 10);
  cBlock& block = g_BlockGrid.CheckedVectorAt(cell);
  for (int32_t hit = -128; hit < 128; ++hit) {
    for (int32_t exempt : {0, 1, 2, 7, 128, 254, 255}) {
      block.m_nHitClass = static_cast<int8_t>(hit);
      block.m_nExemptGroup = static_cast<uint8_t>(exempt);
      g_BlockGrid.RefreshCell(cell);
      for (int8_t key : kKeys) {
        cBlock expected = block;
        ASSERT_EQ(CellIndexHitClass(g_BlockGrid, cell, key), expected.GetHitClass(key))
            << hit << " " << exempt << " " << int{key};
      }
    }
  }
}

}  // namespace cell_hit_test
