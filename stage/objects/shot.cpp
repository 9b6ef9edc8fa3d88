#include "stage/objects/shot.h"

#include "stage/objects/state_visitor.h"

void cShot::VisitState(cStateVisitor& visitor) {
  cGameObject::VisitState(visitor);
  visitor.Value("m_nOwnerId", m_nOwnerId);
  visitor.Value("m_nHomingId", m_nHomingId);
  visitor.Value("m_bOwnSpeed", m_bOwnSpeed);
  visitor.Value("m_nImpact", m_nImpact);
  visitor.Value("m_nPower", m_nPower);
  visitor.Value("m_nHitEffect", m_nHitEffect);
  visitor.Value("m_nScale", m_nScale);
  visitor.Group("m_HitBox", [&] {
    visitor.Value("left", m_HitBox.left);
    visitor.Value("top", m_HitBox.top);
    visitor.Value("right", m_HitBox.right);
    visitor.Value("bottom", m_HitBox.bottom);
  });
  visitor.Value("m_bOwnerTrigger", m_bOwnerTrigger);
  visitor.Value("m_nFlowId", m_nFlowId);
  visitor.Value("m_bProjectile", m_bProjectile);
  visitor.Value("m_nLayer", m_nLayer);
}

// The shot runtime completes these (trajectories, life, block tests); until
// it does a shot flies straight by its speed and never ends by itself.
int32_t cShot::Update() { return 0; }

void cShot::MoveX() {
  m_dX += m_dVX;
  m_dRight = m_dX + m_nWidth - 1;
}

void cShot::MoveY() {
  m_dY += m_dVY;
  m_dBottom = m_dY + m_nHeight - 1;
}

int32_t cShot::HitsBlock() const { return 0; }
