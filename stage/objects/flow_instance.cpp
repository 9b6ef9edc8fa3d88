#include "stage/objects/flow_instance.h"

#include "stage/objects/state_visitor.h"

void ANIMESTART::VisitState(cStateVisitor& visitor) {
  visitor.Value("nStart", nStart);
  visitor.Value("nStartAgain", nStartAgain);
  visitor.Value("nAnime", nAnime);
  visitor.Value("nSkip", nSkip);
  visitor.Value("nPlay", nPlay);
  visitor.Value("nCmdFrames", nCmdFrames);
  visitor.Value("bStretch", bStretch);
}

// The flow and key conditions are data of the chara's definition, which the
// digest walks; m_nIndex names the flow, the count the key conditions.
void cFlowInstance::VisitState(cStateVisitor& visitor) {
  visitor.Value("m_nIndex", m_nIndex);
  visitor.Value("m_nSerial", m_nSerial);
  visitor.Value("m_KeyConds", static_cast<int32_t>(m_KeyConds.size()));
  visitor.Value("m_bKeyHeld", m_bKeyHeld);
  visitor.Value("m_bKeyLatch", m_bKeyLatch);
  visitor.List("m_States", m_States);
  visitor.Value("m_bRunning", m_bRunning);
  visitor.Value("m_bPaused", m_bPaused);
  visitor.Value("m_bStoppedForever", m_bStoppedForever);
  visitor.Value("m_bDelete", m_bDelete);
  visitor.Value("m_nCurrent", m_nCurrent);
  visitor.Value("m_nPasses", m_nPasses);
  visitor.Value("m_nStartInputDir", m_nStartInputDir);
  visitor.Value("m_bTriggered", m_bTriggered);
  visitor.Value("m_bStartedThisFrame", m_bStartedThisFrame);
  visitor.Value("m_bMessageChain", m_bMessageChain);
  visitor.Value("m_bCutShort", m_bCutShort);
  visitor.Sequence("m_Links", static_cast<int64_t>(m_Links.size()), [&] {
    for (cVector<int32_t>& link : m_Links) visitor.List("", link);
  });
  visitor.Value("m_bCondMet", m_bCondMet);
  visitor.List("m_AnimeStarts", m_AnimeStarts);
}
