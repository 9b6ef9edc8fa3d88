// The ground patroller's walk: forwards at the command's speed, turned back
// by a solid chara that pushed it, turned at either edge of its floor.

#include <cmath>
#include <cstdint>

#include "core/math/truncate.h"
#include "records/settings/system_data.h"
#include "stage/grid/block_grid.h"
#include "stage/grid/block_probes.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/flow_cmd_state.h"
#include "stage/objects/stage_play.h"
#include "stage/script/move_velocity.h"

namespace move_ground_patrol {

// How far below the body the floor is looked for, in dots.
constexpr double kFloorProbe = 1.1;

bool IsSolidCell(int32_t column, int32_t row, int32_t key) {
  return CellHitClass(g_BlockGrid, column, row, static_cast<int8_t>(key)) != 0;
}

// Back the way the pushing chara came, carried along by how far it moved
// since the chara last followed it (twice that when it moved against the
// patroller's facing).
void TurnFromSolidPush(cCharaBase& chara, cFlowCmdState& state) {
  state.m_nFaceTo = chara.m_nFacing == 0 ? kFaceRight : kFaceLeft;
  state.m_dVX = -state.m_dVX;
  if (const cCharaBase* pusher = FindCharaById(chara.m_nRiddenId)) {
    const double d = pusher->m_dX - chara.m_RiddenPos.left;
    const bool bAgainst = (chara.m_nFacing == 1 && d < 0) || (chara.m_nFacing == 0 && d > 0);
    state.m_dVX += bAgainst ? 2 * d : d;
  }
  chara.m_bSolidPushed = 0;
}

// A negative speed walks backwards, so the turn that keeps it on the floor
// faces the other way; the old rule turned as for a positive speed.
int32_t EdgeTurn(const cFlowCmdState& state, int32_t faceAway) {
  const int32_t other = faceAway == kFaceLeft ? kFaceRight : kFaceLeft;
  return state.m_dSpeed < 0 && g_SystemData.m_bLegacy805 == 0 ? other : faceAway;
}

}  // namespace move_ground_patrol

void GroundPatrolStep(cCharaBase& chara, cFlowCmdState& state) {
  using namespace move_ground_patrol;
  state.m_dVX = chara.FacingSign() * state.m_dSpeed;
  state.m_dVY = 0;
  state.m_nFaceTo = kFaceKeep;
  if (chara.m_bSolidPushed != 0) {
    TurnFromSolidPush(chara, state);
    return;
  }
  int32_t row = TruncToInt(std::floor(chara.m_dBottom + kFloorProbe)) >> 5;
  if (row > g_BlockGrid.m_nRows - 1) row = g_BlockGrid.m_nRows - 1;
  const bool bLeft = IsSolidCell(chara.m_nCellLeft, row, chara.m_nBlockKey);
  const bool bRight = IsSolidCell(chara.m_nCellRight, row, chara.m_nBlockKey);
  if (bLeft && !bRight) state.m_nFaceTo = EdgeTurn(state, kFaceLeft);
  if (!bLeft && bRight) state.m_nFaceTo = EdgeTurn(state, kFaceRight);
}
