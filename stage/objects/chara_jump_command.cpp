#include <cstdint>

#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara.h"
#include "stage/objects/flow_cmd_state.h"
#include "stage/objects/stage_play.h"
#include "stage/services/stage_services.h"

namespace chara_jump_command {

// Frames a chara waits to take off before the command gives up.
constexpr int32_t kWaitFrames = 4;

}  // namespace chara_jump_command

void cChara::StepJump(cFlowCmdState& state) {
  const bool canTakeOff = !m_bInAir && !m_bJumpLocked && !m_bPushed && m_nNoFloorSteps == 0;
  auto takeOff = [&](bool playSound) {
    state.m_nWork1 = 1;
    if (playSound && state.m_lpCmd != nullptr && g_lpSceneStagePlay != nullptr) {
      g_lpSceneStagePlay->Services().PlayProjectSE(state.m_lpCmd->m_nSound);
    }
    m_dVY = state.m_dSpeed;
    m_bJumpRising = m_bJumpHit = 1;
    m_bRiding = 0;
  };

  if (g_SystemData.m_bLegacy749) {
    if (canTakeOff) takeOff(true);
    return;
  }
  if (!state.m_nWork1) {
    if (canTakeOff) {
      const bool onScreenOnly = state.m_lpCmd != nullptr && state.m_lpCmd->m_bSoundOnScreenOnly;
      takeOff(!onScreenOnly || m_bOnScreen);
    } else if (++state.m_nWork2 >= chara_jump_command::kWaitFrames * g_Stage.m_nSubSteps) {
      state.m_nWork1 = 1;
      m_bJumpLocked = 0;
      m_bPushed = 0;
      state.m_nRemain = 0;
    }
    return;
  }
  if (IsOnFloor()) {
    m_bJumpLocked = 0;
    m_bPushed = 0;
    state.m_nRemain = 0;
  }
}
