// Starting flows by trigger, and the per-frame flags that keep a flow from
// starting twice in a frame.

#include <algorithm>
#include <cassert>
#include <cstdint>

#include "core/input/input_state.h"
#include "records/script/flow.h"
#include "records/settings/system_data.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/stage_play.h"
#include "stage/script/condition_eval.h"
#include "stage/script/flow_handover.h"
#include "stage/script/flow_triggers.h"
#include "stage/script/key_conditions.h"

namespace flow_triggers {

bool FlagSet(const cVector<uint8_t>& flags, int32_t flag) {
  return flag >= 1 && flag < kFlowFlagCount && flag < flags.VectorSize() && flags.CheckedVectorAt(flag) != 0;
}

// Which chara a target slot names, with the back-reference kept in step.
void PutInTargetSlot(cCharaBase& chara, int32_t slot, int32_t id) {
  int32_t& held = chara.m_Targets.CheckedVectorAt(slot);
  if (held == id) return;
  const CHARALINK link{chara.m_nId, slot};
  if (cCharaBase* old = FindCharaById(held)) std::erase(old->m_TargetedBy, link);
  held = id;
  cCharaBase* now = FindCharaById(id);
  if (now != nullptr && std::find(now->m_TargetedBy.begin(), now->m_TargetedBy.end(), link) == now->m_TargetedBy.end()) {
    now->m_TargetedBy.push_back(link);
  }
}

// Steps a and e: the attempted-this-frame flag, tested where the project's
// settings put it.
bool TriedAlready(cFlowInstance& instance, bool early) {
  const bool earlyRule = g_SystemData.m_bLegacy744 && !g_SystemData.m_bLegacy525;
  const bool lateRule = !g_SystemData.m_bLegacy744 && !g_SystemData.m_bLegacy525;
  if (early ? !earlyRule : !lateRule) return false;
  if (instance.m_bTriggered) return true;
  instance.m_bTriggered = 1;
  return false;
}

// The instance's own copy when the chara's trigger set is known: the
// definition is not touched for flows of other triggers or ones that run.
int32_t TriggerOf(const cCharaBase& chara, const cFlowInstance& instance) {
  return chara.FlowTriggersKnown() ? instance.m_nTrigger : instance.Flow().m_nTrigger;
}

bool MayStart(const cCharaBase& chara, cFlowInstance& instance, int32_t trigger, int32_t flowId) {
  if (TriggerOf(chara, instance) != trigger) return false;
  if (TriedAlready(instance, true)) return false;
  if (instance.m_bRunning || instance.m_bPaused || instance.m_bStoppedForever || instance.m_bStartedThisFrame) return false;
  const cFlow& flow = instance.Flow();
  if (trigger == kTriggerAlways &&
      (FlagSet(chara.m_FlowFlagBusy, flow.m_nFlagNo) || FlagSet(chara.m_FlowFlagFrame, flow.m_nFlagNo))) {
    return false;
  }
  if (flowId >= 1 && flow.m_nFlowId != flowId) return false;
  return !TriedAlready(instance, false);
}

bool ConditionsHold(cCharaBase& chara, cFlowInstance& instance) {
  if (g_lpSceneStagePlay != nullptr && !CheckFlowConditions(*g_lpSceneStagePlay, instance, chara)) return false;
  return chara.CheckKeyConditions(instance) != 0;
}

// Step f: a flow that takes the trigger's cause as a target tests its
// conditions with it in the slot and puts the slot back when they fail.
bool ConditionsHoldWithCause(cCharaBase& chara, cFlowInstance& instance, int32_t otherId) {
  const cFlow& flow = instance.Flow();
  const int32_t slot = flow.m_nTargetSlot;
  // A slot outside the four does not retarget; the conditions are tested as they are.
  if (!flow.m_bTargetFromEvent || FindCharaById(otherId) == nullptr || slot < 0 || slot >= chara.m_Targets.VectorSize()) {
    return ConditionsHold(chara, instance);
  }
  const int32_t saved = chara.m_Targets.CheckedVectorAt(slot);
  PutInTargetSlot(chara, slot, otherId);
  if (ConditionsHold(chara, instance)) return true;
  PutInTargetSlot(chara, slot, saved);
  return false;
}

// The trigger set and the instances' copies say what the definition says;
// a build with checks tests that on every walk, so a path that changes the
// flows without relinking shows in the test runs.
[[maybe_unused]] bool TriggerCopiesHold(const cCharaBase& chara) {
  if (!chara.FlowTriggersKnown()) return true;
  uint32_t triggers = 0;
  for (const cFlowInstance& instance : chara.m_Flows) {
    if (instance.m_nTrigger != instance.Flow().m_nTrigger) return false;
    triggers |= FlowTriggerBit(instance.m_nTrigger);
  }
  return triggers == chara.m_nFlowTriggers;
}

const cInput* StartInput(const cCharaBase& chara) {
  if (g_InputList.empty()) return nullptr;
  const int32_t player = chara.m_nControl == 0 ? chara.m_Def.m_nPlayerNo : 0;
  // A player byte past the input list reads the one player's input.
  return &g_InputList.CheckedVectorAt(player >= 0 && player < g_InputList.VectorSize() ? player : 0);
}

}  // namespace flow_triggers

int32_t CheckFlowConditions(cStagePlay& play, cFlowInstance& instance, cCharaBase& owner) {
  if (instance.m_lpFlow == nullptr) return 1;
  cFlow& flow = *instance.m_lpFlow;
  return CheckConditions(play, flow.m_Conditions, flow.m_nCondMode, flow.m_bCondOnce, instance.m_bCondMet, &owner) ? 1 : 0;
}

void StartFlowsNow(cCharaBase& chara, int32_t trigger, int32_t otherId, int32_t flowId) {
  // Relinked first even when nothing starts: the flow pass reads the links
  // without relinking.
  chara.EnsureFlowLinks();
  assert(flow_triggers::TriggerCopiesHold(chara));
  // A flow of another trigger neither starts nor marks itself tried, and the
  // hand-over below puts back all it changes: without a flow of this trigger
  // the walk would change nothing.
  if (!chara.MayCarryTrigger(trigger)) return;
  cStagePlay* play = g_lpSceneStagePlay;
  // A trigger fired from inside a running command leaves that command its flow.
  cFlowHandoverScope handover(play);
  if (play != nullptr) {
    play->m_nFlowOwnerId = chara.m_nId;
    play->m_nFlowIndex = -1;
    play->m_nFlowCmdIndex = -1;
  }
  for (int32_t i = 0; i < chara.m_Flows.VectorSize(); ++i) {
    cFlowInstance& instance = chara.m_Flows.CheckedVectorAt(i);
    if (!flow_triggers::MayStart(chara, instance, trigger, flowId)) continue;
    if (!flow_triggers::ConditionsHoldWithCause(chara, instance, otherId)) continue;
    instance.m_nStartInputDir = FirstPressedDirection(flow_triggers::StartInput(chara));
    instance.Start(chara);
  }
}

void cCharaBase::ResetFlowFrameFlags() {
  for (cFlowInstance& instance : m_Flows) {
    instance.m_bTriggered = 0;
    instance.m_bStartedThisFrame = 0;
  }
  for (uint8_t& flag : m_FlowFlagFrame) flag = 0;
}
