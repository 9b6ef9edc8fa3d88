#include "stage/script/flow_cmd_exec.h"

#include <array>

#include "records/script/cmd_kind_table.h"
#include "records/script/flow_cmd.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/hero.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"
#include "stage/script/evaluate_code.h"
#include "stage/script/flow_handover.h"
#include "stage/services/stage_services.h"

namespace flow_cmd_exec {

// Parameter n of the command; 0 past its list (validation sizes the list to
// the kind, so only damaged data gets here).
int32_t Param(const cFlowCmd& cmd, int32_t n) {
  return n < cmd.m_Params.VectorSize() ? cmd.m_Params.CheckedVectorAt(n) : 0;
}

enum eBackgroundShow : int32_t { kShowLayer = 0, kHideLayer = 1, kToggleLayer = 2 };

}  // namespace flow_cmd_exec

int32_t ExecChangeScreenColor(cCharaBase*, cFlowCmd* lpCmd) {
  if (lpCmd == nullptr || g_lpSceneStagePlay == nullptr) return 0;
  std::array<int32_t, kScreenColorParams> params{};
  for (int32_t i = 0; i < kScreenColorParams; ++i) params[static_cast<std::size_t>(i)] = flow_cmd_exec::Param(*lpCmd, i);
  g_lpSceneStagePlay->Services().SetScreenColor(params);
  return 0;
}

int32_t ExecChangeBackground(cCharaBase*, cFlowCmd* lpCmd) {
  if (lpCmd == nullptr) return 0;
  const uint32_t layer = static_cast<uint32_t>(flow_cmd_exec::Param(*lpCmd, 0)) - 1U;
  if (layer >= static_cast<uint32_t>(g_Stage.m_BackLayers.VectorSize())) return 0;
  int32_t& visible = g_Stage.m_BackLayers.CheckedVectorAt(static_cast<int32_t>(layer)).m_bVisible;
  switch (flow_cmd_exec::Param(*lpCmd, 1)) {
    case flow_cmd_exec::kShowLayer: visible = 1; break;
    case flow_cmd_exec::kHideLayer: visible = 0; break;
    case flow_cmd_exec::kToggleLayer: visible = visible ? 0 : 1; break;
    default: break;
  }
  return 0;
}

int32_t ExecPlaySound(cFlowCmd* lpCmd, cCharaBase* lpChara) {
  if (lpCmd == nullptr || g_lpSceneStagePlay == nullptr) return 0;
  if (lpCmd->m_bSoundOnScreenOnly && lpChara != nullptr && !lpChara->m_bOnScreen) return 0;
  g_lpSceneStagePlay->Services().PlayProjectSE(flow_cmd_exec::Param(*lpCmd, 0));
  return 0;
}

int32_t ExecPlayBgm(cFlowCmd* lpCmd) {
  if (lpCmd == nullptr || g_lpSceneStagePlay == nullptr) return 0;
  g_lpSceneStagePlay->Services().RequestStageBgm(flow_cmd_exec::Param(*lpCmd, 0), flow_cmd_exec::Param(*lpCmd, 1));
  return 0;
}

int32_t ExecRunCode(cCharaBase* lpChara, cFlowCmd* lpCmd) {
  if (lpCmd == nullptr || g_lpSceneStagePlay == nullptr) return 0;
  EvaluateCode(*g_lpSceneStagePlay, lpCmd->m_strText, lpChara);
  return 0;
}

int32_t ExecArrange(cCharaBase*, cFlowCmd* lpCmd) {
  if (lpCmd == nullptr) return 0;
  if (lpCmd->m_nSet == kCmdSetItem) {
    if (!g_Heroes.empty()) g_Heroes.CheckedVectorAt(0).m_VarLinks.push_back(lpCmd->m_Params);
    return 0;
  }
  if (g_lpSceneStagePlay == nullptr) return 0;
  if (cFlowInstance* flow = RunningFlow(*g_lpSceneStagePlay)) flow->m_Links.push_back(lpCmd->m_Params);
  return 0;
}
