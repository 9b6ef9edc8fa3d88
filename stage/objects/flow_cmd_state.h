#pragma once
// cFlowCmdState: the run state of one command of a running flow. The movement
// commands keep their target offset, speed and velocity here; the aiming
// helpers of cGameObject write the velocity and the facing asked for.
//
//   cFlowCmdState state;
//   state.m_lpCmd = &command;      // its m_Move holds the movement settings
//   state.m_dSpeed = 2;            // dots per sub-step
//   chara.MoveToward(state, nullptr, 900, 400, 0, 1);   // m_dVX, m_dVY, m_nFaceTo
//
// A command lasts its count of calls: Reset (before its first call of a run)
// sets m_nRemain to m_nFrames, every Step calls the command's handler once and
// counts down, so a command of length 0 or less still gets exactly one call.
// A state belongs to one command, so handlers of different kinds may give the
// work values and counters different meanings.

#include <cstdint>

#include "core/containers/checked_vector.h"
#include "records/script/flow_cmd.h"

class cCharaBase;
class cStateVisitor;

// A point a handler remembers (homing targets).
struct FLOWPOINT {
  int32_t x = 0;
  int32_t y = 0;

  void VisitState(cStateVisitor& visitor);
};

class cFlowCmdState {
 public:
  cFlowCmd* m_lpCmd = nullptr;  // not owned: the command in the owner's m_Def (variable links write it)
  int32_t m_bDone = 0;                // finished in this run
  int32_t m_nFrames = 0;              // the command's length in calls (a jump: its hold length)
  int32_t m_nRemain = 0;              // calls left; 0: not started in this run
  uint8_t m_byDir = 0;                // the move settings' direction
  int32_t m_nTargetX = 0;             // target offset in dots
  int32_t m_nTargetY = 0;
  double m_dSpeed = 0;                // dots per call
  int32_t m_nAngle = 0;               // degrees added to a move's direction
  int32_t m_nWork1 = 0;               // handler work values (a jump: jumped,
  int32_t m_nWork2 = 0;               // sub-steps waited to take off)
  int32_t m_nWork3 = 0;
  cVector<FLOWPOINT> m_Points;        // remembered {x, y} points
  double m_dVX = 0;                   // velocity of the move
  double m_dVY = 0;
  int32_t m_nFaceTo = 0;              // 0 keep, 1 left, 2 right
  int32_t m_nCount = 0;               // repetitions of shots and summons
  int32_t m_bInit = 0;                // the handler's first call of the run is done
  int32_t m_nWork4 = 0;
  int32_t m_nCounter[4] = {};
  double m_dMaxSpeed = 0;             // the move's speed limit per call
  int32_t m_nLastFacing = 0;          // the chara's facing at the previous call
  int32_t m_nWork5 = 0;
  double m_dWork1 = 0;                // run state of the move handlers only
  double m_dWork2 = 0;

  // The command's movement settings; null when it has none.
  const cEdMove* Move() const { return m_lpCmd != nullptr ? m_lpCmd->m_Move.get() : nullptr; }

  // Ready for the command's first call of a run: its full length, the done
  // flag, the repetition count, the first-call flag and the four counters
  // cleared; then, unless the command is an アレンジ, the running flow's
  // queued variable links are applied to it and emptied.
  void Reset();
  // One call of the command's handler for the running flow's owner; 1 when
  // the command's calls are used up.
  int32_t Step();
  // Step for the owner the caller has already looked up (the flow pass, once
  // per pass instead of once per command); the stage play's command index
  // must name this state.
  int32_t StepFor(cCharaBase* lpOwner);
  // A move's speed from its distance and length (conversion mode 1) or its
  // length from distance and speed (mode 2), for the chara's clone index.
  void SetSpeedOrDuration(const cFlowCmd* lpCmd, int16_t cloneIndex);

  void VisitState(cStateVisitor& visitor);
};
