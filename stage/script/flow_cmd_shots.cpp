// "ショット" and the summons repeat every tenth of a second while they run;
// "ソード" makes its sword once per run.
#include "stage/script/flow_cmd_shots.h"

#include "records/database/database.h"
#include "records/script/flow_cmd.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/flow_cmd_state.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/shot_fire.h"
#include "stage/objects/stage_play.h"
#include "stage/services/stage_services.h"

namespace flow_cmd_shots {

void PlayStartSound(const cCharaBase& chara, const cFlowCmd& cmd) {
  if (cmd.m_bSoundOnScreenOnly != 0 && chara.m_bOnScreen == 0) return;
  g_lpSceneStagePlay->Services().PlayProjectSE(cmd.m_nSound);
}

bool Ready(cCharaBase* lpChara, cFlowCmdState* lpState) {
  return g_lpSceneStagePlay != nullptr && lpChara != nullptr && lpState != nullptr && lpState->m_lpCmd != nullptr &&
         lpState->m_lpCmd->m_Shot.get() != nullptr;
}

// The tenth-of-a-second cycle of the repeating kinds: fire at count 0.
using FireFn = void (*)(const cShotFiring&);
int32_t Cycle(cCharaBase* lpChara, cFlowCmdState* lpState, FireFn fire) {
  if (!Ready(lpChara, lpState)) return 0;
  if (lpState->m_nCount == 0) {
    PlayStartSound(*lpChara, *lpState->m_lpCmd);
    fire({&g_lpSceneStagePlay->m_ShotList, lpChara, lpState, lpState->m_lpCmd->m_Shot.get()});
  }
  if (++lpState->m_nCount >= 6 * g_Stage.m_nSubSteps) lpState->m_nCount = 0;
  return 0;
}

}  // namespace flow_cmd_shots

int32_t FlowCmd_Shot(cCharaBase* lpChara, cFlowCmdState* lpState) {
  return flow_cmd_shots::Cycle(lpChara, lpState, FireShot);
}

int32_t FlowCmd_SummonBlock(cCharaBase* lpChara, cFlowCmdState* lpState) {
  return flow_cmd_shots::Cycle(lpChara, lpState, SummonBlocks);
}

int32_t FlowCmd_SummonChara(cCharaBase* lpChara, cFlowCmdState* lpState) {
  return flow_cmd_shots::Cycle(lpChara, lpState, SummonCharas);
}

int32_t FlowCmd_SummonItem(cCharaBase* lpChara, cFlowCmdState* lpState) {
  return flow_cmd_shots::Cycle(lpChara, lpState, SummonItems);
}

int32_t FlowCmd_Sword(cCharaBase* lpChara, cFlowCmdState* lpState) {
  if (!flow_cmd_shots::Ready(lpChara, lpState)) return 0;
  if (lpState->m_nCount == 0) {
    cStagePlay& play = *g_lpSceneStagePlay;
    cEdShot* set = lpState->m_lpCmd->m_Shot.get();
    flow_cmd_shots::PlayStartSound(*lpChara, *lpState->m_lpCmd);
    // Checked access: a type or step the database lacks is reported and the
    // first one used; an empty step list yields its fallback step.
    const cSwordType& type = g_Database.m_SwordTypes.CheckedVectorAt(set->m_nMoveType);
    const cSwordTypeEntry& first = type.m_Entries.CheckedVectorAt(0);
    SHOTLAUNCH launch;
    launch.nW = first.m_nWidth;
    launch.nH = first.m_nHeight;
    cShot sword;
    sword.Init(play.m_nNextShotId, lpChara, kShotKindSword, set, &launch);
    cShot& listed = AddShot(play, sword);
    ++play.m_nNextShotId;
    listed.m_lpTarget = kNoLink;
    LinkShotToCharas(listed);
  }
  ++lpState->m_nCount;
  return 0;
}
