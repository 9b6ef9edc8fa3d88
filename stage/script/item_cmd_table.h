#pragma once
// g_ItemCmdTable: the handler of each of the 25 item command kinds. When the
// hero takes an item, cHero::ApplyItemCommands calls the handler of each of
// the item's commands once, in order, with the hero; a non-zero result ends
// the list (1 the stage is cleared).
//
//   int32_t end = DispatchItemCmd(&hero, &cmd);   // g_ItemCmdTable[kind](&hero, &cmd)
//
// Kinds 2..23 share their executor with flow kinds 17..38 (the flow command
// of kind + 15); フローの変更 (1) has its own (item_change_flow.h); ループ
// (24) was unrolled when the item was set up, so one left over does nothing.

#include <array>
#include <cstdint>

#include "records/script/cmd_kind_table.h"

class cFlowCmd;
class cHero;

using ItemCmdHandler = int32_t (*)(cHero* lpHero, cFlowCmd* lpCmd);

extern const std::array<ItemCmdHandler, kItemCmdKindCount> g_ItemCmdTable;

// The handler of the command's kind. The kind is a byte of the data: one
// outside 0..24 does nothing (logged once) instead of reading past the table.
int32_t DispatchItemCmd(cHero* lpHero, cFlowCmd* lpCmd);

int32_t ItemCmd_None(cHero* lpHero, cFlowCmd* lpCmd);
int32_t ItemCmd_ChangeFlow(cHero* lpHero, cFlowCmd* lpCmd);
int32_t ItemCmd_StageClear(cHero* lpHero, cFlowCmd* lpCmd);
int32_t ItemCmd_GameWait(cHero* lpHero, cFlowCmd* lpCmd);
int32_t ItemCmd_Message(cHero* lpHero, cFlowCmd* lpCmd);
int32_t ItemCmd_Warp(cHero* lpHero, cFlowCmd* lpCmd);
int32_t ItemCmd_SetTarget(cHero* lpHero, cFlowCmd* lpCmd);
int32_t ItemCmd_StatusOperation(cHero* lpHero, cFlowCmd* lpCmd);
int32_t ItemCmd_StatusOperation2(cHero* lpHero, cFlowCmd* lpCmd);
int32_t ItemCmd_Vanish(cHero* lpHero, cFlowCmd* lpCmd);
int32_t ItemCmd_GetItem(cHero* lpHero, cFlowCmd* lpCmd);
int32_t ItemCmd_ChangeGraphic(cHero* lpHero, cFlowCmd* lpCmd);
int32_t ItemCmd_ChangeAnimeSet(cHero* lpHero, cFlowCmd* lpCmd);
int32_t ItemCmd_RunAnime(cHero* lpHero, cFlowCmd* lpCmd);
int32_t ItemCmd_RunEffect(cHero* lpHero, cFlowCmd* lpCmd);
int32_t ItemCmd_RunCharaEffect(cHero* lpHero, cFlowCmd* lpCmd);
int32_t ItemCmd_RunScreenEffect(cHero* lpHero, cFlowCmd* lpCmd);
int32_t ItemCmd_ShowPicture(cHero* lpHero, cFlowCmd* lpCmd);
int32_t ItemCmd_ChangeScreenColor(cHero* lpHero, cFlowCmd* lpCmd);
int32_t ItemCmd_ChangeBackground(cHero* lpHero, cFlowCmd* lpCmd);
int32_t ItemCmd_PlaySound(cHero* lpHero, cFlowCmd* lpCmd);
int32_t ItemCmd_PlayBgm(cHero* lpHero, cFlowCmd* lpCmd);
int32_t ItemCmd_RunCode(cHero* lpHero, cFlowCmd* lpCmd);
int32_t ItemCmd_Arrange(cHero* lpHero, cFlowCmd* lpCmd);
int32_t ItemCmd_Loop(cHero* lpHero, cFlowCmd* lpCmd);
