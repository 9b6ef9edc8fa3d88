#include "stage/objects/flow_instance.h"

#include "stage/objects/state_visitor.h"

void cFlowInstance::VisitState(cStateVisitor& visitor) {
  visitor.Value("m_nIndex", m_nIndex);
  visitor.Value("m_nSerial", m_nSerial);
  visitor.Value("m_nKeyResult", m_nKeyResult);
  visitor.Value("m_bKeyHeld", m_bKeyHeld);
  visitor.List("m_CmdStates", m_CmdStates);
  visitor.Value("m_bRunning", m_bRunning);
  visitor.Value("m_bPaused", m_bPaused);
  visitor.Value("m_bStoppedForEver", m_bStoppedForEver);
  visitor.Value("m_bDelete", m_bDelete);
  visitor.Value("m_nElapsed", m_nElapsed);
  visitor.Value("m_nStartDir", m_nStartDir);
  visitor.Value("m_bTriggered", m_bTriggered);
  visitor.Value("m_bStartedThisFrame", m_bStartedThisFrame);
  visitor.Value("m_bCondMet", m_bCondMet);
  visitor.Value("m_bCutShort", m_bCutShort);
  visitor.Value("m_bMessageGoesOn", m_bMessageGoesOn);
}
