#pragma once
// The executors of the shared command kinds 33..38: the flow command's
// handler and the item command (run on the hero) both call them with the
// command. Each acts on every call it gets, so a command that lasts several
// calls repeats its action.
//
//   ExecPlaySound(&cmd, &chara);    // P0 from the sound list, unless on-screen-only and off screen
//   ExecArrange(&chara, &cmd);      // queues the link on the running flow (item set: the hero)

#include <cstdint>

class cCharaBase;
class cFlowCmd;

// 画面の色を変更: P0..P7 to the scene's screen colour.
int32_t ExecChangeScreenColor(cCharaBase* lpChara, cFlowCmd* lpCmd);
// 背景の変更: layer P0 (1-based) shown (P1 0), hidden (1) or toggled (2).
int32_t ExecChangeBackground(cCharaBase* lpChara, cFlowCmd* lpCmd);
// 効果音の再生: project sound P0.
int32_t ExecPlaySound(cFlowCmd* lpCmd, cCharaBase* lpChara);
// BGMの再生: stage music P0 with P1.
int32_t ExecPlayBgm(cFlowCmd* lpCmd);
// コードの実行: the command's text for the chara.
int32_t ExecRunCode(cCharaBase* lpChara, cFlowCmd* lpCmd);
// アレンジ: a copy of the parameters as a variable link for the next command.
int32_t ExecArrange(cCharaBase* lpChara, cFlowCmd* lpCmd);
