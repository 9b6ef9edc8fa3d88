#pragma once
// A recording stand-in for the flow engine's chara calls: each trigger fired
// is kept as {chara id, trigger} in order. The flow engine replaces it.
//
//   cRecordingCharaFlowCalls calls;
//   cCharaFlowCallsScope scope(&calls);
//   chara.HitCeiling();
//   calls.m_Calls;   // {{id, 9}, {id, 13}, {id, 14}}

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "stage/objects/chara_base.h"
#include "stage/objects/chara_flow_calls.h"

class cRecordingCharaFlowCalls : public cCharaFlowCalls {
 public:
  std::vector<std::pair<int32_t, int32_t>> m_Calls;

  // {chara id, trigger, other id, flow id} of each StartFlowsByTrigger.
  std::vector<std::vector<int32_t>> m_Started;
  int32_t m_nItemsGiven = 0;
  int32_t m_nGiveAnswer = 0;  // GiveItemToHero's answer

  void FireTrigger(cCharaBase& chara, int32_t trigger) override { m_Calls.emplace_back(chara.m_nId, trigger); }
  void StartFlowsByTrigger(cCharaBase& chara, int32_t trigger, int32_t otherId, int32_t flowId) override {
    m_Started.push_back({chara.m_nId, trigger, otherId, flowId});
  }
  std::vector<int32_t> m_FlowsSet;  // ids of the charas whose flows were set
  void SetFlows(cCharaBase& chara) override { m_FlowsSet.push_back(chara.m_nId); }
  // {chara id, index} of each flow frame run, stop and deletion, in order,
  // as "run 0", "stop 0", "delete 1"; RunFrame answers m_nRunAnswer.
  std::vector<std::string> m_FlowOps;
  int32_t m_nRunAnswer = 0;
  // Called inside RunFrame (a command's effect on the chara), when set.
  std::function<void(cCharaBase&, int32_t)> m_OnRun;
  void StartCommandAnimes(cCharaBase&) override { m_FlowOps.push_back("animes"); }
  int32_t RunFrame(cCharaBase& chara, int32_t index) override {
    m_FlowOps.push_back("run " + std::to_string(index));
    if (m_OnRun) m_OnRun(chara, index);
    return m_nRunAnswer;
  }
  void StopFlow(cCharaBase& chara, int32_t index) override {
    m_FlowOps.push_back("stop " + std::to_string(index));
    chara.m_Flows.CheckedVectorAt(index).m_bRunning = 0;
  }
  void DeleteFlowAt(cCharaBase&, int32_t index) override { m_FlowOps.push_back("delete " + std::to_string(index)); }
  int32_t GiveItemToHero(cItem&) override {
    ++m_nItemsGiven;
    return m_nGiveAnswer;
  }
};
