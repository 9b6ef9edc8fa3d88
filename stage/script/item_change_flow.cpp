#include "stage/script/item_change_flow.h"

#include "records/script/flow_cmd.h"
#include "stage/objects/hero.h"
#include "stage/objects/stage_play.h"

namespace item_change_flow {

// Parameter n of the command; 0 past its list (validation sizes the list to
// the kind, so only damaged data gets here).
int32_t Param(const cFlowCmd& cmd, int32_t n) {
  return n < cmd.m_Params.VectorSize() ? cmd.m_Params.CheckedVectorAt(n) : 0;
}

bool HeroFlowsRunning(const cHero& hero) {
  return g_lpSceneStagePlay != nullptr && g_lpSceneStagePlay->m_nFlowOwnerId == hero.m_nId;
}

}  // namespace item_change_flow

void ExecChangeFlow(cHero* lpHero, cFlowCmd* lpCmd, int32_t deferred) {
  if (lpHero == nullptr || lpCmd == nullptr) return;
  if (deferred == 0 && item_change_flow::HeroFlowsRunning(*lpHero)) {
    lpHero->m_PendingItemCmds.push_back(*lpCmd);
    return;
  }
  const auto id = static_cast<int8_t>(item_change_flow::Param(*lpCmd, 1));
  switch (item_change_flow::Param(*lpCmd, 0)) {
    case kChangeFlowAdd: lpHero->SetFlows(lpCmd->m_SubFlows, 1, -1); break;
    case kChangeFlowReplace: {
      const int32_t first = lpHero->DeleteFlowsById(id);
      lpHero->SetFlows(lpCmd->m_SubFlows, 1, first);
      break;
    }
    case kChangeFlowDelete: lpHero->DeleteFlowsById(id); break;
    default: break;
  }
}

void RunDeferredChangeFlow(cHero& hero, cFlowCmd& command) { ExecChangeFlow(&hero, &command, 1); }
