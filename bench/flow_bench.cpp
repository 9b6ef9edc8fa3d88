// The flow pass of a busy stage: 500 charas, each running three flows (a
// wait; a status operation on a stage variable; an アレンジ before a wait),
// one pass of every chara's flows per iteration (target: under 0.05 ms per
// sub-step).

#include <benchmark/benchmark.h>

#include <cstdint>
#include <initializer_list>

#include "records/script/cmd_kind_table.h"
#include "records/script/flow.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"
#include "stage/script/cmd_param_table.h"

namespace flow_bench {

constexpr int32_t kCharas = 500;
constexpr int16_t kLongTenths = 30000;  // the flows never finish while measured

cFlowCmd Command(int8_t kind, std::initializer_list<int32_t> params) {
  cFlowCmd cmd;
  cmd.m_nKind = kind;
  cmd.m_Params.assign(params);
  cmd.m_Params.resize(static_cast<std::size_t>(g_FlowCmdKinds[static_cast<std::size_t>(kind)].nParams), 0);
  cmd.m_nDuration = kLongTenths;
  return cmd;
}

cFlow Flow(std::initializer_list<cFlowCmd> cmds) {
  cFlow flow;
  flow.m_nTrigger = kTriggerByOperation;
  for (const cFlowCmd& cmd : cmds) flow.m_Commands.push_back(cmd);
  return flow;
}

class cFlowWorld {
 public:
  cFlowWorld() {
    g_Stage = cStageData();
    g_Stage.SetCollisionLevel(1);
    g_lpSceneStagePlay = &m_Play;
    BuildCmdParamTable();
    cCharaDef def;
    def.m_nMaxHp = 100;
    def.m_Flows.push_back(Flow({Command(kFlowCmdWait, {})}));
    // Stage variable 2 += 1 on every call.
    def.m_Flows.push_back(Flow({Command(kFlowCmdStatus, {1, 1, 2, 0, 0, 1, 0, 1})}));
    cFlowCmd arrange = Command(kFlowCmdArrange, {34, 0, 0, 1, 1});
    arrange.m_nDuration = 0;
    def.m_Flows.push_back(Flow({arrange, Command(kFlowCmdWait, {})}));
    for (int32_t i = 0; i < kCharas; ++i) {
      cChara chara;
      chara.Init(i, &def, nullptr, 0, 0, 0);
      cChara& added = AddChara(m_Play, chara);
      added.EnsureFlowLinks();
      for (cFlowInstance& flow : added.m_Flows) flow.Start(added);
    }
  }

  ~cFlowWorld() {
    ClearCharas(m_Play);
    g_lpSceneStagePlay = nullptr;
  }

  cStagePlay m_Play;
};

void BM_FlowPassOf500Charas(benchmark::State& state) {
  cFlowWorld world;
  for (auto _ : state) {
    for (cChara& chara : g_CharaList) benchmark::DoNotOptimize(chara.RunFlows(0));
  }
}
BENCHMARK(BM_FlowPassOf500Charas)->Unit(benchmark::kMicrosecond);

}  // namespace flow_bench
