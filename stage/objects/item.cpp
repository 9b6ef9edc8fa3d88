#include "stage/objects/item.h"

#include "stage/objects/state_visitor.h"

void cItem::VisitState(cStateVisitor& visitor) {
  cGameObject::VisitState(visitor);
  visitor.Value("m_bCarried", m_bCarried);
}
