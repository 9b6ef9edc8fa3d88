// cFlowInstance's operations: start, stop, pause and the pass that steps its
// commands.

#include <cstdint>

#include "records/script/cmd_kind_table.h"
#include "records/script/flow.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/flow_instance.h"
#include "stage/objects/stage_play.h"
#include "stage/script/flow_handover.h"
#include "stage/services/stage_services.h"

namespace flow_run {

// A message that waits for the key (P6 0) and opens no window of its own
// (P15 0) lets the next message of the flow go on in its window.
bool IsChainingMessage(const cFlowCmd* lpCmd) {
  if (lpCmd == nullptr || lpCmd->m_nKind != kFlowCmdMessage || lpCmd->m_Params.VectorSize() <= 15) return false;
  return lpCmd->m_Params.CheckedVectorAt(15) == 0 && lpCmd->m_Params.CheckedVectorAt(6) == 0;
}

bool IsFlagNumber(int32_t flag) { return flag >= 1 && flag < kFlowFlagCount; }

void SetFlagByte(cVector<uint8_t>& flags, int32_t flag) {
  if (flag >= 0 && flag < flags.VectorSize()) flags.CheckedVectorAt(flag) = 1;
}

}  // namespace flow_run

const cFlow& cFlowInstance::Flow() const {
  static const cFlow kNoFlow;
  return m_lpFlow != nullptr ? *m_lpFlow : kNoFlow;
}

void cFlowInstance::ReleaseFlagNumber(cCharaBase& owner) {
  const int32_t flag = Flow().m_nFlagNo;
  if (!flow_run::IsFlagNumber(flag)) return;
  flow_run::SetFlagByte(owner.m_FlowFlagRelease, flag);
  owner.m_bFlagReleasePending = 1;
}

void cFlowInstance::Start(cCharaBase& owner) {
  m_bRunning = 1;
  m_nCurrent = 0;
  m_nPasses = 0;
  m_bMessageChain = 0;
  for (cFlowCmdState& state : m_States) state.m_bDone = 0;
  m_bStartedThisFrame = 1;
  const cFlow& flow = Flow();
  // A flag number outside 1..26 counts as none: the chara has no byte for it.
  if (flow.m_nTrigger == kTriggerAlways && flow_run::IsFlagNumber(flow.m_nFlagNo)) {
    flow_run::SetFlagByte(owner.m_FlowFlagBusy, flow.m_nFlagNo);
    flow_run::SetFlagByte(owner.m_FlowFlagFrame, flow.m_nFlagNo);
  }
  if (!flow.m_Commands.empty() && flow.m_nTrigger == kTriggerBeforeStart) RunBeforeStart(owner);
}

// Only the commands that can act without time (the shared kinds and the flow
// operation) run before the stage starts, and only concurrent ones, each once.
void cFlowInstance::RunBeforeStart(cCharaBase& owner) {
  cStagePlay* play = g_lpSceneStagePlay;
  {
    cFlowHandoverScope handover(play);
    if (play != nullptr) {
      SetRunningFlow(*play, owner, m_nIndex);
      play->m_nFlowCmdIndex = -1;
    }
    m_bCutShort = 0;
    for (m_nCurrent = 0; m_nCurrent < m_States.VectorSize(); ++m_nCurrent) {
      cFlowCmdState& state = m_States.CheckedVectorAt(m_nCurrent);
      const cFlowCmd* cmd = state.m_lpCmd;
      if (cmd == nullptr || cmd->m_nKind < kFlowCmdFlowOperation || cmd->m_bParallel != 1) continue;
      state.Reset();
      if (play != nullptr) play->m_nFlowCmdIndex = m_nCurrent;
      if (state.Step() == 0 && play != nullptr) {
        play->Services().ShowDebugMessage("使用時間0なので、ここにくることはあり得ないはず！");
      }
      if (m_bCutShort) break;
      state.m_bDone = 1;
    }
  }
  Stop(owner);
}

void cFlowInstance::Stop(cCharaBase& owner) {
  if (!m_bRunning) return;
  m_bRunning = 0;
  m_Links.clear();
  for (cFlowCmdState& state : m_States) state.m_nRemain = 0;
  ReleaseFlagNumber(owner);
}

void cFlowInstance::StopForever(cCharaBase& owner) {
  m_bStoppedForever = 1;
  if (!m_bRunning) return;
  for (cFlowCmdState& state : m_States) state.m_nRemain = 0;
  ReleaseFlagNumber(owner);
}

int32_t cFlowInstance::RunFrame() {
  const int32_t count = m_States.VectorSize();
  // A flow without commands has no last command to read: it is done.
  if (count == 0) return 1;
  cStagePlay* play = g_lpSceneStagePlay;
  if (play != nullptr) play->m_nFlowIndex = m_nIndex;
  cCharaBase* owner = play != nullptr ? FlowOwner(*play) : nullptr;
  m_bCutShort = 0;
  const int32_t last = count - 1;
  for (int32_t i = 0; i <= m_nCurrent && i < count; ++i) {
    cFlowCmdState& state = m_States.CheckedVectorAt(i);
    if (state.m_bDone) continue;
    const bool parallel = state.m_lpCmd != nullptr && state.m_lpCmd->m_bParallel == 1;
    if (state.m_nRemain == 0) {
      state.Reset();
      if (!flow_run::IsChainingMessage(state.m_lpCmd) && !parallel) m_bMessageChain = 0;
    }
    if (play != nullptr) play->m_nFlowCmdIndex = i;
    const int32_t finished = state.StepFor(owner);
    if (parallel) {
      if (finished) {
        state.m_bDone = 1;
        if (i == last) return 1;
      }
      if (i == m_nCurrent) ++m_nCurrent;
      if (m_bCutShort) return 0;
      continue;
    }
    if (!finished) {
      if (m_bCutShort) return 0;
      continue;
    }
    state.m_bDone = 1;
    if (flow_run::IsChainingMessage(state.m_lpCmd)) m_bMessageChain = 1;
    if (i == last) return 1;
    ++m_nCurrent;
    break;
  }
  if (m_States.CheckedVectorAt(last).m_bDone) return 1;
  ++m_nPasses;
  return 0;
}
