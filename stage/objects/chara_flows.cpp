#include <cstdint>

#include "records/settings/system_data.h"
#include "stage/objects/chara.h"
#include "stage/objects/chara_flow_calls.h"
#include "stage/objects/chara_flow_pass.h"
#include "stage/objects/stage_play.h"

int32_t cChara::RunFlows(int32_t dying) {
  cStagePlay* play = g_lpSceneStagePlay;
  cFlowPassOwner owner(play, m_nId);

  const bool follows = !g_SystemData.m_bLegacy214 && m_bFollowScroll && play != nullptr;
  m_dVX = follows ? AutoScrollSpeedOf(play->m_ScrollX) : 0;
  if (m_bFlying) m_dVY = follows ? AutoScrollSpeedOf(play->m_ScrollY) : 0;

  ClearPassRequests(*this);
  if (m_nPostureFrames > 0) --m_nPostureFrames;

  if (g_lpCharaFlowCalls != nullptr) g_lpCharaFlowCalls->StartCommandAnimes(*this);
  if (RunFlowInstances(*this, play, dying, true)) return 1;
  owner.Release();

  FinishFlowMarks(*this);
  ChooseBaseAnimation(*this);
  return m_nHp <= 0 ? 1 : 0;
}
