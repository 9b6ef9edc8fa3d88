// 500 charas each setting "最も近いキャラ" of any side as its target 1, one
// command per chara per iteration, as a frame of such flows would (target:
// under 1 ms per frame).

#include <benchmark/benchmark.h>

#include <cstdint>

#include "records/script/cmd_kind_table.h"
#include "records/script/flow_cmd.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"
#include "stage/script/flow_cmd_executors.h"

namespace set_target_bench {

constexpr int32_t kCharas = 500;

class cTargetWorld {
 public:
  cTargetWorld() {
    g_Stage = cStageData();
    g_Stage.SetCollisionLevel(1);
    g_lpSceneStagePlay = &m_Play;
    m_Play.m_ObjGroup.assign(kObjGroupCount, {});
    for (int32_t i = 0; i < kCharas; ++i) {
      cChara chara;
      chara.m_nId = i;
      chara.Reset(nullptr, 0, 0, 0);
      chara.m_bEnabled = 1;
      chara.m_bOnScreen = (i % 3) != 0 ? 1 : 0;
      chara.m_rcScreen.left = (i * 37) % 640;
      chara.m_rcScreen.top = (i * 53) % 480;
      chara.m_nGraphicW = chara.m_nGraphicH = 32;
      const int32_t group = i % kObjGroupCount;
      chara.m_nBlockKey = group;
      AddChara(m_Play, chara);
      m_Play.m_ObjGroup.CheckedVectorAt(group).push_back(i);
    }
    // Slot 0, nearest, any side, on screen first, never itself; none: clear.
    m_Cmd.m_nKind = kFlowCmdSetTarget;
    m_Cmd.m_Params.assign({0, 2, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  }

  ~cTargetWorld() {
    ClearCharas(m_Play);
    g_lpSceneStagePlay = nullptr;
  }

  cStagePlay m_Play;
  cFlowCmd m_Cmd;
};

void BM_SetNearestTargetFor500Charas(benchmark::State& state) {
  cTargetWorld world;
  for (auto _ : state) {
    for (cChara& chara : g_CharaList) benchmark::DoNotOptimize(ExecSetTarget(&chara, &world.m_Cmd));
  }
}
BENCHMARK(BM_SetNearestTargetFor500Charas)->Unit(benchmark::kMicrosecond);

}  // namespace set_target_bench
