#include "stage/script/item_cmd_table.h"

#include <atomic>

#include "core/log/report_log.h"
#include "records/script/flow_cmd.h"
#include "stage/objects/hero.h"
#include "stage/objects/stage_play.h"
#include "stage/script/flow_cmd_exec.h"
#include "stage/script/flow_cmd_executors.h"
#include "stage/script/item_change_flow.h"
#include "stage/script/status_operation.h"

namespace item_cmd_table {

// One line for the first bad kind is enough to find the damaged data.
std::atomic<bool> g_bBadItemKindLogged{false};

}  // namespace item_cmd_table

int32_t ItemCmd_None(cHero*, cFlowCmd*) { return 0; }
int32_t ItemCmd_Loop(cHero*, cFlowCmd*) { return 0; }

int32_t ItemCmd_ChangeFlow(cHero* lpHero, cFlowCmd* lpCmd) {
  ExecChangeFlow(lpHero, lpCmd, 0);
  return 0;
}

// The clear's result ends the item's list: nothing after it runs.
int32_t ItemCmd_StageClear(cHero* h, cFlowCmd* c) { return ExecStageClear(h, c); }

// A message after the first of the same list chains on to the one shown.
int32_t ItemCmd_Message(cHero* lpHero, cFlowCmd* lpCmd) {
  if (g_lpSceneStagePlay == nullptr) return 0;
  ExecMessage(lpHero, lpCmd, g_lpSceneStagePlay->m_bItemMessage);
  g_lpSceneStagePlay->m_bItemMessage = 1;
  return 0;
}

int32_t ItemCmd_GameWait(cHero* h, cFlowCmd* c) { return ExecGameWait(h, c); }
int32_t ItemCmd_Warp(cHero* h, cFlowCmd* c) { return ExecWarp(h, c); }
int32_t ItemCmd_SetTarget(cHero* h, cFlowCmd* c) { return ExecSetTarget(h, c); }
int32_t ItemCmd_StatusOperation2(cHero* h, cFlowCmd* c) { return ExecStatusOperation2(h, c); }
int32_t ItemCmd_Vanish(cHero* h, cFlowCmd* c) { return ExecVanish(h, c); }
int32_t ItemCmd_GetItem(cHero* h, cFlowCmd* c) { return ExecGetItem(h, c); }
int32_t ItemCmd_ChangeGraphic(cHero* h, cFlowCmd* c) { return ExecChangeGraphic(h, c); }
int32_t ItemCmd_ChangeAnimeSet(cHero* h, cFlowCmd* c) { return ExecChangeAnimeSet(h, c); }
int32_t ItemCmd_RunAnime(cHero* h, cFlowCmd* c) { return ExecRunAnime(h, c); }
int32_t ItemCmd_RunEffect(cHero* h, cFlowCmd* c) { return ExecRunEffect(h, c); }
int32_t ItemCmd_RunCharaEffect(cHero* h, cFlowCmd* c) { return ExecRunCharaEffect(h, c); }
int32_t ItemCmd_RunScreenEffect(cHero* h, cFlowCmd* c) { return ExecRunScreenEffect(h, c); }
int32_t ItemCmd_ShowPicture(cHero* h, cFlowCmd* c) { return ExecShowPicture(h, c); }

int32_t ItemCmd_StatusOperation(cHero* lpHero, cFlowCmd* lpCmd) {
  if (g_lpSceneStagePlay == nullptr || lpCmd == nullptr) return 0;
  ExecStatusOperation(*g_lpSceneStagePlay, lpHero, *lpCmd);
  return 0;
}

int32_t ItemCmd_ChangeScreenColor(cHero* h, cFlowCmd* c) { return ExecChangeScreenColor(h, c); }
int32_t ItemCmd_ChangeBackground(cHero* h, cFlowCmd* c) { return ExecChangeBackground(h, c); }
int32_t ItemCmd_PlaySound(cHero* h, cFlowCmd* c) { return ExecPlaySound(c, h); }
int32_t ItemCmd_PlayBgm(cHero*, cFlowCmd* c) { return ExecPlayBgm(c); }
int32_t ItemCmd_RunCode(cHero* h, cFlowCmd* c) { return ExecRunCode(h, c); }
int32_t ItemCmd_Arrange(cHero* h, cFlowCmd* c) { return ExecArrange(h, c); }

const std::array<ItemCmdHandler, kItemCmdKindCount> g_ItemCmdTable = {
    ItemCmd_None,               // 0
    ItemCmd_ChangeFlow,         // 1 フローの変更
    ItemCmd_StageClear,         // 2 ステージクリア
    ItemCmd_GameWait,           // 3 ゲームウエイト
    ItemCmd_Message,            // 4 メッセージ
    ItemCmd_Warp,               // 5 ワープ
    ItemCmd_SetTarget,          // 6 ターゲットの設定
    ItemCmd_StatusOperation,    // 7 ステータスの操作
    ItemCmd_StatusOperation2,   // 8 ステータスの操作2
    ItemCmd_Vanish,             // 9 消滅
    ItemCmd_GetItem,            // 10 アイテムの取得
    ItemCmd_ChangeGraphic,      // 11 グラフィックの変更
    ItemCmd_ChangeAnimeSet,     // 12 基本アニメセットの変更
    ItemCmd_RunAnime,           // 13 アニメの実行
    ItemCmd_RunEffect,          // 14 エフェクトの実行
    ItemCmd_RunCharaEffect,     // 15 キャラエフェクトの実行
    ItemCmd_RunScreenEffect,    // 16 画面エフェクトの実行
    ItemCmd_ShowPicture,        // 17 ピクチャーの表示
    ItemCmd_ChangeScreenColor,  // 18 画面の色を変更
    ItemCmd_ChangeBackground,   // 19 背景の変更
    ItemCmd_PlaySound,          // 20 効果音の再生
    ItemCmd_PlayBgm,            // 21 BGMの再生
    ItemCmd_RunCode,            // 22 コードの実行
    ItemCmd_Arrange,            // 23 アレンジ
    ItemCmd_Loop,               // 24 ループ
};

int32_t DispatchItemCmd(cHero* lpHero, cFlowCmd* lpCmd) {
  if (lpCmd == nullptr) return 0;
  const int32_t kind = lpCmd->m_nKind;
  if (kind < 0 || kind >= kItemCmdKindCount) {
    if (!item_cmd_table::g_bBadItemKindLogged.exchange(true)) ReportLog("item command kind %d ignored", kind);
    return 0;
  }
  return g_ItemCmdTable[static_cast<std::size_t>(kind)](lpHero, lpCmd);
}
