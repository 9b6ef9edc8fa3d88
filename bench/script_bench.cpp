// The script work a flow pass can repeat for many charas each sub-step:
// - EvaluateCode of "my.v1 = my.v1 + rand(1, 6) * 2" (target: under 2 us);
// - a four-condition list that holds (all four evaluated; under 0.2 us).

#include <benchmark/benchmark.h>

#include <cstdint>

#include "records/save/save_data.h"
#include "records/script/condition.h"
#include "stage/objects/chara.h"
#include "stage/objects/stage_play.h"
#include "stage/script/condition_eval.h"
#include "stage/script/evaluate_code.h"

namespace {

void BM_EvaluateCode(benchmark::State& state) {
  cStagePlay play;
  cChara chara;
  chara.Reset(nullptr, 0, 0, 0);
  for (auto _ : state) {
    benchmark::DoNotOptimize(EvaluateCode(play, "my.v1 = my.v1 + rand(1, 6) * 2", &chara));
  }
}
BENCHMARK(BM_EvaluateCode);

void BM_FourConditionList(benchmark::State& state) {
  cStagePlay play;
  cChara chara;
  chara.Reset(nullptr, 0, 0, 0);
  g_SaveData.m_Vars.assign(1001, 0);
  cVector<cCondition> conds;
  for (int8_t kind : {kCondCommonVar, kCondStageVar, kCondCharaVar, kCondStatus}) {
    cCondition cond;
    cond.m_nKind = kind;
    cond.m_nIndex = 1;
    cond.m_nCompare = kCompareAtLeast;
    cond.m_nSelector = 1;  // kind 4: HP of the chara
    conds.push_back(cond);
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(EvalConditionList(play, conds, 0, &chara));
  }
}
BENCHMARK(BM_FourConditionList);

}  // namespace
