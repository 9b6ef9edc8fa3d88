// The flow handlers of the shared kinds: each hands its owner and command to
// the executor the item commands use too. Only the stage clear keeps the
// result (the play step reads it) and only the message passes the flow's
// chain flag.

#include "records/script/flow_cmd.h"
#include "stage/objects/flow_cmd_state.h"
#include "stage/objects/flow_instance.h"
#include "stage/objects/stage_play.h"
#include "stage/script/flow_cmd_executors.h"
#include "stage/script/flow_handover.h"

int32_t FlowCmd_StageClear(cCharaBase* c, cFlowCmdState* s) {
  const int32_t result = ExecStageClear(c, s->m_lpCmd);
  if (g_lpSceneStagePlay != nullptr) g_lpSceneStagePlay->m_nStageClear = result;
  return 0;
}

int32_t FlowCmd_Message(cCharaBase* c, cFlowCmdState* s) {
  const cFlowInstance* flow = g_lpSceneStagePlay != nullptr ? RunningFlow(*g_lpSceneStagePlay) : nullptr;
  return ExecMessage(c, s->m_lpCmd, flow != nullptr ? flow->m_bMessageChain : 0);
}

int32_t FlowCmd_GameWait(cCharaBase* c, cFlowCmdState* s) { return ExecGameWait(c, s->m_lpCmd); }
int32_t FlowCmd_Warp(cCharaBase* c, cFlowCmdState* s) { return ExecWarp(c, s->m_lpCmd); }
int32_t FlowCmd_SetTarget(cCharaBase* c, cFlowCmdState* s) { return ExecSetTarget(c, s->m_lpCmd); }
int32_t FlowCmd_StatusOperation2(cCharaBase* c, cFlowCmdState* s) { return ExecStatusOperation2(c, s->m_lpCmd); }
int32_t FlowCmd_Vanish(cCharaBase* c, cFlowCmdState* s) { return ExecVanish(c, s->m_lpCmd); }
int32_t FlowCmd_GetItem(cCharaBase* c, cFlowCmdState* s) { return ExecGetItem(c, s->m_lpCmd); }
int32_t FlowCmd_ChangeGraphic(cCharaBase* c, cFlowCmdState* s) { return ExecChangeGraphic(c, s->m_lpCmd); }
int32_t FlowCmd_ChangeAnimeSet(cCharaBase* c, cFlowCmdState* s) { return ExecChangeAnimeSet(c, s->m_lpCmd); }
int32_t FlowCmd_RunAnime(cCharaBase* c, cFlowCmdState* s) { return ExecRunAnime(c, s->m_lpCmd); }
int32_t FlowCmd_RunEffect(cCharaBase* c, cFlowCmdState* s) { return ExecRunEffect(c, s->m_lpCmd); }
int32_t FlowCmd_RunCharaEffect(cCharaBase* c, cFlowCmdState* s) { return ExecRunCharaEffect(c, s->m_lpCmd); }
int32_t FlowCmd_RunScreenEffect(cCharaBase* c, cFlowCmdState* s) { return ExecRunScreenEffect(c, s->m_lpCmd); }
int32_t FlowCmd_ShowPicture(cCharaBase* c, cFlowCmdState* s) { return ExecShowPicture(c, s->m_lpCmd); }
