// The movement commands of a busy stage: 500 charas, half of them flying,
// each running four flows at once ("直線移動", "誘導移動" towards the next chara,
// "地上折り返し移動" and "円移動"), one pass of every chara's flows per
// iteration at L = 1 (target: dispatch and handlers under 0.3 ms per frame).
// The same with every tenth chara also running "ショット", which keeps about
// 2000 shots alive: only the flows are timed, not the shots' own pass.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "records/script/cmd_kind_table.h"
#include "records/script/ed_move.h"
#include "records/script/ed_shot.h"
#include "records/script/flow.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"
#include "stage/script/cmd_param_table.h"

namespace move_flow_bench {

constexpr int32_t kCharas = 500;
constexpr int32_t kShooterEvery = 10;  // 50 shooters
constexpr std::size_t kLiveShots = 2000;
constexpr int16_t kLongTenths = 30000;  // the flows never finish while measured

cFlow OneCommandFlow(const cFlowCmd& cmd) {
  cFlow flow;
  flow.m_nTrigger = kTriggerByOperation;
  flow.m_Commands.push_back(cmd);
  return flow;
}

cFlowCmd Command(int8_t kind) {
  cFlowCmd cmd;
  cmd.m_nKind = kind;
  cmd.m_Params.resize(static_cast<std::size_t>(g_FlowCmdKinds[static_cast<std::size_t>(kind)].nParams), 0);
  cmd.m_nDuration = kLongTenths;
  return cmd;
}

cFlow MoveFlow(int8_t kind, void (*edit)(cEdMove&)) {
  cFlowCmd cmd = Command(kind);
  NewEdMove(cmd.m_Move.Shared());
  edit(*cmd.m_Move);
  return OneCommandFlow(cmd);
}

// Eight shots every tenth of a second, to the right.
cFlow ShotFlow() {
  cFlowCmd cmd = Command(kFlowCmdShot);
  NewEdShot(cmd.m_Shot.Shared());
  cmd.m_Shot->m_nCount = 8;
  cmd.m_Shot->m_nDirection = 2;
  cmd.m_Shot->m_nSpeed = 40;
  cmd.m_Shot->m_nGroup = 1;
  return OneCommandFlow(cmd);
}

class cMoveWorld {
 public:
  // Every chara runs the four moves; with shooters, every tenth also fires.
  explicit cMoveWorld(bool shooters) {
    g_Stage = cStageData();
    g_Stage.SetCollisionLevel(1);
    g_lpSceneStagePlay = &m_Play;
    m_Play.m_ObjGroup.assign(kObjGroupCount, {});
    m_Play.m_ShotLayers.assign(kObjGroupCount, {});
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
    cCharaDef shooter = def;
    shooter.m_Flows.push_back(ShotFlow());
    for (int32_t i = 0; i < kCharas; ++i) {
      const bool shoots = shooters && i % kShooterEvery == 0;
      cChara chara;
      chara.Init(i, shoots ? &shooter : &def, nullptr, 0, 0, 0);
      cChara& added = AddChara(m_Play, chara);
      added.m_bFlying = i % 2;
      added.m_rcScreen = {i, 2 * i, i + 31, 2 * i + 31};
      added.EnsureFlowLinks();
      for (cFlowInstance& flow : added.m_Flows) flow.Start(added);
      // The shooters fire on different frames, as charas placed apart would.
      if (shoots) added.m_Flows.back().m_States.CheckedVectorAt(0).m_nCount = (i / kShooterEvery) % 6;
    }
    // Every chara homes on the next one.
    for (cChara& chara : g_CharaList) chara.m_Targets.CheckedVectorAt(0) = (chara.m_nId + 1) % kCharas;
  }

  ~cMoveWorld() {
    ClearShots(m_Play);
    ClearCharas(m_Play);
    g_lpSceneStagePlay = nullptr;
  }

  // The oldest shots go, as their range or a block would end them.
  void KeepLiveShots(std::size_t count) {
    while (m_Play.m_ShotList.size() > count) m_Play.RemoveShotNode(m_Play.m_ShotList.begin());
  }

  cStagePlay m_Play;
};

void RunEveryCharasFlows() {
  for (cChara& chara : g_CharaList) benchmark::DoNotOptimize(chara.RunFlows(0));
}

void BM_MoveFlowsOf500Charas(benchmark::State& state) {
  cMoveWorld world(false);
  for (auto _ : state) RunEveryCharasFlows();
}
BENCHMARK(BM_MoveFlowsOf500Charas)->Unit(benchmark::kMicrosecond);

void BM_MoveAndShotFlowsOf500Charas(benchmark::State& state) {
  cMoveWorld world(true);
  // Fill up to the live count first, so that every measured frame adds to a
  // full list.
  while (world.m_Play.m_ShotList.size() < kLiveShots) RunEveryCharasFlows();
  for (auto _ : state) {
    RunEveryCharasFlows();
    state.PauseTiming();
    world.KeepLiveShots(kLiveShots);
    state.ResumeTiming();
  }
  state.counters["shots"] = static_cast<double>(world.m_Play.m_ShotList.size());
}
BENCHMARK(BM_MoveAndShotFlowsOf500Charas)->Unit(benchmark::kMicrosecond);

}  // namespace move_flow_bench
