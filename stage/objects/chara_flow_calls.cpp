#include "stage/objects/chara_flow_calls.h"

#include "stage/objects/chara_base.h"
#include "stage/script/flow_engine_calls.h"

cCharaFlowCalls* g_lpCharaFlowCalls = &FlowEngineCalls();

void cCharaBase::FireTrigger(int32_t trigger) {
  if (g_lpCharaFlowCalls != nullptr) g_lpCharaFlowCalls->FireTrigger(*this, trigger);
}

void cCharaBase::StartFlowsByTrigger(int32_t trigger, int32_t otherId, int32_t flowId) {
  if (g_lpCharaFlowCalls != nullptr) g_lpCharaFlowCalls->StartFlowsByTrigger(*this, trigger, otherId, flowId);
}

int32_t GiveItemToHero(cItem& item) {
  return g_lpCharaFlowCalls != nullptr ? g_lpCharaFlowCalls->GiveItemToHero(item) : 0;
}

void SetCharaFlows(cCharaBase& chara) {
  if (g_lpCharaFlowCalls != nullptr) g_lpCharaFlowCalls->SetFlows(chara);
}
