#include "stage/objects/flow_cmd_state.h"

#include "stage/objects/state_visitor.h"

// The command is data of the chara's definition, which the digest walks; the
// state shows only what it holds itself.
void cFlowCmdState::VisitState(cStateVisitor& visitor) {
  visitor.Value("m_bDone", m_bDone);
  visitor.Value("m_nFrames", m_nFrames);
  visitor.Value("m_nRemaining", m_nRemaining);
  visitor.Value("m_nTargetX", m_nTargetX);
  visitor.Value("m_nTargetY", m_nTargetY);
  visitor.Value("m_dSpeed", m_dSpeed);
  visitor.Value("m_dVX", m_dVX);
  visitor.Value("m_dVY", m_dVY);
  visitor.Value("m_nFaceTo", m_nFaceTo);
  visitor.Value("m_nWork1", m_nWork1);
  visitor.Value("m_nWork2", m_nWork2);
}
