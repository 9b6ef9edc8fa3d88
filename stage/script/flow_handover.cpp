#include "stage/script/flow_handover.h"

#include "stage/objects/chara_base.h"
#include "stage/objects/stage_play.h"

cCharaBase* FlowOwner(const cStagePlay& play) { return play.FindCharaById(play.m_nFlowOwnerId); }

cFlowInstance* RunningFlow(const cStagePlay& play) {
  cCharaBase* owner = FlowOwner(play);
  if (owner == nullptr || play.m_nFlowIndex < 0 || play.m_nFlowIndex >= owner->m_Flows.VectorSize()) return nullptr;
  return &owner->m_Flows.CheckedVectorAt(play.m_nFlowIndex);
}

cFlowCmdState* RunningCmdState(const cStagePlay& play) {
  cFlowInstance* flow = RunningFlow(play);
  if (flow == nullptr || play.m_nFlowCmdIndex < 0 || play.m_nFlowCmdIndex >= flow->m_States.VectorSize()) {
    return nullptr;
  }
  return &flow->m_States.CheckedVectorAt(play.m_nFlowCmdIndex);
}

void SetRunningFlow(cStagePlay& play, const cCharaBase& owner, int32_t index) {
  play.m_nFlowOwnerId = owner.m_nId;
  play.m_nFlowIndex = index;
}

namespace flow_handover {

// The innermost hand-over scope of the game thread; scopes nest strictly with
// the calls that open them.
cFlowHandoverScope* g_lpInnermost = nullptr;

}  // namespace flow_handover

bool IsFlowRunUnderway(const cStagePlay& play, int32_t charaId) {
  if (play.m_nFlowOwnerId == charaId) return true;
  for (const cFlowHandoverScope* scope = flow_handover::g_lpInnermost; scope != nullptr; scope = scope->m_lpOuter) {
    if (scope->m_lpPlay == &play && scope->m_nOwnerId == charaId) return true;
  }
  return false;
}

cFlowHandoverScope::cFlowHandoverScope(cStagePlay* lpPlay) : m_lpPlay(lpPlay), m_lpOuter(flow_handover::g_lpInnermost) {
  flow_handover::g_lpInnermost = this;
  if (m_lpPlay == nullptr) return;
  m_nOwnerId = m_lpPlay->m_nFlowOwnerId;
  m_nFlowIndex = m_lpPlay->m_nFlowIndex;
  m_nCmdIndex = m_lpPlay->m_nFlowCmdIndex;
}

cFlowHandoverScope::~cFlowHandoverScope() {
  flow_handover::g_lpInnermost = m_lpOuter;
  if (m_lpPlay == nullptr) return;
  m_lpPlay->m_nFlowOwnerId = m_nOwnerId;
  m_lpPlay->m_nFlowIndex = m_nFlowIndex;
  m_lpPlay->m_nFlowCmdIndex = m_nCmdIndex;
}
