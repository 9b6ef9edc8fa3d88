#pragma once
// cFlowCmdState: the run state of one command of a running flow. The movement
// commands keep their target offset, speed and velocity here; the aiming
// helpers of cGameObject write the velocity and the facing asked for.
//
//   cFlowCmdState state;
//   state.m_lpCmd = &command;      // its m_Move holds the movement settings
//   state.m_dSpeed = 2;            // dots per sub-step
//   chara.MoveToward(state, nullptr, 900, 400, 0, 1);   // m_dVX, m_dVY, m_nFaceTo

#include <cstdint>

#include "records/script/flow_cmd.h"

class cStateVisitor;

class cFlowCmdState {
 public:
  const cFlowCmd* m_lpCmd = nullptr;  // not owned
  int32_t m_bDone = 0;
  int32_t m_nFrames = 0;              // the command's length in sub-steps (a jump: its hold length)
  int32_t m_nRemaining = 0;           // calls left; 0 ends the command
  int32_t m_nTargetX = 0;             // target offset in dots
  int32_t m_nTargetY = 0;
  double m_dSpeed = 0;                // dots per pass
  double m_dVX = 0;                   // velocity of the move
  double m_dVY = 0;
  int32_t m_nFaceTo = 0;              // 0 keep, 1 left, 2 right
  int32_t m_nWork1 = 0;               // per-command work values (a jump: jumped,
  int32_t m_nWork2 = 0;               // sub-steps waited to take off)

  // The command's movement settings; null when it has none.
  const cEdMove* Move() const { return m_lpCmd != nullptr ? m_lpCmd->m_Move.get() : nullptr; }

  void VisitState(cStateVisitor& visitor);
};
