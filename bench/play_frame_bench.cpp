// One play frame of a busy stage: 300 x 40 blocks with a floor, collision
// level 10 (10 sub-steps), contacts in every sub-step, 500 charas of which 50
// are solid platforms, all active, the others spread over four object
// groups. Measured as a whole, and split into the passes that exist so far:
// the object states of every sub-step, the charas' moves through the blocks,
// the solid charas against the others, the contacts between the groups, and
// the frame's presentation step. The flow pass adds its own as it lands.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "bench/bench_large_stage.h"
#include "core/input/input_state.h"
#include "records/database/database.h"
#include "records/stage/stage_globals.h"
#include "stage/grid/block_grid.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"

namespace {

constexpr int32_t kFrameWidth = 300;
constexpr int32_t kFrameHeight = 40;
constexpr int32_t kFrameCharas = 500;
constexpr int32_t kFrameSolids = 50;

void WriteBusyStage(cStageData& stage) {
  bench_large_stage::WriteBenchStageHeader(stage, kFrameWidth, kFrameHeight);
  stage.m_nContactSteps = 0;
  for (int32_t x = 0; x < kFrameWidth; ++x) {
    cBlockDef& block = stage.m_PlacedBlocks.emplace_back();
    block.m_nX = static_cast<int16_t>(x);
    block.m_nY = kFrameHeight - 1;
    block.m_nGraphic = 1;
  }
  cCharaDef& hero = stage.m_PlacedCharas.emplace_back();
  hero.m_nControl = cCharaDef::kControlPlayer;
  hero.m_nGraphic = 1;
  hero.m_nMaxHp = 10;
  hero.m_nCarriedItem = -1;
  hero.m_nX = 2;
  hero.m_nY = kFrameHeight - 2;
  for (int32_t i = 0; i < kFrameCharas; ++i) {
    cCharaDef& chara = stage.m_PlacedCharas.emplace_back();
    chara.m_nControl = cCharaDef::kControlComputer;
    chara.m_nGraphic = 1;
    chara.m_nMaxHp = 5;
    chara.m_nCarriedItem = -1;
    chara.m_nActiveRange = 3;  // active everywhere
    chara.m_bBlockChara = i < kFrameSolids ? 1 : 0;
    chara.m_nGroup = static_cast<int8_t>(1 + i % 4);
    chara.m_nX = static_cast<int16_t>((i * 7) % kFrameWidth);
    chara.m_nY = static_cast<int16_t>(5 + (i * 13) % (kFrameHeight - 8));
  }
}

// The busy stage built and settled (the charas landed), installed for the
// lifetime of the object.
class cBusyStage {
 public:
  cBusyStage() : m_SavedAnimeSets(g_Database.m_AnimeSets) {
    g_lpSceneStagePlay = &m_Play;
    g_Database.m_AnimeSets.resize(1);
    WriteBusyStage(g_Stage);
    g_StageInitial.TakeHeaderOf(g_Stage);
    g_InputList.assign(1, cInput());
    m_Play.SetStage(0, 1);
    for (int32_t f = 0; f < 120; ++f) m_Play.PhasePlay();
  }
  ~cBusyStage() {
    ClearCharas(m_Play);
    ClearItems(m_Play);
    ClearHeroes(m_Play);
    g_BlockGrid.Release();
    g_Database.m_AnimeSets = m_SavedAnimeSets;
    g_lpSceneStagePlay = nullptr;
  }
  cStagePlay& Play() { return m_Play; }

 private:
  cVector<cAnimeSet> m_SavedAnimeSets;
  cStagePlay m_Play;
};

void BM_PlayFrameBusyStage(benchmark::State& state) {
  cBusyStage stage;
  for (auto _ : state) {
    const int32_t end = stage.Play().PhasePlay();
    benchmark::DoNotOptimize(end);
  }
  state.counters["charas"] = static_cast<double>(g_CharaList.size());
}
BENCHMARK(BM_PlayFrameBusyStage)->Unit(benchmark::kMicrosecond);

// The object states, once per sub-step.
void BM_PlayFramePassObjectStates(benchmark::State& state) {
  cBusyStage stage;
  for (auto _ : state) {
    for (int32_t s = 0; s < g_Stage.m_nSubSteps; ++s) stage.Play().UpdateObjectStates();
  }
}
BENCHMARK(BM_PlayFramePassObjectStates)->Unit(benchmark::kMicrosecond);

// Every chara's move and block collision on both axes, once per sub-step.
void BM_PlayFramePassCharaBlocks(benchmark::State& state) {
  cBusyStage stage;
  cStagePlay& play = stage.Play();
  for (auto _ : state) {
    for (int32_t s = 0; s < g_Stage.m_nSubSteps; ++s) {
      for (cChara& chara : g_CharaList) {
        chara.MoveX();
        play.CollideBlocksX(chara);
        chara.ApplyGravity();
        chara.MoveY();
        play.CollideBlocksY(chara);
      }
    }
  }
}
BENCHMARK(BM_PlayFramePassCharaBlocks)->Unit(benchmark::kMicrosecond);

// Every other chara against the solid charas, once per sub-step.
void BM_PlayFramePassSolidCharas(benchmark::State& state) {
  cBusyStage stage;
  cStagePlay& play = stage.Play();
  for (auto _ : state) {
    for (int32_t s = 0; s < g_Stage.m_nSubSteps; ++s) {
      for (cChara& chara : g_CharaList) {
        if (chara.m_Def.m_bBlockChara == 0) benchmark::DoNotOptimize(play.CollideSolidCharas(chara, g_CharaList));
      }
    }
  }
}
BENCHMARK(BM_PlayFramePassSolidCharas)->Unit(benchmark::kMicrosecond);

// The contact pass, once per sub-step.
void BM_PlayFramePassContacts(benchmark::State& state) {
  cBusyStage stage;
  cStagePlay& play = stage.Play();
  for (auto _ : state) {
    for (int32_t s = 0; s < g_Stage.m_nSubSteps; ++s) benchmark::DoNotOptimize(play.ResolveContacts(g_CharaList));
  }
}
BENCHMARK(BM_PlayFramePassContacts)->Unit(benchmark::kMicrosecond);

// The presentation step of a drawn frame.
void BM_PlayFramePassPresentation(benchmark::State& state) {
  cBusyStage stage;
  for (auto _ : state) benchmark::DoNotOptimize(stage.Play().UpdatePresentation(0));
}
BENCHMARK(BM_PlayFramePassPresentation)->Unit(benchmark::kMicrosecond);

}  // namespace
