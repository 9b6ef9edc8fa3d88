#include "stage/objects/shot.h"

#include <algorithm>
#include <cstdint>

#include "records/stage/stage_globals.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/shot_link.h"
#include "stage/objects/stage_play.h"
#include "stage/objects/state_visitor.h"

void SHOTBOX::VisitState(cStateVisitor& visitor) {
  visitor.Value("nOffsetX", nOffsetX);
  visitor.Value("nOffsetY", nOffsetY);
  visitor.Value("nWidth", nWidth);
  visitor.Value("nHeight", nHeight);
}

// m_Settings starts as new shot settings (its own constructor).
cShot::cShot() = default;

cShot::~cShot() { ReleaseLinks(); }

namespace shot_links {

void RemovePair(int32_t charaId, const SHOTLINK& pair) {
  cCharaBase* chara = FindCharaById(charaId);
  if (chara != nullptr) std::erase(chara->m_ShotLinks, pair);
}

}  // namespace shot_links

void cShot::ReleaseLinks() {
  const bool listed = g_lpSceneStagePlay != nullptr && g_lpSceneStagePlay->FindShotById(m_nId) == this;
  if (listed && m_lpTarget != kNoLink) shot_links::RemovePair(m_lpTarget, {m_nId, kShotLinkHoming});
  if (listed && m_lpShooter != kNoLink) shot_links::RemovePair(m_lpShooter, {m_nId, kShotLinkOwner});
  m_lpTarget = kNoLink;
  m_lpShooter = kNoLink;
}

double cShot::CloneSpeedPerPass() const {
  return (m_Settings.m_nSpeed + m_Settings.m_nSpeedPerClone * m_nIndex) * 0.1 / g_Stage.m_dSubSteps;
}

int32_t PassesOfTenths(int64_t tenths) {
  const int64_t passes = tenths * g_Stage.m_nSubSteps * 6;
  return static_cast<int32_t>(std::clamp<int64_t>(passes, INT32_MIN, INT32_MAX));
}

void cShot::VisitState(cStateVisitor& visitor) {
  cGameObject::VisitState(visitor);
  visitor.Value("m_nOwnerId", m_nOwnerId);
  visitor.Value("m_bShot", m_bShot);
  visitor.Value("m_nRangeLeft", m_nRangeLeft);
  visitor.Value("m_nLifeLeft", m_nLifeLeft);
  visitor.Value("m_nTrajPasses", m_nTrajPasses);
  visitor.Value("m_nSwordStep", m_nSwordStep);
  visitor.Value("m_dAccel", m_dAccel);
  visitor.Value("m_dTrajSpeed", m_dTrajSpeed);
  visitor.Value("m_dTrajVX", m_dTrajVX);
  visitor.Value("m_dTrajVY", m_dTrajVY);
  visitor.Value("m_bAccel", m_bAccel);
  visitor.Value("m_nTrajStart", m_nTrajStart);
  visitor.Value("m_nTrajEnd", m_nTrajEnd);
  visitor.Value("m_bTrajDone", m_bTrajDone);
  visitor.Value("m_dWavePhase", m_dWavePhase);
  visitor.Value("m_dWaveSpare", m_dWaveSpare);
  visitor.Value("m_dWaveSin", m_dWaveSin);
  visitor.Value("m_dWaveCos", m_dWaveCos);
  visitor.Value("m_dAtkLeft", m_dAtkLeft);
  visitor.Value("m_dAtkTop", m_dAtkTop);
  visitor.Value("m_dAtkRight", m_dAtkRight);
  visitor.Value("m_dAtkBottom", m_dAtkBottom);
  visitor.Object("m_rcAtk", m_rcAtk);
  visitor.Object("m_rcAtkBase", m_rcAtkBase);
  visitor.List("m_HitList", m_HitList);
  visitor.Record("m_Settings", m_Settings);
  visitor.Value("m_lpTarget", m_lpTarget);
  visitor.Value("m_lpShooter", m_lpShooter);
  visitor.Value("m_bVanishPending", m_bVanishPending);
  visitor.Value("m_bHitTrigger", m_bHitTrigger);
  visitor.Value("m_byHitFlowId", m_byHitFlowId);
  visitor.Value("m_nWaveAmplitude", m_nWaveAmplitude);
}

