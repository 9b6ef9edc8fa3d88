#include "stage/objects/flow_cmd_state.h"

#include "stage/objects/state_visitor.h"

void FLOWPOINT::VisitState(cStateVisitor& visitor) {
  visitor.Value("x", x);
  visitor.Value("y", y);
}

// The command is data of the chara's definition, which the digest walks; the
// state shows only what it holds itself.
void cFlowCmdState::VisitState(cStateVisitor& visitor) {
  visitor.Value("m_bDone", m_bDone);
  visitor.Value("m_nFrames", m_nFrames);
  visitor.Value("m_nRemain", m_nRemain);
  visitor.Value("m_byDir", m_byDir);
  visitor.Value("m_nTargetX", m_nTargetX);
  visitor.Value("m_nTargetY", m_nTargetY);
  visitor.Value("m_dSpeed", m_dSpeed);
  visitor.Value("m_nAngle", m_nAngle);
  visitor.Value("m_nWork1", m_nWork1);
  visitor.Value("m_nWork2", m_nWork2);
  visitor.Value("m_nWork3", m_nWork3);
  visitor.List("m_Points", m_Points);
  visitor.Value("m_dVX", m_dVX);
  visitor.Value("m_dVY", m_dVY);
  visitor.Value("m_nFaceTo", m_nFaceTo);
  visitor.Value("m_nCount", m_nCount);
  visitor.Value("m_bInit", m_bInit);
  visitor.Value("m_nWork4", m_nWork4);
  visitor.List("m_nCounter", m_nCounter);
  visitor.Value("m_dMaxSpeed", m_dMaxSpeed);
  visitor.Value("m_nLastFacing", m_nLastFacing);
  visitor.Value("m_nWork5", m_nWork5);
  visitor.Value("m_dWork1", m_dWork1);
  visitor.Value("m_dWork2", m_dWork2);
}
