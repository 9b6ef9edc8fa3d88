// The movement commands of a busy stage: 500 charas, half of them flying,
// each running four flows at once ("直線移動", "誘導移動" towards the next chara,
// "地上折り返し移動" and "円移動"), one pass of every chara's flows per
// iteration at L = 1 (target: dispatch and handlers under 0.3 ms per frame).

#include <benchmark/benchmark.h>

#include <cstdint>

#include "records/script/cmd_kind_table.h"
#include "records/script/ed_move.h"
#include "records/script/flow.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"
#include "stage/script/cmd_param_table.h"

namespace move_flow_bench {

constexpr int32_t kCharas = 500;
constexpr int16_t kLongTenths = 30000;  // the flows never finish while measured

cFlow MoveFlow(int8_t kind, void (*edit)(cEdMove&)) {
  cFlowCmd cmd;
  cmd.m_nKind = kind;
  cmd.m_Params.resize(static_cast<std::size_t>(g_FlowCmdKinds[static_cast<std::size_t>(kind)].nParams), 0);
  cmd.m_nDuration = kLongTenths;
  NewEdMove(cmd.m_Move.Shared());
  edit(*cmd.m_Move);
  cFlow flow;
  flow.m_nTrigger = kTriggerByOperation;
  flow.m_Commands.push_back(cmd);
  return flow;
}

class cMoveWorld {
 public:
  cMoveWorld() {
    g_Stage = cStageData();
    g_Stage.SetCollisionLevel(1);
    g_lpSceneStagePlay = &m_Play;
    BuildCmdParamTable();
    cCharaDef def;
    def.m_nMaxHp = 100;
    def.m_Flows.push_back(MoveFlow(kFlowCmdLinearMove, [](cEdMove& m) {
      m.m_nMode = kMoveToTarget;
      m.m_nTargetCoord = 1;
      m.m_nTargetX = 5;
    }));
    def.m_Flows.push_back(MoveFlow(kFlowCmdHomingMove, [](cEdMove& m) { m.m_nHoming = 3; }));
    def.m_Flows.push_back(MoveFlow(kFlowCmdGroundMove, [](cEdMove&) {}));
    def.m_Flows.push_back(MoveFlow(kFlowCmdCircleMove, [](cEdMove& m) {
      m.m_nDistance = 4;
      m.m_nHoming = 720;
    }));
    for (int32_t i = 0; i < kCharas; ++i) {
      cChara chara;
      chara.Init(i, &def, nullptr, 0, 0, 0);
      cChara& added = AddChara(m_Play, chara);
      added.m_bFlying = i % 2;
      added.m_rcScreen = {i, 2 * i, i + 31, 2 * i + 31};
      added.EnsureFlowLinks();
      for (cFlowInstance& flow : added.m_Flows) flow.Start(added);
    }
    // Every chara homes on the next one.
    for (cChara& chara : g_CharaList) chara.m_Targets.CheckedVectorAt(0) = (chara.m_nId + 1) % kCharas;
  }

  ~cMoveWorld() {
    ClearCharas(m_Play);
    g_lpSceneStagePlay = nullptr;
  }

  cStagePlay m_Play;
};

void BM_MoveFlowsOf500Charas(benchmark::State& state) {
  cMoveWorld world;
  for (auto _ : state) {
    for (cChara& chara : g_CharaList) benchmark::DoNotOptimize(chara.RunFlows(0));
  }
}
BENCHMARK(BM_MoveFlowsOf500Charas)->Unit(benchmark::kMicrosecond);

}  // namespace move_flow_bench
