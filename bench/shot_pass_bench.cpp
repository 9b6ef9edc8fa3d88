// The shots' pass: 2000 shots of mixed trajectories (a tenth homing on the
// nearest chara), eight factions, 500 charas, a stage with blocks. Targets:
// a frame (L passes) under 1 ms at collision level 10 and 0.1 ms at level 1.
// And HitsBlock, whose cost should grow with the cells a shot covers.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "records/stage/stage_globals.h"
#include "stage/grid/block_grid.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/shot_pass.h"
#include "stage/objects/stage_play.h"

namespace shot_pass_bench {

constexpr int8_t kKinds[] = {kShotStraight, kShotWave, kShotFall, kShotStraight, kShotAimHero,
                             kShotWave,     kShotStraight, kShotHomeHero, kShotStraight, kShotHomeNearest};

void BuildStage(cStagePlay& play, int32_t level) {
  g_Stage = cStageData();
  g_Stage.m_nWidth = 60;
  g_Stage.m_nHeight = 30;
  g_Stage.m_nFps = 60;
  g_Stage.m_nCollisionLevel = level;
  g_Stage.m_nScrollLimitRight = 59;
  g_Stage.m_nScrollLimitBottom = 29;
  for (int32_t i = 0; i < 400; ++i) {
    cBlockDef& block = g_Stage.m_PlacedBlocks.emplace_back();
    block.m_nX = static_cast<int16_t>((i * 7) % 60);
    block.m_nY = static_cast<int16_t>((i * 3) % 30);
    block.m_nGraphic = 1;
  }
  cCharaDef& hero = g_Stage.m_PlacedCharas.emplace_back();
  hero.m_nControl = cCharaDef::kControlPlayer;
  hero.m_nMaxHp = 10;
  hero.m_nCarriedItem = -1;
  hero.m_nGraphic = 1;
  hero.m_nX = 1;
  hero.m_nY = 1;
  g_HeroDef = hero;
  g_StageInitial.TakeHeaderOf(g_Stage);
  g_lpSceneStagePlay = &play;
  play.SetStage(0, 1);
  play.m_ScrollX.m_dPos = 320;
  play.m_ScrollY.m_dPos = 320;
  // The shots spread over the whole stage stay: only blocks end them.
  for (cEraseArea& area : g_Stage.m_EraseAreas) area = cEraseArea();
  for (int32_t id = 0; id < 500; ++id) {
    cChara chara;
    chara.m_nId = id;
    chara.m_dX = 320 + (id * 37) % 1900;
    chara.m_dY = 320 + (id * 53) % 940;
    chara.m_nGraphicW = chara.m_nGraphicH = chara.m_nWidth = chara.m_nHeight = 32;
    chara.m_nBlockKey = id % kObjGroupCount;
    chara.m_bEnabled = 1;
    chara.m_bOnScreen = id % 2;
    chara.UpdateScreenRect();
    AddChara(play, chara);
    play.m_ObjGroup.CheckedVectorAt(chara.m_nBlockKey).push_back(id);
  }
}

void FillShots(cStagePlay& play) {
  ClearShots(play);
  for (cList<int32_t>& layer : play.m_ShotLayers) layer.clear();
  for (int32_t id = 0; id < 2000; ++id) {
    cShot shot;
    shot.m_nId = id;
    shot.m_bShot = 1;
    shot.m_bFlying = 1;
    shot.m_nControl = 1;
    shot.m_nWidth = shot.m_nHeight = shot.m_nGraphicW = shot.m_nGraphicH = 16;
    shot.m_dX = 330 + (id * 29) % 1900;
    shot.m_dY = 330 + (id * 31) % 940;
    shot.m_dTrajVX = (id % 5) - 2;
    shot.m_dTrajVY = (id % 3) - 1;
    shot.m_Settings.m_nGroup = static_cast<int8_t>(id % kObjGroupCount);
    shot.m_Settings.m_nMoveType = kKinds[id % 10];
    shot.m_Settings.m_nMoveTypeParam[0] = 2;
    shot.m_Settings.m_nMoveTypeParam[1] = 30;
    shot.m_Settings.m_nMoveTypeParam[2] = static_cast<int16_t>(id % kObjGroupCount);
    shot.m_Settings.m_nSpeed = 40;
    shot.m_Settings.m_bShotOpt9 = static_cast<int8_t>(id % 4 == 0 ? 0 : 1);
    AddShot(play, shot);
  }
}

void BM_ShotPassFrame(benchmark::State& state) {
  const auto level = static_cast<int32_t>(state.range(0));
  cStagePlay play;
  BuildStage(play, level);
  for (auto _ : state) {
    state.PauseTiming();
    FillShots(play);
    RunShotPass(play, 2);  // the trajectories' first passes: a frame of a running stage follows
    state.ResumeTiming();
    for (int32_t s = 1; s <= g_Stage.m_nSubSteps; ++s) RunShotPass(play, s);
    benchmark::DoNotOptimize(play.m_ShotList.size());
  }
  state.counters["left"] = static_cast<double>(play.m_ShotList.size());
  ClearShots(play);
  ClearCharas(play);
  ClearHeroes(play);
  g_BlockGrid.Release();
  g_lpSceneStagePlay = nullptr;
}
BENCHMARK(BM_ShotPassFrame)->Arg(10)->Arg(1)->Unit(benchmark::kMicrosecond);

// A shot of size n x 16 dots square over an empty grid: every cell it covers
// is tested.
void BM_ShotHitsBlock(benchmark::State& state) {
  cStagePlay play;
  BuildStage(play, 1);
  cShot shot;
  shot.m_nWidth = shot.m_nHeight = static_cast<int32_t>(state.range(0)) * 16;
  shot.m_dX = 400;
  shot.m_dY = 400;
  for (cBlock& block : g_BlockGrid) block.m_nHitClass = 0;
  g_BlockGrid.RefreshCells();
  for (auto _ : state) benchmark::DoNotOptimize(shot.HitsBlock());
  state.counters["cells"] = static_cast<double>(((shot.m_nWidth + 31) / 32) * ((shot.m_nHeight + 31) / 32));
  ClearCharas(play);
  ClearHeroes(play);
  g_BlockGrid.Release();
  g_lpSceneStagePlay = nullptr;
}
BENCHMARK(BM_ShotHitsBlock)->Arg(1)->Arg(4)->Arg(8)->Arg(16)->Arg(32);

}  // namespace shot_pass_bench
