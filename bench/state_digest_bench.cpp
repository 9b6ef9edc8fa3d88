// The state digest of a busy stage: 500 charas and 2000 shots on a 20 x 15
// grid. A tool cost (the stage runner and replay checks digest every few
// frames), outside the frame budget; target: under 5 ms.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "records/stage/stage_globals.h"
#include "stage/grid/block_grid.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"
#include "stage/objects/state_digest.h"

namespace {

void BM_StateDigest(benchmark::State& state) {
  g_Stage = cStageData();
  g_Stage.m_nWidth = 20;
  g_Stage.m_nHeight = 15;
  cStagePlay play;
  g_lpSceneStagePlay = &play;
  play.SetStage(0, 1);
  for (int32_t id = 0; id < 500; ++id) {
    cChara chara;
    chara.m_nId = id;
    chara.m_dX = 320 + id;
    chara.m_Vars.assign(9, id);
    AddChara(play, chara);
  }
  for (int32_t id = 0; id < 2000; ++id) {
    cShot shot;
    shot.m_nId = id;
    shot.m_dVX = id * 0.25;
    AddShot(play, shot);
  }
  for (auto _ : state) benchmark::DoNotOptimize(StateDigest(play));
  ClearCharas(play);
  ClearShots(play);
  g_BlockGrid.Release();
  g_lpSceneStagePlay = nullptr;
}
BENCHMARK(BM_StateDigest)->Unit(benchmark::kMillisecond);

}  // namespace
