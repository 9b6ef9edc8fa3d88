#pragma once
// The executors of the shared command kinds 17..32 (item kinds 2..17) and the
// flow handlers that call them. A flow handler passes its owner and its
// command; the item table passes the hero and the item's command. Each acts
// on every call it gets, so a command that lasts several calls repeats its
// action. What they show goes to the scene through cStageServices; a command
// that stops the game does so inside its call (scene_pause.h).
//
//   ExecStageClear(&chara, &cmd);          // 1: the stage ends (next stage recorded)
//   ExecMessage(&hero, &cmd, play.m_bItemMessage);
//   ExecSetTarget(&chara, &cmd);           // slot P0 names the chara found

#include <cstdint>

class cCharaBase;
class cFlowCmd;
class cFlowCmdState;

// ステージクリア: the next stage (P0 0 next, 1 by number P1, 2 by the text's
// path, 3 world clear), the map position (P2: P3, P4), the next start (P5:
// P6, P7, facing P8, 2 the hero's); 1.
int32_t ExecStageClear(cCharaBase* lpChara, cFlowCmd* lpCmd);
// ゲームウエイト: the game stands still for P0 tenths of a second.
int32_t ExecGameWait(cCharaBase* lpChara, cFlowCmd* lpCmd);
// メッセージ: a window shown, updated or removed; lpContinue 1 when it goes on
// from the previous command's key-wait message (no opening sound, the key
// counts at once).
int32_t ExecMessage(cCharaBase* lpChara, cFlowCmd* lpCmd, int32_t bContinue);
// ワープ: the chara moved at once by its move settings; cancelled when the
// place is outside the stage or blocked.
int32_t ExecWarp(cCharaBase* lpChara, cFlowCmd* lpCmd);
// ターゲットの設定: target slot P0 set to the chara P1 names.
int32_t ExecSetTarget(cCharaBase* lpChara, cFlowCmd* lpCmd);
// ステータスの操作2: a state flag of the chara, a target or the system.
int32_t ExecStatusOperation2(cCharaBase* lpChara, cFlowCmd* lpCmd);
// 消滅: charas or shots of a group, the chara's descendants, its shots.
int32_t ExecVanish(cCharaBase* lpChara, cFlowCmd* lpCmd);
// アイテムの取得: the commands of palette P0's item P1 run on the hero; a
// non-zero result becomes the stage-end request and is returned.
int32_t ExecGetItem(cCharaBase* lpChara, cFlowCmd* lpCmd);
// グラフィックの変更, 基本アニメセットの変更, アニメの実行,
// キャラエフェクトの実行: the chara's own look.
int32_t ExecChangeGraphic(cCharaBase* lpChara, cFlowCmd* lpCmd);
int32_t ExecChangeAnimeSet(cCharaBase* lpChara, cFlowCmd* lpCmd);
int32_t ExecRunAnime(cCharaBase* lpChara, cFlowCmd* lpCmd);
int32_t ExecRunCharaEffect(cCharaBase* lpChara, cFlowCmd* lpCmd);
// エフェクトの実行, 画面エフェクトの実行, ピクチャーの表示: the scene's.
int32_t ExecRunEffect(cCharaBase* lpChara, cFlowCmd* lpCmd);
int32_t ExecRunScreenEffect(cCharaBase* lpChara, cFlowCmd* lpCmd);
int32_t ExecShowPicture(cCharaBase* lpChara, cFlowCmd* lpCmd);

// Where an effect (or picture) of width x height goes, in stage dots, by
// position mode (0 screen centre, 1 the chara's centre, 2 the hero's, 3
// screen coordinates, 4 stage coordinates; blocks and dots); other modes
// give (0, 0).
void CalcEffectPosition(double* lpX, double* lpY, int32_t width, int32_t height, const cCharaBase* lpChara,
                        int32_t mode, int32_t blockX, int32_t blockY, int32_t dotX, int32_t dotY);

// 消滅's helpers: the chara's summoned charas and theirs (withShots: each
// one's own shots too), at most 1000 levels below depth 0; the chara's own
// shots.
void VanishDescendants(cCharaBase& chara, int32_t depth, int32_t withShots, const cCharaBase* lpRunner);
void RemoveOwnShots(cCharaBase& chara);

// The flow handlers of kinds 16..21 and 23..32.
int32_t FlowCmd_FlowOperation(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_StageClear(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_GameWait(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_Message(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_Warp(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_SetTarget(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_StatusOperation2(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_Vanish(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_GetItem(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_ChangeGraphic(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_ChangeAnimeSet(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_RunAnime(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_RunEffect(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_RunCharaEffect(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_RunScreenEffect(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_ShowPicture(cCharaBase* lpChara, cFlowCmdState* lpState);
