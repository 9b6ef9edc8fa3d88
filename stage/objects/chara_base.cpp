#include "stage/objects/chara_base.h"

void cCharaBase::VisitState(cStateVisitor& visitor) {
  cGameObject::VisitState(visitor);
  visitor.List("m_TargetedBy", m_TargetedBy);
  visitor.Record("m_Def", m_Def);
  visitor.Value("m_bDead", m_bDead);
  visitor.List("m_Vars", m_Vars);
}
