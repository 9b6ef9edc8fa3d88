// The sample's "bench" stage: it holds the crowd it is measured with, it is
// saved exactly as built (validation repairs nothing), and played it keeps
// the crowd busy: every chara alive, the air full of shots, riders on the
// moving platforms.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

#include "core/input/input_state.h"
#include "records/database/database.h"
#include "records/record/record_file.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/grid/block_grid.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"
#include "tools/sample/data/sample_bench_stage.h"
#include "tools/sample/data/sample_database.h"
#include "tools/sample/data/sample_palette.h"
#include "tools/sample/data/sample_settings.h"

namespace sample_bench_stage_test {

using namespace sample_bench_stage;

// The sample's database, settings and validation installed, as the generator
// saves and the player runs the stage; all restored afterwards.
class SampleBenchStage : public ::testing::Test {
 protected:
  SampleBenchStage() : savedDatabase_(g_Database), savedSettings_(g_SystemData), savedStage_(g_Stage) {
    g_Database = BuildSampleDatabase();
    g_SystemData = BuildSampleSettings();
  }
  ~SampleBenchStage() override {
    g_BlockGrid.Release();
    g_Database = savedDatabase_;
    g_SystemData = savedSettings_;
    g_Stage = savedStage_;
  }

  cDatabase savedDatabase_;
  cSystemData savedSettings_;
  cStageData savedStage_;
  const cValidateContext context_ = SampleValidateContext(BuildSampleDatabase());
  const cValidateContextScope scope_{context_};
  const cStageData built_ = BuildSampleBenchStage(BuildSamplePalette()).stage;
};

TEST_F(SampleBenchStage, HoldsTheHeroAndFiveHundredComputerCharasWithFlows) {
  EXPECT_EQ(built_.m_nWidth, kWidth);
  EXPECT_EQ(built_.m_nHeight, kHeight);
  EXPECT_EQ(built_.m_nCollisionLevel, 10);
  ASSERT_EQ(built_.FindHero(), 0);
  int32_t computers = 0;
  int32_t solids = 0;
  for (const cCharaDef& chara : built_.m_PlacedCharas) {
    if (chara.m_nControl != cCharaDef::kControlComputer) continue;
    ++computers;
    EXPECT_FALSE(chara.m_Flows.empty());
    EXPECT_EQ(chara.m_nActiveRange, 3);  // acting wherever the view is
    if (chara.m_bBlockChara != 0) ++solids;
    EXPECT_GE(chara.m_nX, 0);
    EXPECT_LT(chara.m_nX, kWidth);
    EXPECT_GE(chara.m_nY, 0);
    EXPECT_LT(chara.m_nY, kHeight);
  }
  EXPECT_EQ(computers, kCharas);
  EXPECT_EQ(solids, kPlatforms);
  // No two parts share a cell.
  std::set<std::pair<int32_t, int32_t>> cells;
  for (const cBlockDef& block : built_.m_PlacedBlocks) cells.insert({block.m_nX, block.m_nY});
  for (const cCharaDef& chara : built_.m_PlacedCharas) cells.insert({chara.m_nX, chara.m_nY});
  EXPECT_EQ(cells.size(), built_.m_PlacedBlocks.size() + built_.m_PlacedCharas.size());
}

TEST_F(SampleBenchStage, SavesAndLoadsBackAsBuilt) {
  cStageData saved = built_;
  const std::vector<uint8_t> image = SaveRecordImage(saved);
  cStageData loaded;
  ASSERT_EQ(LoadRecordImage(loaded, image), eRecordFile::Ok);
  EXPECT_EQ(loaded.m_nWidth, kWidth);
  EXPECT_EQ(loaded.m_nCollisionLevel, 10);
  EXPECT_TRUE(loaded.m_PlacedCharas == built_.m_PlacedCharas);
  EXPECT_TRUE(loaded.m_PlacedBlocks == built_.m_PlacedBlocks);
}

TEST_F(SampleBenchStage, PlayedItKeepsEveryCharaShotsByTheThousandAndRiders) {
  g_Stage = built_;
  g_Stage.Normalize();
  g_StageInitial.TakeHeaderOf(g_Stage);
  g_InputList.assign(1, cInput());
  cStagePlay play;
  g_lpSceneStagePlay = &play;
  ASSERT_TRUE(play.SetStage(0, 1));
  for (int32_t f = 0; f < 400; ++f) ASSERT_EQ(play.PhasePlay(), kPlayGoOn) << "frame " << f;
  EXPECT_EQ(g_Heroes.front().m_bDead, 0);
  EXPECT_EQ(g_CharaList.size(), static_cast<std::size_t>(kCharas));
  EXPECT_GT(play.m_ShotList.size(), 1500u);
  EXPECT_LT(play.m_ShotList.size(), 2600u);
  int32_t riders = 0;
  for (const cChara& chara : g_CharaList) {
    const cChara* ridden = chara.m_bRiding != 0 ? play.FindListedChara(chara.m_nRiddenId) : nullptr;
    if (ridden != nullptr && ridden->m_Def.m_bBlockChara != 0) ++riders;
  }
  EXPECT_GE(riders, kPlatforms / 2);
  ClearCharas(play);
  ClearItems(play);
  ClearShots(play);
  ClearHeroes(play);
  g_lpSceneStagePlay = nullptr;
}

}  // namespace sample_bench_stage_test
