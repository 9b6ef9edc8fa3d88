// A chara against the block grid: CollideBlocksX and CollideBlocksY of one
// object after its move, on a 40 x 15 and a 4000 x 400 stage. The grid
// lookups must not depend on the stage's size: the two figures should lie
// within 10 % of each other. The large grid (4020 x 420 cells with a row
// stride of 4096, about 1.7 million cells, some 300 MB) is within the
// grid's cell cap, so it is measured at its full size.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "bench/bench_camera.h"
#include "records/stage/stage_globals.h"
#include "stage/grid/block_grid.h"
#include "stage/objects/chara.h"
#include "stage/objects/stage_play.h"

namespace block_collision_bench {

constexpr int32_t kObjects = 256;

// A stage of width x height blocks whose every seventh cell is solid,
// installed as the running one for the lifetime of the object.
class cBlockWorld {
 public:
  cBlockWorld(int32_t width, int32_t height) {
    g_Stage = cStageData();
    g_Stage.m_dGravity = 1.5;
    g_Stage.SetCollisionLevel(10);
    FillBenchAxis(m_Play.m_ScrollX, 0, width);
    FillBenchAxis(m_Play.m_ScrollY, 1, height);
    m_Play.m_ScrollX.m_nProbeBound = width * 32 + 640;
    m_Play.m_ScrollY.m_nProbeBound = height * 32 + 640;
    g_BlockGrid.Build(width, height);
    for (int32_t i = 0; i < g_BlockGrid.VectorSize(); i += 7) {
      cBlock& block = g_BlockGrid.CheckedVectorAt(i);
      block.m_nGraphic = 1;
      block.m_nHitClass = kBlockSolid;
      block.m_nExemptGroup = kNoExemptGroup;
    }
    g_BlockGrid.RefreshCells();
    g_lpSceneStagePlay = &m_Play;
  }
  ~cBlockWorld() {
    g_lpSceneStagePlay = nullptr;
    g_BlockGrid.Release();
  }
  cStagePlay& Play() { return m_Play; }

 private:
  cStagePlay m_Play;
};

// Walking charas spread over the whole stage, so the lookups meet the
// caches as the play step would.
std::vector<cChara> SpreadCharas(int32_t width, int32_t height) {
  std::vector<cChara> charas(kObjects);
  for (size_t i = 0; i < charas.size(); ++i) {
    cChara& chara = charas[i];
    chara.Init(static_cast<int32_t>(i), 1, 0, 0, 0, nullptr, 0, 0, 0, 24, 40, 24, 40, 0, 0, 0);
    chara.m_Def.m_nGiant = 1;
    chara.m_dX = 320 + static_cast<double>((i * 7919) % static_cast<size_t>(width * 32 - 24));
    chara.m_dY = 320 + static_cast<double>((i * 104729) % static_cast<size_t>(height * 32 - 40));
    chara.m_dVX = (i & 1) != 0 ? 1.5 : -1.5;
    chara.m_dVY = 1;
    chara.ClampXMode(9);
    chara.ClampYMode(9);
  }
  return charas;
}

void BM_CollideBlocksPerObject(benchmark::State& state) {
  const auto width = static_cast<int32_t>(state.range(0));
  const auto height = static_cast<int32_t>(state.range(1));
  cBlockWorld world(width, height);
  const std::vector<cChara> start = SpreadCharas(width, height);
  std::vector<cChara> charas = start;
  size_t next = 0;
  for (auto _ : state) {
    cChara& chara = charas[next];
    benchmark::DoNotOptimize(world.Play().CollideBlocksX(chara));
    benchmark::DoNotOptimize(world.Play().CollideBlocksY(chara));
    // Back where it started, so every pass tests the same pushes.
    chara.m_dX = start[next].m_dX;
    chara.m_dY = start[next].m_dY;
    chara.m_dVY = 1;
    chara.ClampXMode(9);
    chara.ClampYMode(9);
    next = (next + 1) % charas.size();
  }
}
BENCHMARK(BM_CollideBlocksPerObject)->Args({40, 15})->Args({4000, 400});

}  // namespace block_collision_bench
