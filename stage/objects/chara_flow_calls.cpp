#include "stage/objects/chara_flow_calls.h"

#include "stage/objects/chara_base.h"

cCharaFlowCalls* g_lpCharaFlowCalls = nullptr;

void cCharaBase::FireTrigger(int32_t trigger) {
  if (g_lpCharaFlowCalls != nullptr) g_lpCharaFlowCalls->FireTrigger(*this, trigger);
}
