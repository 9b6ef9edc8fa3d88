// The state of a "円移動" command when its flow is set up. The circle keeps
// its settings in the move record's fields of the same shape: the radius in
// the distance pair (half blocks), the start angle in the angle pair, the
// end angle in the homing pair, the mirrors in the target mirrors; its
// speed/time byte says whether the length or the angular speed is given.

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "core/math/truncate.h"
#include "records/script/ed_move.h"
#include "records/script/direction_codes.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/flow_cmd_state.h"
#include "stage/script/flow_cmd_move.h"
#include "stage/script/script_math.h"

namespace circle_move_setup {

// Largest radius in half blocks.
constexpr int64_t kMaxRadius = 20;
// Speed/time byte 0: the length is given and the angular speed follows.
constexpr int8_t kCircleTimeGiven = 0;

int64_t PerClone(int64_t clone, int16_t perClone, int16_t base) { return perClone * clone + base; }

}  // namespace circle_move_setup

void InitCircleCommand(cCharaBase& chara, cFlowCmdState& state) {
  using namespace circle_move_setup;
  const cEdMove* move = state.Move();
  if (move == nullptr) return;
  const int64_t clone = chara.m_nIndex;
  const int64_t L = g_Stage.m_nSubSteps;
  // A chara first facing right draws the circle mirrored: half a turn on,
  // the other way round; the vertical mirror turns it round again.
  int64_t halfTurn = 0;
  if (chara.m_Def.m_nFacing == kFacingRight) {
    if (move->m_bMirrorTargetX != 0) {
      halfTurn = 180;
      state.m_byDir ^= 1;
    }
    if (move->m_bMirrorTargetY != 0) state.m_byDir ^= 1;
  }
  const int64_t radius =
      std::clamp<int64_t>(PerClone(clone, move->m_nDistancePerClone, move->m_nDistance), 0, kMaxRadius);
  state.m_nWork1 = SaturateToInt(radius * 16 * L);
  state.m_nWork2 = SaturateToInt((halfTurn + PerClone(clone, move->m_nAnglePerClone, move->m_nAngle)) * L);
  state.m_nWork3 = SaturateToInt((halfTurn + PerClone(clone, move->m_nHomingPerClone, move->m_nHoming)) * L);
  const double span = static_cast<double>(std::llabs(static_cast<int64_t>(state.m_nWork3) - state.m_nWork2));
  const double dL = g_Stage.m_dSubSteps;
  if (move->m_nSpeedMode == kCircleTimeGiven) {
    // A command of no length turns the whole way in its one call.
    state.m_dSpeed = state.m_nFrames != 0 ? span / state.m_nFrames / dL : span / dL;
  } else if (state.m_dSpeed != 0) {
    const int32_t frames = TruncToInt(span / state.m_dSpeed / dL);
    state.m_nFrames = frames == INT32_MIN ? INT32_MAX : std::abs(frames);
  }
}
