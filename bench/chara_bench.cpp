// The chara work of a busy stage: 500 charas, half of them with a running
// chara effect and an animation player, at collision level 10 (L = 10):
// - one frame of moves, gravity, push decay, invincibility ticks and the
//   activation test (target: under 0.4 ms);
// - one frame of the presentation's state pass: animations, players, effects,
//   gauges (under 0.1 ms);
// - 1,000,000 FindCharaById lookups (under 20 ms);
// - ReleaseTargetLinks of a chara named by 500 others (under 0.05 ms).

#include <benchmark/benchmark.h>

#include <cstdint>

#include "records/database/database.h"
#include "records/database/runtime/effect_state_tables.h"
#include "bench/bench_camera.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara.h"
#include "stage/objects/chara_draw_list.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"

namespace chara_bench {

constexpr int32_t kCharas = 500;
constexpr int32_t kSubSteps = 10;
constexpr int32_t kLoop[] = {3, 4, 0, 5, 4, 0, kAnimeStepLoop, 0, 0};
constexpr const int32_t* kLoopTables[] = {kLoop, nullptr};

// 500 charas spread over a 60 x 20 stage, registered in a running play.
class cCharaWorld {
 public:
  cCharaWorld() {
    g_Stage = cStageData();
    g_Stage.m_dGravity = 1.5;
    g_Stage.SetCollisionLevel(kSubSteps);
    FillBenchAxis(m_Play.m_ScrollX, 0, 60);
    FillBenchAxis(m_Play.m_ScrollY, 1, 20);
    m_Play.m_ScrollX.m_dPos = 320;
    m_Play.m_ScrollY.m_dPos = 320;
    g_lpSceneStagePlay = &m_Play;

    g_Database.m_CharaEffects.resize(2);
    cCharaEffect& zoom = g_Database.m_CharaEffects.CheckedVectorAt(1);
    zoom.m_nKind = 11;
    zoom.m_nParams[0] = 10;
    zoom.m_nParams[1] = 32;
    zoom.m_nParams[2] = 64;
    BuildCharaEffectStates(g_CharaEffectStates, g_CharaEffectStatesRev);

    for (int32_t i = 0; i < kCharas; ++i) {
      cChara chara;
      cCharaDef def;
      def.m_nMaxHp = 100;
      chara.Init(i, &def, nullptr, 0, 0, 0);
      chara.m_dX = 320 + (i % 60) * 32 + 0.5;
      chara.m_dY = 320 + (i / 60) * 40;
      chara.m_dVX = (i % 2) ? 1.5 : -1.5;
      chara.m_dPushVX = (i % 3) ? 0.5 : 0;
      chara.m_nInvincible = i % 7;
      chara.m_Immunities.push_back({i + 1, i % 5 + 1});
      if (i % 2 == 0) {
        chara.m_CharaEffect.Start(1, 2, 1);
        ANIMEPLAYER& player = chara.m_AnimePlayers.emplace_back();
        player.Anime.Build(kLoopTables);
        player.Anime.SetSequence(0, 1);
        chara.ChangeHp(-10, 0, 1);
      }
      AddChara(m_Play, chara);
    }
  }

  ~cCharaWorld() {
    ClearCharas(m_Play);
    g_CharaEffectStates.clear();
    g_CharaEffectStatesRev.clear();
    g_Database.m_CharaEffects.clear();
    g_lpSceneStagePlay = nullptr;
  }

  cStagePlay m_Play;
};

void BM_CharaFrameMotion(benchmark::State& state) {
  cCharaWorld world;
  uint8_t groups[kActGroupCount] = {};
  for (auto _ : state) {
    for (int32_t step = 0; step < kSubSteps; ++step) {
      for (cChara& chara : g_CharaList) {
        chara.UpdateInRange(groups);
        chara.UpdateActivation(groups);
        chara.MoveX();
        chara.ApplyGravity();
        chara.MoveY();
        chara.DecayPushX();
        chara.DecayPushY();
        chara.TickInvincibility();
      }
    }
    benchmark::DoNotOptimize(g_CharaList.front().m_dY);
  }
}
BENCHMARK(BM_CharaFrameMotion)->Unit(benchmark::kMicrosecond);

// With a draw list (range 1) the pass also records what it would draw, as a
// frame that is shown does; without one (0) it runs headless.
void BM_CharaStatePass(benchmark::State& state) {
  cCharaWorld world;
  cCharaDrawList draw;
  cCharaDrawList* lpDraw = state.range(0) != 0 ? &draw : nullptr;
  for (auto _ : state) {
    draw.Entries.clear();
    int32_t patterns = 0;
    for (cChara& chara : g_CharaList) {
      patterns += chara.StepDrawnChara(0, lpDraw);
      chara.StepGauge(chara.m_HpGauge, lpDraw);
      chara.StepGauge(chara.m_SpGauge, lpDraw);
    }
    benchmark::DoNotOptimize(patterns);
  }
}
BENCHMARK(BM_CharaStatePass)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_FindCharaByIdMillion(benchmark::State& state) {
  cCharaWorld world;
  for (auto _ : state) {
    int64_t found = 0;
    for (int32_t i = 0; i < 1'000'000; ++i) found += world.m_Play.FindCharaById(i % (kCharas + 10)) != nullptr;
    benchmark::DoNotOptimize(found);
  }
}
BENCHMARK(BM_FindCharaByIdMillion)->Unit(benchmark::kMillisecond);

void BM_ReleaseTargetLinksOfAWidelyNamedChara(benchmark::State& state) {
  cCharaWorld world;
  cCharaBase& named = g_CharaList.front();
  for (auto _ : state) {
    state.PauseTiming();
    for (cChara& other : g_CharaList) {
      if (&other == &named) continue;
      other.m_Targets.CheckedVectorAt(1) = named.m_nId;
      named.m_TargetedBy.push_back({other.m_nId, 1});
    }
    state.ResumeTiming();
    named.ReleaseTargetLinks();
  }
}
BENCHMARK(BM_ReleaseTargetLinksOfAWidelyNamedChara)->Unit(benchmark::kMicrosecond);

}  // namespace chara_bench
