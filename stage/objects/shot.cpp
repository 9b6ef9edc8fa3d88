#include "stage/objects/shot.h"

#include "stage/objects/state_visitor.h"

void SHOTBOX::VisitState(cStateVisitor& visitor) {
  visitor.Value("nOffsetX", nOffsetX);
  visitor.Value("nOffsetY", nOffsetY);
  visitor.Value("nWidth", nWidth);
  visitor.Value("nHeight", nHeight);
}

cShot::cShot() = default;

cShot::~cShot() = default;

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

// Until the shot runtime lands a shot flies straight by its trajectory
// velocity and never ends by itself.
int32_t cShot::Update() {
  m_dVX = m_dTrajVX;
  m_dVY = m_dTrajVY;
  return 0;
}

int32_t cShot::MoveX() {
  m_dX += m_dVX;
  m_dRight = m_dX + m_nWidth - 1;
  return 0;
}

int32_t cShot::MoveY() {
  m_dY += m_dVY;
  m_dBottom = m_dY + m_nHeight - 1;
  return 0;
}

int32_t cShot::HitsBlock() const { return 0; }
