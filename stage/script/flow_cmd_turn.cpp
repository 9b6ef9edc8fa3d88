// The movement commands without a velocity of their own: "移動の無効化",
// "向き変更" and "ジャンプ".

#include <cstdint>

#include "records/stage/stage_globals.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/flow_cmd_state.h"
#include "stage/objects/stage_play.h"
#include "stage/script/flow_cmd_move.h"
#include "stage/script/script_math.h"
#include "stage/services/stage_services.h"

namespace flow_cmd_turn {

// "向き変更" turns again once every tenth of a second of its command.
constexpr int64_t kTurnFrames = 6;

// P0 of "向き変更".
enum eTurnTo : int32_t {
  kNoTurn = -1,
  kTurnLeft = 0,           // "左を向く"
  kTurnRight = 1,          // "右を向く"
  kTurnTowardFirst = 2,    // 2, 4, 6, 8: towards target 1..4; 3, 5, 7, 9: away from it
  kTurnAwayLast = 9,
  kTurnToWall = 10,        // "最後にブロックが当たった方を向く"
  kTurnFromWall = 11,
};

void ClearHold(cCharaBase& chara) {
  chara.m_bHoldScreenPos = 0;
  chara.m_nHoldMode = 0;
}

double CentreX(const cCharaBase& chara) { return chara.m_dX + chara.m_nWidth / 2; }

// The new facing; false when the target it names is missing, which ends
// the call before the counter moves.
bool Turn(cCharaBase& chara, int32_t turnTo) {
  if (turnTo == kTurnLeft || turnTo == kTurnRight) {
    chara.m_nFacing = turnTo;
  } else if (turnTo >= kTurnTowardFirst && turnTo <= kTurnAwayLast) {
    const int32_t id = chara.m_Targets.CheckedVectorAt((turnTo - kTurnTowardFirst) / 2);
    const cCharaBase* target = id == kNoLink ? nullptr : FindCharaById(id);
    if (target == nullptr) return false;
    const int32_t toward = CentreX(*target) > CentreX(chara) ? 1 : 0;
    chara.m_nFacing = (turnTo - kTurnTowardFirst) % 2 == 0 ? toward : 1 - toward;
  } else if ((turnTo == kTurnToWall || turnTo == kTurnFromWall) && (chara.m_nWallSide == 0 || chara.m_nWallSide == 1)) {
    chara.m_nFacing = turnTo == kTurnToWall ? chara.m_nWallSide : 1 - chara.m_nWallSide;
  }
  return true;
}

}  // namespace flow_cmd_turn

int32_t FlowCmd_DisableMove(cCharaBase* lpChara, cFlowCmdState*) {
  if (lpChara == nullptr) return 0;
  cCharaBase& chara = *lpChara;
  chara.m_dPushVX = chara.m_dPushVY = 0;
  chara.m_dInertiaX = chara.m_dInertiaY = 0;
  chara.m_dVX = chara.m_dVY = 0;
  flow_cmd_turn::ClearHold(chara);
  // No gravity either for the rest of this flow pass.
  chara.m_bMoveDisabled = 1;
  return 0;
}

int32_t FlowCmd_ChangeDirection(cCharaBase* lpChara, cFlowCmdState* lpState) {
  using namespace flow_cmd_turn;
  if (lpChara == nullptr || lpState == nullptr || lpState->m_lpCmd == nullptr) return 0;
  cCharaBase& chara = *lpChara;
  cFlowCmdState& state = *lpState;
  // A chara free to turn is turned by its moves instead.
  if (chara.m_Def.m_bFixedFacing == 0) return 0;
  if (state.m_nCount == 0) {
    const cFlowCmd& cmd = *state.m_lpCmd;
    if (g_lpSceneStagePlay != nullptr) g_lpSceneStagePlay->Services().PlayProjectSE(cmd.m_nSound);
    const int32_t turnTo = cmd.m_Params.empty() ? kNoTurn : cmd.m_Params.CheckedVectorAt(0);
    if (!Turn(chara, turnTo)) return 0;
  }
  const int64_t next = static_cast<int64_t>(state.m_nCount) + 1;
  state.m_nCount = next >= kTurnFrames * g_Stage.m_nSubSteps ? 0 : SaturateToInt(next);
  return 0;
}

int32_t FlowCmd_Jump(cCharaBase* lpChara, cFlowCmdState* lpState) {
  if (lpChara == nullptr || lpState == nullptr) return 0;
  // Each run of the command may jump again: a run that ended in the air (its
  // length is the rise time) must not leave the jumped flag and the waited
  // count behind, or the next run would end at once without a jump.
  if (lpState->m_bInit == 0) {
    lpState->m_nWork1 = 0;
    lpState->m_nWork2 = 0;
    lpState->m_bInit = 1;
  }
  flow_cmd_turn::ClearHold(*lpChara);
  // The chara's class decides how it jumps (an ordinary chara, the hero).
  lpChara->StepJump(*lpState);
  lpState->m_nCount = WrapAdd(lpState->m_nCount, 1);
  return 0;
}
