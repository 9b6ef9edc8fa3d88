#include "stage/script/flow_engine_calls.h"

#include "stage/objects/chara_base.h"
#include "stage/objects/chara_flow_calls.h"
#include "stage/objects/object_lists.h"
#include "stage/script/flow_triggers.h"

namespace flow_engine_calls {

class cFlowEngineCalls : public cCharaFlowCalls {
 public:
  void FireTrigger(cCharaBase& chara, int32_t trigger) override { StartFlowsNow(chara, trigger, kNoLink, 0); }
  void StartFlowsByTrigger(cCharaBase& chara, int32_t trigger, int32_t otherId, int32_t flowId) override {
    StartFlowsNow(chara, trigger, otherId, flowId);
  }
  void SetFlows(cCharaBase& chara) override { chara.SetFlows(chara.m_Def.m_Flows, 0, -1); }
  void StartCommandAnimes(cCharaBase& chara) override { chara.StartCommandAnimes(); }
  // The pass relinked a moved chara in StartCommandAnimes, before its first flow.
  int32_t RunFrame(cCharaBase& chara, int32_t index) override { return chara.m_Flows.CheckedVectorAt(index).RunFrame(); }
  void StopFlow(cCharaBase& chara, int32_t index) override { chara.m_Flows.CheckedVectorAt(index).Stop(chara); }
  void DeleteFlowAt(cCharaBase& chara, int32_t index) override { chara.DeleteFlowAt(index); }
  // A chara's dropped item goes to the player's hero.
  int32_t GiveItemToHero(cItem& item) override {
    return g_Heroes.empty() ? 0 : ::GiveItemToHero(&item, &g_Heroes.CheckedVectorAt(0));
  }
};

}  // namespace flow_engine_calls

cCharaFlowCalls& FlowEngineCalls() {
  static flow_engine_calls::cFlowEngineCalls calls;
  return calls;
}
