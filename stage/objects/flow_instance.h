#pragma once
// cFlowInstance: one running flow of a chara (cCharaBase::m_Flows, entry i
// runs flow i of the chara's definition). Only its data is declared here; the
// flow engine gives it its operations.

#include <cstdint>

#include "core/containers/checked_vector.h"
#include "stage/objects/flow_cmd_state.h"

class cStateVisitor;

class cFlowInstance {
 public:
  int32_t m_nIndex = 0;        // position in the chara's flow list
  int32_t m_nSerial = 0;       // from the chara's m_nFlowSerial
  int32_t m_nKeyResult = 0;    // key condition's result at the last test
  int32_t m_bKeyHeld = 0;
  cVector<cFlowCmdState> m_CmdStates;
  int32_t m_bRunning = 0;
  int32_t m_bPaused = 0;
  int32_t m_bStoppedForEver = 0;
  int32_t m_bDelete = 0;
  int32_t m_nElapsed = 0;      // sub-steps since it started
  int32_t m_nStartDir = 0;     // input direction when it started
  int32_t m_bTriggered = 0;    // attempted this frame
  int32_t m_bStartedThisFrame = 0;
  uint8_t m_bCondMet = 0;
  int32_t m_bCutShort = 0;     // a command stopped this pass
  int32_t m_bMessageGoesOn = 0;

  void VisitState(cStateVisitor& visitor);
};
