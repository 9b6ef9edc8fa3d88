// The object operations the play step runs for every object on every
// sub-step, at the sizes a busy stage reaches:
// - StepX, ClampXMode, StepY, ClampYMode of 500 objects over 10 sub-steps
//   (target: under 0.1 ms for the whole frame);
// - FindNearestCharaEx over 500 charas with every filter on (under 10 us);
// - TouchesSolidCorner (under 20 ns), alike on a 20 x 15 and a 2000 x 200
//   grid: the corner lookups must not depend on the stage's size.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "core/containers/checked_list.h"
#include "bench/bench_camera.h"
#include "records/stage/stage_globals.h"
#include "stage/grid/block_grid.h"
#include "stage/objects/chara.h"
#include "stage/objects/chara_search.h"
#include "stage/objects/stage_play.h"

namespace {

constexpr int32_t kObjects = 500;
constexpr int32_t kSubSteps = 10;

// A stage of width x height blocks with its camera axes, installed as the
// running one for the lifetime of the object.
class cBenchWorld {
 public:
  cBenchWorld(int32_t width, int32_t height) {
    g_Stage = cStageData();
    g_Stage.m_dGravity = 1.5;
    g_Stage.SetCollisionLevel(kSubSteps);
    FillBenchAxis(m_Play.m_ScrollX, 0, width);
    FillBenchAxis(m_Play.m_ScrollY, 1, height);
    m_Play.m_ScrollX.m_dPos = 320;
    m_Play.m_ScrollY.m_dPos = 320;
    g_BlockGrid.Build(width, height);
    g_lpSceneStagePlay = &m_Play;
  }
  ~cBenchWorld() {
    g_lpSceneStagePlay = nullptr;
    g_BlockGrid.Release();
  }

 private:
  cStagePlay m_Play;
};

// Objects spread over the stage, moving both ways, some in the margins.
std::vector<cChara> MakeObjects(int32_t count) {
  std::vector<cChara> objects(static_cast<size_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    cChara& object = objects[static_cast<size_t>(i)];
    object.Init(i, 1, 0, i & 7, 0, nullptr, 0, 0, 0, 32, 32, 32, 32, i & 1, i % 3 == 0 ? 1 : 0, 0);
    object.m_dX = 100 + (i * 37) % 1200;
    object.m_dY = 100 + (i * 53) % 900;
    object.m_dVX = (i & 1) != 0 ? 2.5 : -3.25;
    object.m_dVY = (i & 2) != 0 ? 1.5 : -0.75;
  }
  return objects;
}

void BM_MoveObjectsOneFrame(benchmark::State& state) {
  cBenchWorld world(40, 30);
  std::vector<cChara> objects = MakeObjects(kObjects);
  for (auto _ : state) {
    int32_t codes = 0;
    for (int32_t step = 0; step < kSubSteps; ++step) {
      for (cChara& object : objects) {
        codes += object.StepX(2);
        codes += object.ClampXMode(0);
        codes += object.StepY(2);
        codes += object.ClampYMode(1);
      }
    }
    benchmark::DoNotOptimize(codes);
  }
  state.SetItemsProcessed(state.iterations() * kObjects * kSubSteps);
}
BENCHMARK(BM_MoveObjectsOneFrame);

void BM_FindNearestCharaEveryFilter(benchmark::State& state) {
  cBenchWorld world(40, 30);
  cList<cChara> charas;
  for (const cChara& object : MakeObjects(kObjects)) {
    cChara& chara = charas.emplace_back(object);
    chara.UpdateScreenRect();
    chara.m_bEnabled = 1;
    chara.m_bOnScreen = chara.m_nId % 4 != 0;
    chara.m_Vars.assign(9, chara.m_nId);
    chara.m_Def.m_nCharaId = static_cast<int8_t>(chara.m_nId % 3);
  }
  cCharaFilter filter;
  filter.m_bCharaId = 1;
  filter.m_nCharaId = 1;
  filter.m_bOwnId = 1;
  filter.m_nOwnId = 7;
  filter.m_bNoInvincible1 = 1;
  filter.m_bNoInvincible2 = 1;
  filter.m_bNoBlockChara = 1;
  filter.m_bVar = 1;
  filter.m_nVar = 3;
  filter.m_nOperator = 6;
  filter.m_nValue = 2;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FindNearestCharaEx(320, 240, charas, kSearchOnScreenFirst, filter));
  }
}
BENCHMARK(BM_FindNearestCharaEveryFilter);

// range(0) x range(1) blocks; objects spread over the whole stage so the
// lookups meet the caches as the play step would.
void BM_TouchesSolidCorner(benchmark::State& state) {
  const auto width = static_cast<int32_t>(state.range(0));
  const auto height = static_cast<int32_t>(state.range(1));
  cBenchWorld world(width, height);
  for (int32_t i = 0; i < g_BlockGrid.VectorSize(); i += 7) g_BlockGrid.CheckedVectorAt(i).m_nHitClass = 1;
  g_BlockGrid.RefreshCells();
  std::vector<cChara> objects(256);
  for (size_t i = 0; i < objects.size(); ++i) {
    cChara& object = objects[i];
    object.Init(0, 1, 0, 0, 0, nullptr, 0, 0, 0, 24, 40, 24, 40, 0, 0, 0);
    object.m_dX = 320 + static_cast<double>((i * 7919) % static_cast<size_t>(width * 32 - 24));
    object.m_dY = 320 + static_cast<double>((i * 104729) % static_cast<size_t>(height * 32 - 40));
    object.ClampXMode(9);
    object.ClampYMode(9);
  }
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(objects[next].TouchesSolidCorner());
    next = (next + 1) & 255;
  }
}
BENCHMARK(BM_TouchesSolidCorner)->Args({20, 15})->Args({2000, 200});

}  // namespace
