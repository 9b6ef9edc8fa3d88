#include "stage/script/flow_cmd_table.h"

#include <atomic>

#include "core/log/report_log.h"
#include "stage/objects/flow_cmd_state.h"
#include "stage/objects/stage_play.h"
#include "stage/script/flow_cmd_exec.h"
#include "stage/script/flow_cmd_executors.h"
#include "stage/script/flow_cmd_move.h"
#include "stage/script/flow_cmd_shots.h"
#include "stage/script/status_operation.h"

namespace flow_cmd_table {

// One line for the first bad kind is enough to find the damaged data; a
// broken flow would otherwise write one per sub-step.
std::atomic<bool> g_bBadKindLogged{false};

}  // namespace flow_cmd_table

int32_t DoNothing(cCharaBase*, cFlowCmdState*) { return 0; }
int32_t FlowCmd_Loop(cCharaBase*, cFlowCmdState*) { return 0; }

int32_t FlowCmd_StatusOperation(cCharaBase* lpChara, cFlowCmdState* lpState) {
  if (g_lpSceneStagePlay == nullptr) return 0;
  ExecStatusOperation(*g_lpSceneStagePlay, lpChara, *lpState->m_lpCmd);
  return 0;
}

int32_t FlowCmd_ChangeScreenColor(cCharaBase* c, cFlowCmdState* s) { return ExecChangeScreenColor(c, s->m_lpCmd); }
int32_t FlowCmd_ChangeBackground(cCharaBase* c, cFlowCmdState* s) { return ExecChangeBackground(c, s->m_lpCmd); }
int32_t FlowCmd_PlaySound(cCharaBase* c, cFlowCmdState* s) { return ExecPlaySound(s->m_lpCmd, c); }
int32_t FlowCmd_PlayBgm(cCharaBase*, cFlowCmdState* s) { return ExecPlayBgm(s->m_lpCmd); }
int32_t FlowCmd_RunCode(cCharaBase* c, cFlowCmdState* s) { return ExecRunCode(c, s->m_lpCmd); }
int32_t FlowCmd_Arrange(cCharaBase* c, cFlowCmdState* s) { return ExecArrange(c, s->m_lpCmd); }

const std::array<FlowCmdHandler, kFlowCmdKindCount> g_FlowCmdTable = {
    DoNothing,                  // 0
    DoNothing,                  // 1 ウエイト: lasts its calls
    FlowCmd_LinearMove,         // 2 直線移動
    FlowCmd_GroundPatrol,       // 3 地上折り返し移動
    FlowCmd_CircleMove,         // 4 円移動
    FlowCmd_ChargeMove,         // 5 突撃移動
    FlowCmd_HomingMove,         // 6 誘導移動
    FlowCmd_AvoidOffscreenMove, // 7 画面外回避移動
    FlowCmd_DisableMove,        // 8 移動の無効化
    FlowCmd_ChangeDirection,    // 9 向き変更
    FlowCmd_Jump,               // 10 ジャンプ
    FlowCmd_Shot,               // 11 ショット
    FlowCmd_Sword,              // 12 ソード
    FlowCmd_SummonBlock,        // 13 ブロック召喚
    FlowCmd_SummonChara,        // 14 キャラ召喚
    FlowCmd_SummonItem,         // 15 アイテム召喚
    FlowCmd_FlowOperation,      // 16 フローの操作
    FlowCmd_StageClear,         // 17 ステージクリア
    FlowCmd_GameWait,           // 18 ゲームウエイト
    FlowCmd_Message,            // 19 メッセージ
    FlowCmd_Warp,               // 20 ワープ
    FlowCmd_SetTarget,          // 21 ターゲットの設定
    FlowCmd_StatusOperation,    // 22
    FlowCmd_StatusOperation2,   // 23 ステータスの操作2
    FlowCmd_Vanish,             // 24 消滅
    FlowCmd_GetItem,            // 25 アイテムの取得
    FlowCmd_ChangeGraphic,      // 26 グラフィックの変更
    FlowCmd_ChangeAnimeSet,     // 27 基本アニメセットの変更
    FlowCmd_RunAnime,           // 28 アニメの実行
    FlowCmd_RunEffect,          // 29 エフェクトの実行
    FlowCmd_RunCharaEffect,     // 30 キャラエフェクトの実行
    FlowCmd_RunScreenEffect,    // 31 画面エフェクトの実行
    FlowCmd_ShowPicture,        // 32 ピクチャーの表示
    FlowCmd_ChangeScreenColor,  // 33
    FlowCmd_ChangeBackground,   // 34
    FlowCmd_PlaySound,          // 35
    FlowCmd_PlayBgm,            // 36
    FlowCmd_RunCode,            // 37
    FlowCmd_Arrange,            // 38
    FlowCmd_Loop,               // 39
};

int32_t DispatchFlowCmd(cCharaBase* lpChara, cFlowCmdState* lpState) {
  if (lpState == nullptr || lpState->m_lpCmd == nullptr) return 0;
  const int32_t kind = lpState->m_lpCmd->m_nKind;
  if (kind < 0 || kind >= kFlowCmdKindCount) {
    if (!flow_cmd_table::g_bBadKindLogged.exchange(true)) ReportLog("flow command kind %d ignored", kind);
    return 0;
  }
  return g_FlowCmdTable[static_cast<std::size_t>(kind)](lpChara, lpState);
}
