// cFlowCmdState's operations: a command's start of run, one call, and the
// speed or length a move takes from its distance.

#include <cstdint>
#include <cstdlib>
#include <functional>

#include "core/math/truncate.h"
#include "records/script/cmd_kind_table.h"
#include "records/settings/system_data.h"
#include "stage/objects/flow_cmd_state.h"
#include "stage/objects/flow_instance.h"
#include "stage/objects/stage_play.h"
#include "stage/script/flow_cmd_table.h"
#include "stage/script/flow_handover.h"
#include "stage/script/variable_links.h"

void cFlowCmdState::Reset() {
  m_nRemain = m_nFrames;
  m_bDone = 0;
  m_nCount = 0;
  m_bInit = 0;
  for (int32_t& counter : m_nCounter) counter = 0;
  if (m_lpCmd == nullptr || m_lpCmd->m_nKind == kFlowCmdArrange) return;
  cStagePlay* play = g_lpSceneStagePlay;
  if (play == nullptr) return;
  cFlowInstance* flow = RunningFlow(*play);
  ApplyFlowVariableLinks(m_lpCmd, FlowOwner(*play), flow);
  if (flow != nullptr) flow->m_Links.clear();
}

int32_t cFlowCmdState::Step() {
  cStagePlay* play = g_lpSceneStagePlay;
  cCharaBase* owner = nullptr;
  if (play != nullptr) {
    cFlowInstance* flow = RunningFlow(*play);
    // A state stepped on its own (not one of the running flow's) leaves the
    // command index alone; std::less orders addresses of unrelated objects.
    if (flow != nullptr && !flow->m_States.empty()) {
      const cFlowCmdState* begin = flow->m_States.data();
      const cFlowCmdState* end = begin + flow->m_States.size();
      if (!std::less<const cFlowCmdState*>()(this, begin) && std::less<const cFlowCmdState*>()(this, end)) {
        play->m_nFlowCmdIndex = static_cast<int32_t>(this - begin);
      }
    }
    owner = FlowOwner(*play);
  }
  return StepFor(owner);
}

int32_t cFlowCmdState::StepFor(cCharaBase* lpOwner) {
  DispatchFlowCmd(lpOwner, this);
  // A handler may have ended the command by writing 0; a long command never
  // counts below INT32_MIN.
  if (m_nRemain > 1) {
    --m_nRemain;
    return 0;
  }
  m_nRemain = 0;
  return 1;
}

void cFlowCmdState::SetSpeedOrDuration(const cFlowCmd* lpCmd, int16_t cloneIndex) {
  const cEdMove* move = lpCmd != nullptr ? lpCmd->m_Move.get() : nullptr;
  if (move == nullptr) return;
  int64_t distance = static_cast<int64_t>(move->m_nDistance) + static_cast<int64_t>(cloneIndex) * move->m_nDistancePerClone;
  if (move->m_nDistanceUnit != 1) distance *= 16;
  const double d = static_cast<double>(distance);
  if (move->m_nSpeedMode == kSpeedTimeAndDistance) {
    // A command of no length covers its distance in its one call.
    m_dSpeed = m_nFrames != 0 ? d / m_nFrames : d;
  } else if (move->m_nSpeedMode == kSpeedSpeedAndDistance) {
    // Without speed the length stays as the durations gave it.
    if (m_dSpeed == 0) return;
    const int32_t frames = TruncToInt(d / m_dSpeed);
    m_nFrames = (frames < 0 && !g_SystemData.m_bLegacy695) ? (frames == INT32_MIN ? INT32_MAX : -frames) : frames;
  }
}
