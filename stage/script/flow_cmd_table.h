#pragma once
// g_FlowCmdTable: the handler of each of the 40 flow command kinds. A handler
// takes the chara running the flow and the command's run state (through
// which it reaches the command) and is called once per sub-step while the
// command runs; what it returns is not read, and a command ends only when its
// calls are used up (cFlowCmdState::Step).
//
//   DispatchFlowCmd(&chara, &state);   // g_FlowCmdTable[kind](&chara, &state)
//
// The shared kinds 17..38 pass the command on to their executor
// (flow_cmd_exec.h, flow_cmd_executors.h), which the item commands call with
// the hero too.

#include <array>
#include <cstdint>

#include "records/script/cmd_kind_table.h"

class cCharaBase;
class cFlowCmdState;

using FlowCmdHandler = int32_t (*)(cCharaBase* lpChara, cFlowCmdState* lpState);

extern const std::array<FlowCmdHandler, kFlowCmdKindCount> g_FlowCmdTable;

// The handler of the state's command kind. The kind is a byte of the data:
// one outside 0..39 does nothing (logged once) instead of reading past the
// table.
int32_t DispatchFlowCmd(cCharaBase* lpChara, cFlowCmdState* lpState);

int32_t DoNothing(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_StatusOperation(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_ChangeScreenColor(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_ChangeBackground(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_PlaySound(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_PlayBgm(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_RunCode(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_Arrange(cCharaBase* lpChara, cFlowCmdState* lpState);
// Loops are unrolled when the flows are set; one left over does nothing.
int32_t FlowCmd_Loop(cCharaBase* lpChara, cFlowCmdState* lpState);
