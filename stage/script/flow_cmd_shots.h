#pragma once
// The flow commands that fire: "ショット", "ソード" and the three summons
// (kinds 11 to 15 of g_FlowCmdTable).

#include <cstdint>

class cCharaBase;
class cFlowCmdState;

int32_t FlowCmd_Shot(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_Sword(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_SummonBlock(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_SummonChara(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_SummonItem(cCharaBase* lpChara, cFlowCmdState* lpState);
