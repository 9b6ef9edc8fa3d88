#pragma once
// The commanded velocity of the movement commands and the movement step that
// hands it to the chara.
//
// A movement handler never moves its chara itself: it writes the velocity it
// commands for this sub-step (m_dVX, m_dVY, dots per sub-step) and the facing
// it asks for (m_nFaceTo, an eFaceTo) into the command's run state, and
// ApplyMoveStep feeds them to the chara's velocity or inertia, its facing and
// its animation request. The chara's own motion, block collision and clamps
// then apply them in the play step.
//
//   CalcMoveAngle(chara, state, move);
//   DirectionVelocity(chara, state);           // "左上" at s: -s/√2 (and -s/√2 up when flying)
//   ApplyMoveStep(chara, state.m_dVX, state.m_dVY, state.m_nFaceTo, state, move, 0);
//
// The state's speed and maximum speed come prepared when the flow is set up
// (dots per sub-step); target offsets are dots; angles degrees.

#include <cstdint>

class cCharaBase;
class cEdMove;
class cFlowCmdState;

// The facing a move asks for (cFlowCmdState::m_nFaceTo).
enum eFaceTo : int32_t { kFaceKeep = 0, kFaceLeft = 1, kFaceRight = 2 };

// The state's angle: clone index x angle per clone + angle, mirrored to
// 360 - angle for a chara first facing right when the move says so, brought
// below 360 (a negative angle stays negative).
void CalcMoveAngle(const cCharaBase& chara, cFlowCmdState& state, const cEdMove& move);
// The state's target offset in dots from the blocks and dots of the move,
// negated per axis for a chara first facing right when the move says so.
void CalcMoveTargetOffset(const cCharaBase& chara, cFlowCmdState& state, const cEdMove& move);

// The absolute direction code (2, 3, 6 to 11; 0 for an "入力方向" with input
// "any" and the input argument set) of a stored direction for the chara's
// facing, or for lpFacingOf's when given (a warp from a target). "入力方向"
// reads the chara's player input now (bLiveInput) or the input the running
// flow remembered when it started; without bKeepDiagonals its diagonals
// become left or right.
int32_t ResolveMoveDirection(const cCharaBase& chara, int32_t direction, int32_t bLiveInput, int32_t inputArg,
                             int32_t bKeepDiagonals, const cCharaBase* lpFacingOf = nullptr);

// Velocity of the state's direction at the state's speed; only a flying chara
// gets a vertical part, and the diagonals are slowed by 1/√2 on each axis.
void DirectionVelocity(const cCharaBase& chara, cFlowCmdState& state);
// The same direction turned by the state's angle.
void AngleVelocity(const cCharaBase& chara, cFlowCmdState& state);
// Velocity towards the state's target offset, in the move's coordinates; with
// the stop switch the command's remaining calls become the calls the way
// takes.
void TargetVelocity(const cCharaBase& chara, cFlowCmdState& state, const cEdMove& move);
// The ground patroller's walk: forwards, back after a solid chara pushed it,
// a turn at either edge of the floor it stands on.
void GroundPatrolStep(cCharaBase& chara, cFlowCmdState& state);
// Aims at (x, y) of target on the axes the move leaves free.
void AimByAxisLocks(cCharaBase& chara, cFlowCmdState& state, const cEdMove& move, cCharaBase& target, double x,
                    double y);
// Velocity back onto the screen in the wished direction, riding the
// horizontal auto-scroll while it runs.
void AvoidOffscreenVelocity(const cCharaBase& chara, cFlowCmdState& state);

// The shared movement step: the facing (unless kept, and on a chara whose
// facing is fixed only with bForceTurn), the velocity or the inertia towards
// it, the animation the move asks for. Returns 0.
int32_t ApplyMoveStep(cCharaBase& chara, double vx, double vy, int32_t faceTo, cFlowCmdState& state,
                      const cEdMove& move, int32_t bForceTurn);
