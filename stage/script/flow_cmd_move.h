#pragma once
// The handlers of the flow commands that move or turn a chara (kinds 2 to
// 10 of g_FlowCmdTable). Each is called once per sub-step while its command
// runs, computes the velocity it commands in the run state and ends with
// the shared movement step (move_velocity.h); the chara's own motion then
// applies it.
//
//   state.Reset();                          // the command's first call follows
//   FlowCmd_LinearMove(&chara, &state);     // "直線移動": the velocity, kept for the command
//   FlowCmd_LinearMove(&chara, &state);
//
// The first call of a run works out what the command keeps (direction,
// target offset, angle, for the linear and charge moves the velocity) and
// sets m_bInit. Commands of kinds 2 to 7 without their move settings do
// nothing. The circle's radius and angles are prepared with the flow
// (InitCircleCommand).
//
// Work values of the run state: the circle's radius (m_nWork1), start and
// end angles (m_nWork2, m_nWork3) and the two angle accumulators (m_dWork1
// for x, m_dWork2 for y), all with L folded in; the homing period
// (m_nWork1) and the points it aims at late (m_Points).

#include <cstdint>

class cCharaBase;
class cFlowCmdState;

int32_t FlowCmd_LinearMove(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_GroundPatrol(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_CircleMove(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_ChargeMove(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_HomingMove(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_AvoidOffscreenMove(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_DisableMove(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_ChangeDirection(cCharaBase* lpChara, cFlowCmdState* lpState);
int32_t FlowCmd_Jump(cCharaBase* lpChara, cFlowCmdState* lpState);

// The circle's state when its flow is set up: radius, start and end angle
// (mirrored for a chara first facing right), turn direction, and either the
// angular speed from the command's length or the length from its speed.
void InitCircleCommand(cCharaBase& chara, cFlowCmdState& state);
