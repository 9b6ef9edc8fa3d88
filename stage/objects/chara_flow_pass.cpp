#include "stage/objects/chara_flow_pass.h"

#include "stage/objects/chara_base.h"
#include "stage/objects/chara_flow_calls.h"
#include "stage/objects/stage_play.h"

namespace chara_flow_pass {

constexpr int32_t kDeathTrigger = 3;

}  // namespace chara_flow_pass

cFlowPassOwner::cFlowPassOwner(cStagePlay* lpPlay, int32_t ownerId) : m_lpPlay(lpPlay) {
  if (m_lpPlay == nullptr) return;
  m_lpPlay->m_nFlowOwnerId = ownerId;
  m_lpPlay->m_bKill = 0;
}

void cFlowPassOwner::Release() {
  if (m_lpPlay == nullptr) return;
  m_lpPlay->m_nFlowOwnerId = kNoLink;
  m_lpPlay->m_nFlowIndex = kNoLink;
  m_lpPlay->m_nFlowCmdIndex = kNoLink;
}

double AutoScrollSpeedOf(const cScroll& axis) { return axis.m_bClamped ? 0 : axis.m_dAutoSpeed; }

void ClearPassRequests(cCharaBase& chara) {
  chara.m_bMoveDisabled = 0;
  chara.m_bFrictionX = chara.m_bFrictionY = 1;
  chara.m_bTransparentNow = 0;
  chara.m_bAnimeChosen = chara.m_nAnimeChosen = chara.m_nAnimePriority = 0;
}

int32_t RunFlowInstances(cCharaBase& chara, cStagePlay* lpPlay, int32_t dying, bool stopOnVanish) {
  for (int32_t i = 0; i < chara.m_Flows.VectorSize(); ++i) {
    const cFlowInstance& flow = chara.m_Flows.CheckedVectorAt(i);
    if (!flow.m_bRunning) continue;
    // One state per command: the instance answers without reading the
    // definition, which the pass only needs for a dying or defeated chara.
    if (flow.m_States.empty()) {
      if (g_lpCharaFlowCalls != nullptr) g_lpCharaFlowCalls->StopFlow(chara, i);
      continue;
    }
    auto deathFlow = [&] {
      return chara.m_Def.m_Flows.CheckedVectorAt(i).m_nTrigger == chara_flow_pass::kDeathTrigger;
    };
    if (flow.m_bPaused || flow.m_bStoppedForever || (dying && !deathFlow())) continue;
    if (lpPlay != nullptr) lpPlay->m_nFlowIndex = i;
    if (g_lpCharaFlowCalls != nullptr && g_lpCharaFlowCalls->RunFrame(chara, i)) {
      g_lpCharaFlowCalls->StopFlow(chara, i);
    }
    if ((stopOnVanish && chara.m_bVanish) || (!dying && chara.m_nHp <= 0 && !deathFlow())) return 1;
  }
  return 0;
}

void FinishFlowMarks(cCharaBase& chara) {
  if (chara.m_bFlowDeletePending) {
    for (int32_t i = chara.m_Flows.VectorSize() - 1; i >= 0; --i) {
      if (chara.m_Flows.CheckedVectorAt(i).m_bDelete && g_lpCharaFlowCalls != nullptr) {
        g_lpCharaFlowCalls->DeleteFlowAt(chara, i);
      }
    }
    chara.m_bFlowDeletePending = 0;
  }
  if (chara.m_bFlagReleasePending) {
    for (int32_t flag = 0; flag < chara.m_FlowFlagRelease.VectorSize(); ++flag) {
      if (!chara.m_FlowFlagRelease.CheckedVectorAt(flag)) continue;
      chara.m_FlowFlagRelease.CheckedVectorAt(flag) = 0;
      if (flag < chara.m_FlowFlagBusy.VectorSize()) chara.m_FlowFlagBusy.CheckedVectorAt(flag) = 0;
    }
    chara.m_bFlagReleasePending = 0;
  }
}

void ChooseBaseAnimation(cCharaBase& chara) {
  if (chara.m_bAnimeChosen) {
    chara.m_Anime.ChangeSequence(chara.m_nAnimeChosen, 1);
  } else if (chara.m_dInertiaX == 0 && chara.m_dInertiaY == 0) {
    chara.m_Anime.ChangeSequence(chara.m_bFlying ? 2 : 0, 1);
  }
}
