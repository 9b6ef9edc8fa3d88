// Moves given by a direction: the angle of the move, the resolution of the
// relative direction codes and the velocity of a direction with or without
// an angle.

#include <cmath>
#include <cstdint>

#include "core/input/input_state.h"
#include "records/script/ed_move.h"
#include "records/script/shot_direction.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/flow_cmd_state.h"
#include "stage/objects/stage_play.h"
#include "stage/objects/wave.h"
#include "stage/script/flow_handover.h"
#include "stage/script/key_conditions.h"
#include "stage/script/move_direction_steps.h"
#include "stage/script/move_velocity.h"

namespace move_direction {

// Degrees to radians as the angled moves have always turned them (not the
// nearest double to pi / 180); replays depend on the last bit.
constexpr double kRadiansPerDegree = 0.017453292519943278;

// The input a player chara reads: its player byte's, input 0 for the others
// and for a byte past the list.
const cInput* PlayerInput(const cCharaBase& chara) {
  if (g_InputList.empty()) return nullptr;
  const int32_t player = chara.m_nControl == 0 ? chara.m_Def.m_nPlayerNo : 0;
  return &g_InputList.CheckedVectorAt(player >= 0 && player < g_InputList.VectorSize() ? player : 0);
}

int32_t RememberedInput() {
  const cStagePlay* play = g_lpSceneStagePlay;
  const cFlowInstance* flow = play != nullptr ? RunningFlow(*play) : nullptr;
  return flow != nullptr ? flow->m_nStartInputDir : 0;
}

// The facing a direction asks for, written only for a chara free to turn.
void SetFaceTo(const cCharaBase& chara, cFlowCmdState& state, const MOVEDIRSTEP& step) {
  if (chara.m_Def.m_bFixedFacing == 0) state.m_nFaceTo = step.nFaceTo;
}

}  // namespace move_direction

void CalcMoveAngle(const cCharaBase& chara, cFlowCmdState& state, const cEdMove& move) {
  int32_t angle = chara.m_nIndex * move.m_nAnglePerClone + move.m_nAngle;
  if (move.m_bMirrorAngle != 0 && chara.m_Def.m_nFacing == kFacingRight) angle = 360 - angle;
  if (angle >= 360) angle %= 360;
  state.m_nAngle = angle;
}

int32_t ResolveMoveDirection(const cCharaBase& chara, int32_t direction, int32_t bLiveInput, int32_t inputArg,
                             int32_t bKeepDiagonals, const cCharaBase* lpFacingOf) {
  using namespace move_direction;
  const int32_t facing = (lpFacingOf != nullptr ? *lpFacingOf : chara).m_nFacing;
  if (direction != kDirInput) return ResolveDirectionCode(direction, facing, 0, inputArg);
  const int32_t input = bLiveInput != 0 ? FirstPressedDirection(PlayerInput(chara)) : RememberedInput();
  const cReplayPlayback playback = g_lpSceneStagePlay != nullptr ? g_lpSceneStagePlay->m_Replay : cReplayPlayback{};
  const int32_t code = ResolveDirectionCode(direction, facing, input, inputArg, playback);
  if (bKeepDiagonals != 0) return code;
  if (code == kDirUpLeft || code == kDirDownLeft) return kDirLeft;
  if (code == kDirUpRight || code == kDirDownRight) return kDirRight;
  return code;
}

void DirectionVelocity(const cCharaBase& chara, cFlowCmdState& state) {
  state.m_dVX = 0;
  state.m_dVY = 0;
  state.m_nFaceTo = kFaceKeep;
  const bool bFlying = chara.m_bFlying != 0;
  const MOVEDIRSTEP* step = FindMoveDirStep(ResolveMoveDirection(chara, state.m_byDir, 0, 1, bFlying ? 1 : 0));
  if (step == nullptr) return;
  const double s = step->IsDiagonal() ? state.m_dSpeed * g_dInvSqrt2 : state.m_dSpeed;
  state.m_dVX = step->nX * s;
  if (bFlying) state.m_dVY = step->nY * s;
  move_direction::SetFaceTo(chara, state, *step);
}

void AngleVelocity(const cCharaBase& chara, cFlowCmdState& state) {
  state.m_nFaceTo = kFaceKeep;
  const bool bFlying = chara.m_bFlying != 0;
  const MOVEDIRSTEP* step = FindMoveDirStep(ResolveMoveDirection(chara, state.m_byDir, 0, 1, bFlying ? 1 : 0));
  const int32_t base = step != nullptr ? step->nBaseAngle : 0;
  const double theta = (static_cast<int16_t>(state.m_nAngle) + base) * move_direction::kRadiansPerDegree;
  state.m_dVX = -std::cos(theta) * state.m_dSpeed;
  state.m_dVY = bFlying ? -std::sin(theta) * state.m_dSpeed : 0;
  if (step != nullptr) move_direction::SetFaceTo(chara, state, *step);
}
