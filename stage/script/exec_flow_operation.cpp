// フローの操作: starts, ends, pauses, resumes, deletes or stops for ever the
// running flow, the running chara's other flows, or the flows of an ID of
// the chara or one of its targets.

#include "records/script/flow.h"
#include "records/script/flow_cmd.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/flow_cmd_state.h"
#include "stage/objects/stage_play.h"
#include "stage/script/cmd_param.h"
#include "stage/script/condition_eval.h"
#include "stage/script/flow_cmd_executors.h"
#include "stage/script/flow_handover.h"

namespace exec_flow_operation {

enum eFlowOp : int32_t { kOpStart = 0, kOpEnd = 1, kOpPause = 2, kOpResume = 3, kOpDelete = 4, kOpStopForever = 5 };
enum eFlowScope : int32_t { kScopeThisFlow = 0, kScopeOtherFlows = 1, kScopeFlowId = 2 };

// The command's condition list, when it uses one, for the running chara.
bool ConditionsHold(cStagePlay& play, cFlowCmd& cmd, cCharaBase* lpChara) {
  cCondList* conds = cmd.m_CondList.get();
  if (conds == nullptr || conds->m_bUseConditions == 0) return true;
  return EvalConditionList(play, conds->m_Conditions, conds->m_nMode, lpChara);
}

// The chara whose flows scope 2 names: the running chara or target P3.
cCharaBase* Subject(cCharaBase& chara, int32_t who) {
  if (who == 0) return &chara;
  if (who < 1 || who > kCharaTargetSlots) return nullptr;
  return FindCharaById(chara.m_Targets.CheckedVectorAt(who - 1));
}

// Deleting a flow out from under a flow run still under way (its own, or
// one further up the call) would pull its command list away: such a
// deletion waits for the chara's flow pass.
void DeleteFlow(cStagePlay& play, cCharaBase& owner, cCharaBase& runner, int32_t index) {
  if (&owner == &runner || IsFlowRunUnderway(play, owner.m_nId)) {
    cFlowInstance& flow = owner.m_Flows.CheckedVectorAt(index);
    flow.m_bDelete = 1;
    flow.m_bCutShort = 1;
    owner.m_bFlowDeletePending = 1;
    return;
  }
  owner.DeleteFlowAt(index);
}

// Operation op on flow index of owner; false when the flow was erased (the
// next flow now has its index).
bool Apply(cStagePlay& play, cCharaBase& owner, cCharaBase& runner, int32_t index, int32_t op) {
  cFlowInstance& flow = owner.m_Flows.CheckedVectorAt(index);
  switch (op) {
    case kOpStart:
      flow.Stop(owner);
      owner.EndAnimePlayers(flow.m_nSerial);
      flow.Start(owner);
      // Start may have run a trigger-21 flow that changed the list.
      if (index < owner.m_Flows.VectorSize()) owner.m_Flows.CheckedVectorAt(index).m_bCutShort = 1;
      return true;
    case kOpEnd:
      flow.Stop(owner);
      owner.EndAnimePlayers(flow.m_nSerial);
      return true;
    case kOpPause:
      flow.Pause();
      owner.PauseAnimePlayers(flow.m_nSerial);
      flow.m_bCutShort = 1;
      return true;
    case kOpResume:
      flow.Resume();
      owner.ResumeAnimePlayers(flow.m_nSerial);
      return true;
    case kOpDelete: {
      const int32_t count = owner.m_Flows.VectorSize();
      DeleteFlow(play, owner, runner, index);
      return owner.m_Flows.VectorSize() == count;
    }
    case kOpStopForever:
      flow.StopForever(owner);
      owner.EndAnimePlayers(flow.m_nSerial);
      return true;
    default:
      return true;
  }
}

bool Matches(const cFlowInstance& flow, int32_t id) { return flow.Flow().m_nFlowId != 0 && flow.Flow().m_nFlowId == id; }

}  // namespace exec_flow_operation

int32_t FlowCmd_FlowOperation(cCharaBase* lpChara, cFlowCmdState* lpState) {
  using namespace exec_flow_operation;
  cStagePlay* play = g_lpSceneStagePlay;
  if (play == nullptr || lpChara == nullptr || lpState == nullptr || lpState->m_lpCmd == nullptr) return 0;
  cFlowCmd& cmd = *lpState->m_lpCmd;
  if (!ConditionsHold(*play, cmd, lpChara)) return 0;
  cCharaBase* subject = Subject(*lpChara, CmdParam(cmd, 3));
  if (subject == nullptr) return 0;
  const int32_t op = CmdParam(cmd, 0);
  // By index: a start may run a trigger-21 flow that grows the list.
  const int32_t running = FlowOwner(*play) == lpChara ? play->m_nFlowIndex : -1;
  switch (CmdParam(cmd, 1)) {
    case kScopeThisFlow:
      if (running >= 0 && running < lpChara->m_Flows.VectorSize()) Apply(*play, *lpChara, *lpChara, running, op);
      break;
    case kScopeOtherFlows:
      for (int32_t i = 0; i < lpChara->m_Flows.VectorSize();) {
        if (i == running || Apply(*play, *lpChara, *lpChara, i, op)) ++i;
      }
      break;
    case kScopeFlowId: {
      const int32_t id = CmdParam(cmd, 2);
      for (int32_t i = 0; i < subject->m_Flows.VectorSize();) {
        if (!Matches(subject->m_Flows.CheckedVectorAt(i), id) || Apply(*play, *subject, *lpChara, i, op)) ++i;
      }
      break;
    }
    default:
      break;
  }
  return 0;
}
