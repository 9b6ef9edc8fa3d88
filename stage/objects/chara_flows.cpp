#include <cstdint>

#include "records/settings/system_data.h"
#include "stage/objects/chara.h"
#include "stage/objects/chara_flow_calls.h"
#include "stage/objects/stage_play.h"

namespace chara_flows {

constexpr int32_t kDeathTrigger = 3;

// Clears the scene's view of the running flow on every way out of a pass: the
// play step may erase this chara right after.
class cFlowOwnerScope {
 public:
  cFlowOwnerScope(cStagePlay* lpPlay, int32_t ownerId) : m_lpPlay(lpPlay) {
    if (m_lpPlay == nullptr) return;
    m_lpPlay->m_nFlowOwnerId = ownerId;
    m_lpPlay->m_bKill = 0;
  }
  ~cFlowOwnerScope() { Release(); }
  cFlowOwnerScope(const cFlowOwnerScope&) = delete;
  cFlowOwnerScope& operator=(const cFlowOwnerScope&) = delete;

  void Release() {
    if (m_lpPlay == nullptr) return;
    m_lpPlay->m_nFlowOwnerId = kNoLink;
    m_lpPlay->m_nFlowIndex = kNoLink;
    m_lpPlay->m_nFlowCmdIndex = kNoLink;
  }

 private:
  cStagePlay* m_lpPlay;
};

// Auto-scroll speed of an axis, 0 while it is clamped.
double ScrollSpeed(const cScroll& axis) { return axis.m_bClamped ? 0 : axis.m_dAutoSpeed; }

}  // namespace chara_flows

int32_t cChara::RunFlows(int32_t dying) {
  cStagePlay* play = g_lpSceneStagePlay;
  chara_flows::cFlowOwnerScope owner(play, m_nId);

  const bool follows = !g_SystemData.m_bLegacy214 && m_bFollowScroll && play != nullptr;
  m_dVX = follows ? chara_flows::ScrollSpeed(play->m_ScrollX) : 0;
  if (m_bFlying) m_dVY = follows ? chara_flows::ScrollSpeed(play->m_ScrollY) : 0;

  m_bMoveDisabled = 0;
  m_bFrictionX = m_bFrictionY = 1;
  m_bTransparentNow = 0;
  m_bAnimeChosen = m_nAnimeChosen = m_nAnimePriority = 0;
  if (m_nPostureFrames > 0) --m_nPostureFrames;

  if (g_lpCharaFlowCalls != nullptr) g_lpCharaFlowCalls->StartCommandAnimes(*this);

  for (int32_t i = 0; i < m_Flows.VectorSize(); ++i) {
    const cFlowInstance& flow = m_Flows.CheckedVectorAt(i);
    if (!flow.m_bRunning) continue;
    // One state per command: the instance answers without reading the
    // definition, which the pass only needs for a dying or defeated chara.
    if (flow.m_States.empty()) {
      if (g_lpCharaFlowCalls != nullptr) g_lpCharaFlowCalls->StopFlow(*this, i);
      continue;
    }
    auto deathFlow = [&] { return m_Def.m_Flows.CheckedVectorAt(i).m_nTrigger == chara_flows::kDeathTrigger; };
    if (flow.m_bPaused || flow.m_bStoppedForever || (dying && !deathFlow())) continue;
    if (play != nullptr) play->m_nFlowIndex = i;
    if (g_lpCharaFlowCalls != nullptr && g_lpCharaFlowCalls->RunFrame(*this, i)) {
      g_lpCharaFlowCalls->StopFlow(*this, i);
    }
    if (m_bVanish || (!dying && m_nHp <= 0 && !deathFlow())) return 1;
  }
  owner.Release();

  if (m_bFlowDeletePending) {
    for (int32_t i = m_Flows.VectorSize() - 1; i >= 0; --i) {
      if (m_Flows.CheckedVectorAt(i).m_bDelete && g_lpCharaFlowCalls != nullptr) {
        g_lpCharaFlowCalls->DeleteFlowAt(*this, i);
      }
    }
    m_bFlowDeletePending = 0;
  }
  if (m_bFlagReleasePending) {
    for (int32_t flag = 0; flag < m_FlowFlagRelease.VectorSize(); ++flag) {
      if (!m_FlowFlagRelease.CheckedVectorAt(flag)) continue;
      m_FlowFlagRelease.CheckedVectorAt(flag) = 0;
      if (flag < m_FlowFlagBusy.VectorSize()) m_FlowFlagBusy.CheckedVectorAt(flag) = 0;
    }
    m_bFlagReleasePending = 0;
  }

  if (m_bAnimeChosen) {
    m_Anime.ChangeSequence(m_nAnimeChosen, 1);
  } else if (m_dInertiaX == 0 && m_dInertiaY == 0) {
    m_Anime.ChangeSequence(m_bFlying ? 2 : 0, 1);
  }
  return m_nHp <= 0 ? 1 : 0;
}
