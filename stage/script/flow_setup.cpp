// A chara's flow list as running instances: set up (replace or insert),
// removal, relinking, and each command state's starting values.

#include <cassert>
#include <cstdint>

#include "records/script/cmd_kind_table.h"
#include "records/script/flow.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara_base.h"
#include "stage/script/flow_anime_schedule.h"
#include "stage/script/flow_cmd_move.h"
#include "stage/script/flow_unroll.h"
#include "stage/script/script_math.h"

namespace flow_setup {

// Frames per tenth of a second at 60 frames per second.
constexpr int64_t kFramesPerTenth = 6;

// Calls a command lasts: durations are tenths of a second, one call per
// sub-step; wide so a long duration saturates instead of wrapping.
int32_t CommandFrames(int64_t tenths) {
  return SaturateToInt(tenths * g_Stage.m_nSubSteps * kFramesPerTenth);
}

void InitMoveCommand(cCharaBase& chara, cFlowCmdState& state) {
  const cEdMove* move = state.Move();
  if (move != nullptr && move->m_nSpeedMode != 0) state.SetSpeedOrDuration(state.m_lpCmd, chara.m_nIndex);
}

void InitHomingCommand(cCharaBase& chara, cFlowCmdState& state) {
  const cEdMove* move = state.Move();
  if (move == nullptr) return;
  // The homing period in sub-steps; m_nWork1 holds it for the homing move.
  const int64_t period = static_cast<int64_t>(move->m_nHomingPerClone) * chara.m_nIndex + move->m_nHoming;
  state.m_nWork1 = SaturateToInt(period * g_Stage.m_nSubSteps);
  if (move->m_nSpeedMode != 0) state.SetSpeedOrDuration(state.m_lpCmd, chara.m_nIndex);
}

// A jump lasts its rise: the speed for the height in P2 (half blocks), and
// the command's duration becomes the rise time.
void InitJumpCommand(cCharaBase& chara, cFlowCmdState& state) {
  cFlowCmd& cmd = *state.m_lpCmd;
  const int8_t height = cmd.m_Params.VectorSize() > 2 ? static_cast<int8_t>(cmd.m_Params.CheckedVectorAt(2)) : 0;
  state.m_dSpeed = chara.JumpSpeedHbl(height);
  cmd.m_nDuration = static_cast<int16_t>(chara.JumpRiseTime(height));
  state.m_nFrames = CommandFrames(cmd.m_nDuration);
}

using StateInit = void (*)(cCharaBase&, cFlowCmdState&);

// The kinds whose state needs more than durations and speeds.
StateInit FindStateInit(int32_t kind) {
  switch (kind) {
    case kFlowCmdLinearMove:
    case kFlowCmdGroundMove:
    case kFlowCmdChargeMove:
    case kFlowCmdAvoidMove: return InitMoveCommand;
    case kFlowCmdCircleMove: return InitCircleCommand;
    case kFlowCmdHomingMove: return InitHomingCommand;
    case kFlowCmdJump: return InitJumpCommand;
    default: return nullptr;
  }
}

void InitCommandState(cCharaBase& chara, cFlowCmd& cmd, cFlowCmdState& state) {
  state.m_lpCmd = &cmd;
  const int64_t clone = chara.m_nIndex;
  state.m_nFrames = CommandFrames(static_cast<int64_t>(cmd.m_nDurationPerClone) * clone + cmd.m_nDuration);
  if (const cEdMove* move = cmd.m_Move.get()) {
    const double divisor = g_Stage.m_dSubSteps;
    state.m_dSpeed = (static_cast<double>(move->m_nSpeedPerClone) * static_cast<double>(clone) + move->m_nSpeed) * 0.1 / divisor;
    if (move->m_bInertia) state.m_dMaxSpeed = move->m_nMaxSpeed * 0.1 / divisor;
    state.m_byDir = static_cast<uint8_t>(move->m_nDirection);
  }
  if (cmd.m_nSet != kCmdSetFlow) return;
  if (StateInit init = FindStateInit(cmd.m_nKind)) init(chara, state);
}

void BuildInstance(cCharaBase& chara, cFlow& flow, cFlowInstance& instance, int32_t index) {
  instance.m_nIndex = index;
  instance.m_nSerial = chara.m_nFlowSerial;
  chara.m_nFlowSerial = WrapAdd(chara.m_nFlowSerial, 1);
  instance.m_lpFlow = &flow;
  instance.m_nTrigger = flow.m_nTrigger;
  instance.m_KeyConds.clear();
  for (const cKeyCond& key : flow.m_KeyConds) instance.m_KeyConds.push_back(&key);
  instance.m_States.assign(flow.m_Commands.size(), cFlowCmdState());
  for (int32_t i = 0; i < flow.m_Commands.VectorSize(); ++i) {
    InitCommandState(chara, flow.m_Commands.CheckedVectorAt(i), instance.m_States.CheckedVectorAt(i));
  }
}

}  // namespace flow_setup

void cCharaBase::SetFlows(cVector<cFlow>& flows, int32_t insert, int32_t index) {
  for (cFlow& flow : flows) UnrollLoops(flow.m_Commands);
  const int32_t count = flows.VectorSize();
  int32_t first = 0;
  if (!insert) {
    if (&flows != &m_Def.m_Flows) m_Def.m_Flows = flows;
    m_Flows.clear();
    m_Flows.resize(static_cast<std::size_t>(count));
  } else if (index >= 0 && index < m_Def.m_Flows.VectorSize()) {
    const cVector<cFlow> copies = flows;  // flows may be part of this chara's definition
    m_Def.m_Flows.insert(m_Def.m_Flows.begin() + index, copies.begin(), copies.end());
    m_Flows.insert(m_Flows.begin() + index, static_cast<std::size_t>(count), cFlowInstance());
    first = index;
  } else {
    const cVector<cFlow> copies = flows;
    first = m_Flows.VectorSize();
    m_Def.m_Flows.insert(m_Def.m_Flows.end(), copies.begin(), copies.end());
    m_Flows.resize(m_Flows.size() + static_cast<std::size_t>(count));
  }
  // Inserting moved the definition's flows: every instance points anew first.
  RelinkFlows();
  for (int32_t j = 0; j < count; ++j) {
    const int32_t at = first + j;
    cFlowInstance& instance = m_Flows.CheckedVectorAt(at);
    flow_setup::BuildInstance(*this, m_Def.m_Flows.CheckedVectorAt(at), instance, at);
    // A key already held when the flow arrives does not start it.
    if (insert) instance.m_bKeyLatch = instance.Flow().m_bKeyHold == 0 ? 1 : 0;
    BuildAnimeSchedule(instance);
  }
}

void cCharaBase::RelinkFlows() {
  const int32_t count = m_Flows.VectorSize() < m_Def.m_Flows.VectorSize() ? m_Flows.VectorSize() : m_Def.m_Flows.VectorSize();
  uint32_t triggers = 0;
  for (int32_t i = 0; i < count; ++i) {
    cFlowInstance& instance = m_Flows.CheckedVectorAt(i);
    cFlow& flow = m_Def.m_Flows.CheckedVectorAt(i);
    instance.m_nIndex = i;
    instance.m_lpFlow = &flow;
    instance.m_nTrigger = flow.m_nTrigger;
    triggers |= FlowTriggerBit(flow.m_nTrigger);
    instance.m_KeyConds.resize(flow.m_KeyConds.size());
    for (int32_t k = 0; k < flow.m_KeyConds.VectorSize(); ++k) {
      instance.m_KeyConds.CheckedVectorAt(k) = &flow.m_KeyConds.CheckedVectorAt(k);
    }
    const int32_t states = instance.m_States.VectorSize() < flow.m_Commands.VectorSize() ? instance.m_States.VectorSize()
                                                                                          : flow.m_Commands.VectorSize();
    for (int32_t c = 0; c < states; ++c) instance.m_States.CheckedVectorAt(c).m_lpCmd = &flow.m_Commands.CheckedVectorAt(c);
  }
  // Instances past the definition keep whatever they pointed at: their
  // triggers cannot be known.
  m_nFlowTriggers = count == m_Flows.VectorSize() ? triggers : kFlowTriggersUnknown;
  m_lpFlowsLinkedTo = m_Flows.empty() ? nullptr : m_Flows.CheckedVectorAt(0).m_lpFlow;
}

void cCharaBase::EnsureFlowLinks() {
  if (m_Flows.empty() || m_Def.m_Flows.empty()) return;
  // Every write of the first instance's link ends in RelinkFlows, which
  // keeps m_lpFlowsLinkedTo equal to it; reading the copy spares a cache miss
  // per chara and trigger.
  assert(m_lpFlowsLinkedTo == m_Flows.CheckedVectorAt(0).m_lpFlow);
  if (m_lpFlowsLinkedTo != &m_Def.m_Flows.CheckedVectorAt(0)) RelinkFlows();
}

void cCharaBase::DeleteFlowAt(int32_t index) {
  if (index < 0 || index >= m_Flows.VectorSize()) {
    m_Flows.CheckedVectorAt(index);  // reports the bad index
    return;
  }
  cFlowInstance& instance = m_Flows.CheckedVectorAt(index);
  instance.Stop(*this);
  EndAnimePlayers(instance.m_nSerial);
  m_Flows.erase(m_Flows.begin() + index);
  if (index < m_Def.m_Flows.VectorSize()) m_Def.m_Flows.erase(m_Def.m_Flows.begin() + index);
  RelinkFlows();
}

int32_t cCharaBase::DeleteFlowsById(int8_t id) {
  if (id == 0) {
    for (cFlowInstance& instance : m_Flows) instance.Stop(*this);
    m_Flows.clear();
    m_Def.m_Flows.clear();
    m_AnimePlayers.clear();
    RelinkFlows();
    return 0;
  }
  int32_t firstRemoved = -1;
  for (int32_t i = 0; i < m_Flows.VectorSize();) {
    if (m_Flows.CheckedVectorAt(i).Flow().m_nFlowId != id) {
      ++i;
      continue;
    }
    if (firstRemoved < 0) firstRemoved = i;
    DeleteFlowAt(i);
  }
  return firstRemoved;
}
