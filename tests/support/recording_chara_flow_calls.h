#pragma once
// A recording stand-in for the flow engine's chara calls: each trigger fired
// is kept as {chara id, trigger} in order. The flow engine replaces it.
//
//   cRecordingCharaFlowCalls calls;
//   cCharaFlowCallsScope scope(&calls);
//   chara.HitCeiling();
//   calls.m_Calls;   // {{id, 9}, {id, 13}, {id, 14}}

#include <utility>
#include <vector>

#include "stage/objects/chara_base.h"
#include "stage/objects/chara_flow_calls.h"

class cRecordingCharaFlowCalls : public cCharaFlowCalls {
 public:
  std::vector<std::pair<int32_t, int32_t>> m_Calls;

  void FireTrigger(cCharaBase& chara, int32_t trigger) override { m_Calls.emplace_back(chara.m_nId, trigger); }
};
