// メッセージ: a text window of the scene, shown, updated in place, replaced
// or removed by its message ID; with P8 the game waits for it.

#include "records/script/flow_cmd.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"
#include "stage/script/cmd_param.h"
#include "stage/script/flow_cmd_executors.h"
#include "stage/script/scene_pause.h"
#include "stage/services/stage_services.h"

namespace exec_message {

// The scene's mode of a message wait; the sound that opens a key wait.
constexpr int32_t kMessageWaitMode = 1;
constexpr int32_t kKeyWaitSound = 11;

// Positions 1..3 follow the chara, 4..6 the hero; -1 none.
int32_t FollowedId(const cCharaBase* lpChara, int32_t position) {
  if (position >= 1 && position <= 3) return lpChara != nullptr ? lpChara->m_nId : -1;
  if (position >= 4 && position <= 6) return g_Heroes.empty() ? -1 : g_Heroes.CheckedVectorAt(0).m_nId;
  return -1;
}

cMessageSetup Setup(const cCharaBase* lpChara, const cFlowCmd& cmd, int32_t frames, int32_t bContinue) {
  cMessageSetup m;
  m.m_nKind = 1;
  m.m_strText = cmd.m_strText;
  m.m_nPosMode = CmdParam(cmd, 0);
  m.m_nBlockX = CmdParam(cmd, 1);
  m.m_nBlockY = CmdParam(cmd, 2);
  m.m_nOffsetX = CmdParam(cmd, 3);
  m.m_nOffsetY = CmdParam(cmd, 4);
  m.m_nKeepInside = CmdParam(cmd, 5);
  m.m_nStay = CmdParam(cmd, 10);
  m.m_nDurationMode = CmdParam(cmd, 6);
  m.m_nDurationFrames = frames;
  m.m_nCountWhileFrozen = CmdParam(cmd, 8);
  m.m_nCharaId = FollowedId(lpChara, m.m_nPosMode);
  m.m_nNoOpening = bContinue;
  m.m_nExpand = CmdParam(cmd, 9);
  m.m_nReEvaluate = CmdParam(cmd, 11);
  m.m_nPeriod = CmdParam(cmd, 16);
  m.m_nWindow = CmdParam(cmd, 14);
  m.m_nCmdValue1 = CmdParam(cmd, 12);
  m.m_nCmdValue2 = CmdParam(cmd, 13);
  return m;
}

}  // namespace exec_message

int32_t ExecMessage(cCharaBase* lpChara, cFlowCmd* lpCmd, int32_t bContinue) {
  cStagePlay* play = g_lpSceneStagePlay;
  if (lpCmd == nullptr || play == nullptr || play->m_bQuit != 0) return 0;
  const cFlowCmd& cmd = *lpCmd;
  if (CmdParam(cmd, 15) != 0) {
    if (CmdParam(cmd, 12) != 0) play->Services().RemoveMessageById(CmdParam(cmd, 13));
    return 0;
  }
  const int32_t frames = CmdParam(cmd, 17) != 0 ? 1 : TenthsToFrames(CmdParam(cmd, 7));
  play->Services().ShowMessage(exec_message::Setup(lpChara, cmd, frames, bContinue));
  if (CmdParam(cmd, 8) == 0) return 0;
  const int32_t duration = CmdParam(cmd, 6);
  // A continued message opens in the window already there, silently.
  if (duration == kShownUntilKey && bContinue == 0) play->Services().PlaySE(exec_message::kKeyWaitSound);
  PauseForShown(*play, exec_message::kMessageWaitMode, duration, frames, bContinue);
  play->Services().RemoveShownMessage();
  return 0;
}
