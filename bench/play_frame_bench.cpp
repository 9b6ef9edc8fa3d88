// One play frame of the sample's "bench" stage (bench_sample_stage.h): 300 x
// 40 blocks at collision level 10, 500 charas with flows of which 50 are
// moving solid platforms, and about 2000 shots in the air. Target: a median
// frame under 2 ms over 600 frames.
//
// The split: each pass benchmark times one pass over all the sub-steps of a
// frame, on the stage as a real frame (played untimed between the
// iterations) leaves it, so every pass meets the crowd it meets in play. A
// pass run once more in a frame moves or fires the shots once more, so the
// flows pass ends with more shots and the shot pass with fewer: the "shots"
// counter says how many each ended with. The medians are the "median_us"
// counters.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "bench/bench_sample_stage.h"
#include "stage/objects/object_walk.h"
#include "stage/objects/shot_pass.h"

namespace {

using bench_sample_stage::cMedian;
using bench_sample_stage::cPlayedBenchStage;

constexpr int32_t kSettleFrames = 400;
constexpr int32_t kFrames = 600;

void Report(benchmark::State& state, cMedian& median) {
  state.counters["median_us"] = median.Microseconds();
  state.counters["charas"] = static_cast<double>(g_CharaList.size());
  state.counters["shots"] = static_cast<double>(g_lpSceneStagePlay->m_ShotList.size());
}

void BM_PlayFrameBenchStage(benchmark::State& state) {
  cPlayedBenchStage stage(kSettleFrames);
  cMedian median;
  for (auto _ : state) {
    median.Start();
    const int32_t end = stage.Play().PhasePlay();
    median.Stop();
    benchmark::DoNotOptimize(end);
  }
  Report(state, median);
}
BENCHMARK(BM_PlayFrameBenchStage)->Unit(benchmark::kMicrosecond)->Iterations(kFrames);

// One pass of a frame, timed between untimed real frames.
template <class Pass>
void TimePass(benchmark::State& state, Pass pass) {
  cPlayedBenchStage stage(kSettleFrames);
  cMedian median;
  for (auto _ : state) {
    state.PauseTiming();
    stage.Play().PhasePlay();
    state.ResumeTiming();
    median.Start();
    pass(stage.Play());
    median.Stop();
  }
  Report(state, median);
}

// The charas' flows, once per sub-step.
void BM_PlayFramePassFlows(benchmark::State& state) {
  TimePass(state, [](cStagePlay& play) {
    for (int32_t s = 0; s < g_Stage.m_nSubSteps; ++s) {
      cCharaWalk walk(play);
      for (cChara& chara : g_CharaList) {
        if (IsLive(play, chara)) benchmark::DoNotOptimize(chara.RunFlows(0));
      }
    }
  });
}
BENCHMARK(BM_PlayFramePassFlows)->Unit(benchmark::kMicrosecond)->Iterations(kFrames);

// Every chara's move and block collision on both axes, once per sub-step.
void BM_PlayFramePassCharaBlocks(benchmark::State& state) {
  TimePass(state, [](cStagePlay& play) {
    for (int32_t s = 0; s < g_Stage.m_nSubSteps; ++s) {
      for (cChara& chara : g_CharaList) {
        chara.MoveX();
        play.CollideBlocksX(chara);
        chara.ApplyGravity();
        chara.MoveY();
        play.CollideBlocksY(chara);
      }
    }
  });
}
BENCHMARK(BM_PlayFramePassCharaBlocks)->Unit(benchmark::kMicrosecond)->Iterations(kFrames);

// Every other chara against the solid charas, once per sub-step.
void BM_PlayFramePassSolidCharas(benchmark::State& state) {
  TimePass(state, [](cStagePlay& play) {
    for (int32_t s = 0; s < g_Stage.m_nSubSteps; ++s) {
      for (cChara& chara : g_CharaList) {
        if (chara.m_Def.m_bBlockChara == 0) benchmark::DoNotOptimize(play.CollideSolidCharas(chara, g_CharaList));
      }
    }
  });
}
BENCHMARK(BM_PlayFramePassSolidCharas)->Unit(benchmark::kMicrosecond)->Iterations(kFrames);

// The contact pass, once per sub-step.
void BM_PlayFramePassContacts(benchmark::State& state) {
  TimePass(state, [](cStagePlay& play) {
    for (int32_t s = 0; s < g_Stage.m_nSubSteps; ++s) benchmark::DoNotOptimize(play.ResolveContacts(g_CharaList));
  });
}
BENCHMARK(BM_PlayFramePassContacts)->Unit(benchmark::kMicrosecond)->Iterations(kFrames);

// The shot pass, once per sub-step.
void BM_PlayFramePassShots(benchmark::State& state) {
  TimePass(state, [](cStagePlay& play) {
    for (int32_t s = 1; s <= g_Stage.m_nSubSteps; ++s) RunShotPass(play, s);
  });
}
BENCHMARK(BM_PlayFramePassShots)->Unit(benchmark::kMicrosecond)->Iterations(kFrames);

// The presentation state: the object states of every sub-step and the
// frame's presentation step.
void BM_PlayFramePassPresentation(benchmark::State& state) {
  TimePass(state, [](cStagePlay& play) {
    for (int32_t s = 0; s < g_Stage.m_nSubSteps; ++s) play.UpdateObjectStates();
    benchmark::DoNotOptimize(play.UpdatePresentation(0));
  });
}
BENCHMARK(BM_PlayFramePassPresentation)->Unit(benchmark::kMicrosecond)->Iterations(kFrames);

}  // namespace
