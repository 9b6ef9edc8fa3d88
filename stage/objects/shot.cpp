#include "stage/objects/shot.h"

#include "stage/objects/state_visitor.h"

void cShot::VisitState(cStateVisitor& visitor) {
  cGameObject::VisitState(visitor);
  visitor.Value("m_nOwnerId", m_nOwnerId);
  visitor.Value("m_nHomingId", m_nHomingId);
  visitor.Value("m_bOwnSpeed", m_bOwnSpeed);
  visitor.Value("m_nImpact", m_nImpact);
}
