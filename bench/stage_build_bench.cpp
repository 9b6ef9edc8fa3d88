// SetStage on the large benchmark stage (bench_large_stage.h) and on the
// sample's "bench" stage (bench_sample_stage.h). Target: under 16 ms, so a
// restart after a death never drops a frame.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "bench/bench_large_stage.h"
#include "bench/bench_sample_stage.h"
#include "core/input/input_state.h"
#include "records/database/database.h"
#include "records/stage/stage_globals.h"
#include "stage/grid/block_grid.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"

namespace {

void BM_SetStageLarge(benchmark::State& state) {
  cStagePlay play;
  g_lpSceneStagePlay = &play;
  const cVector<cAnimeSet> savedAnimeSets = g_Database.m_AnimeSets;
  g_Database.m_AnimeSets.resize(1);
  bench_large_stage::WriteLargeStage(g_Stage);
  g_StageInitial.TakeHeaderOf(g_Stage);
  g_InputList.assign(1, cInput());
  for (auto _ : state) {
    const bool built = play.SetStage(0, 1);
    benchmark::DoNotOptimize(built);
  }
  state.counters["charas"] = static_cast<double>(g_CharaList.size());
  state.counters["items"] = static_cast<double>(g_ItemList.size());
  ClearCharas(play);
  ClearItems(play);
  ClearHeroes(play);
  g_BlockGrid.Release();
  g_Database.m_AnimeSets = savedAnimeSets;
  g_lpSceneStagePlay = nullptr;
}
BENCHMARK(BM_SetStageLarge)->Unit(benchmark::kMillisecond);

void BM_SetStageBenchStage(benchmark::State& state) {
  const bench_sample_stage::cInstalledBenchStage installed;
  cStagePlay play;
  g_lpSceneStagePlay = &play;
  bench_sample_stage::cMedian median;
  for (auto _ : state) {
    median.Start();
    const bool built = play.SetStage(0, 1);
    median.Stop();
    benchmark::DoNotOptimize(built);
  }
  state.counters["median_ms"] = median.Microseconds() / 1000;
  state.counters["charas"] = static_cast<double>(g_CharaList.size());
  ClearCharas(play);
  ClearShots(play);
  ClearHeroes(play);
  g_lpSceneStagePlay = nullptr;
}
BENCHMARK(BM_SetStageBenchStage)->Unit(benchmark::kMillisecond);

}  // namespace
