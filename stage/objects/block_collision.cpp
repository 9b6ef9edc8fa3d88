// A chara against the block grid: the four side tests and the passes that
// order them by the direction of motion.

#include "core/math/truncate.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/grid/block_grid.h"
#include "stage/grid/block_probes.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/stage_play.h"

namespace block_collision {

constexpr int32_t kKilledByBlocks = 2;

bool PassesBlocks(const cCharaBase& obj) { return obj.m_bFlying != 0 && obj.m_nFlyBlockMode == 0; }
bool DiesOnBlocks(const cCharaBase& obj) { return obj.m_bFlying != 0 && obj.m_nFlyBlockMode == 2; }
bool IsPlayer(const cCharaBase& obj) { return obj.m_nControl != 1; }
// Landing never happens while moving up, unless the old rule lets it.
bool MayLand(const cCharaBase& obj) {
  return g_SystemData.m_bLegacy677 != 0 || obj.m_bFlying != 0 || obj.m_dVY >= 0;
}
int8_t Key(const cCharaBase& obj) { return static_cast<int8_t>(obj.m_nBlockKey); }

[[gnu::always_inline]] inline cProbeBody BodyOf(const cCharaBase& obj) {
  return cProbeBody{Key(obj), obj.m_Def.m_nGiant, obj.m_nWidthBase, obj.m_nHeightBase};
}

[[gnu::always_inline]] inline cProbeArea AreaOf(const cStagePlay& play) {
  return ProbeAreaOf(g_BlockGrid, play.m_ScrollX.m_nProbeBound, play.m_ScrollY.m_nProbeBound);
}

int32_t FloorCellFor(const cStagePlay& play, cCharaBase& obj, int32_t probed) {
  if (!IsPlayer(obj)) return probed;
  return PickFloorCell(g_BlockGrid, AreaOf(play), Key(obj), obj.m_Def.m_nGiant, obj.m_nWidth, obj.m_dX,
                       obj.m_dRight, obj.m_dBottom);
}

// The cell of a vertical or horizontal edge and its class for obj.
using cEdgeHit = cEdgeCell;

// Inline in every side test, where the shape of the edge is plain to see.
[[gnu::always_inline]] inline cEdgeHit ProbeSide(const cStagePlay& play, cCharaBase& obj, int32_t x1, int32_t y1,
                                                 int32_t x2, int32_t y2) {
  return ProbeEdge(g_BlockGrid, AreaOf(play), BodyOf(obj), x1, y1, x2, y2);
}

// The left or right edge at x. A scale-1 edge takes its second point from
// the height, not from the bottom, so the bottom is converted only for the
// other scales.
[[gnu::always_inline]] inline cEdgeHit ProbeUpright(const cStagePlay& play, cCharaBase& obj, int32_t x) {
  const int32_t top = TruncToInt(obj.m_dY);
  const int32_t bottom = obj.m_Def.m_nGiant == 1 ? top : TruncToInt(obj.m_dBottom);
  return ProbeSide(play, obj, x, top, x, bottom);
}

[[gnu::always_inline]] inline cEdgeHit ProbeBottom(const cStagePlay& play, cCharaBase& obj) {
  const int32_t bottom = TruncToInt(obj.m_dBottom);
  return ProbeSide(play, obj, TruncToInt(obj.m_dX), bottom, TruncToInt(obj.m_dRight), bottom);
}

[[gnu::always_inline]] inline cEdgeHit ProbeTop(const cStagePlay& play, cCharaBase& obj) {
  const int32_t top = TruncToInt(obj.m_dY);
  return ProbeSide(play, obj, TruncToInt(obj.m_dX), top, TruncToInt(obj.m_dRight), top);
}

// Class 1, or 2 for an ordinary chara, stops obj at the ceiling.
int32_t MeetCeiling(cCharaBase& obj, int8_t hit) {
  if (hit == kBlockDeadly && IsPlayer(obj)) return kKilledByBlocks;
  if (hit != kBlockSolid && hit != kBlockDeadly) return 0;
  if (DiesOnBlocks(obj)) return kKilledByBlocks;
  obj.HitCeiling();
  return 0;
}

// Two side tests in order; a kill by the first ends the pass.
template <typename First, typename Second>
int32_t InOrder(First first, Second second) {
  const int32_t result = first();
  if (result == kKilledByBlocks) return result;
  return second();
}

}  // namespace block_collision

using namespace block_collision;

int32_t cStagePlay::CollideBlockLeft(cCharaBase& obj) {
  if (PassesBlocks(obj)) return 0;
  const int32_t x = TruncToInt(obj.m_dX);
  const int8_t hit = ProbeUpright(*this, obj, x).nClass;
  if (hit == kBlockDeadly && IsPlayer(obj)) return kKilledByBlocks;
  if (hit != kBlockSolid && hit != kBlockDeadly) return 0;
  if (DiesOnBlocks(obj)) return kKilledByBlocks;
  obj.m_bContactLeft = 1;
  obj.m_dInertiaX = 0;
  obj.m_dX += 32 - (x & 31);
  obj.ClampX();
  obj.m_nWallSide = 0;
  for (int32_t trigger : {9, 10, 11}) obj.FireTrigger(trigger);
  return 0;
}

int32_t cStagePlay::CollideBlockRight(cCharaBase& obj) {
  if (PassesBlocks(obj)) return 0;
  const int32_t x = TruncToInt(obj.m_dRight);
  const int8_t hit = ProbeUpright(*this, obj, x).nClass;
  if (hit == kBlockDeadly && IsPlayer(obj)) return kKilledByBlocks;
  if (hit != kBlockSolid && hit != kBlockDeadly) return 0;
  if (DiesOnBlocks(obj)) return kKilledByBlocks;
  obj.m_bContactRight = 1;
  obj.m_dInertiaX = 0;
  obj.m_dX -= (x & 31) + 1;
  obj.ClampX();
  obj.m_nWallSide = 1;
  for (int32_t trigger : {9, 10, 12}) obj.FireTrigger(trigger);
  return 0;
}

int32_t cStagePlay::CollideBlockUp(cCharaBase& obj) {
  if (PassesBlocks(obj)) return 0;
  return MeetCeiling(obj, ProbeTop(*this, obj).nClass);
}

int32_t cStagePlay::CollideBlockDown(cCharaBase& obj) {
  if (PassesBlocks(obj)) return 0;
  const cEdgeHit floor = ProbeBottom(*this, obj);
  obj.m_nFloorBlock = floor.nCell;
  if (floor.nClass == kBlockSolid) {
    if (DiesOnBlocks(obj)) return kKilledByBlocks;
    if (!MayLand(obj)) return 0;
    if (IsPlayer(obj)) obj.m_nFloorBlock = FloorCellFor(*this, obj, floor.nCell);
    obj.m_nLastFloorBlock = obj.m_nFloorBlock;
    obj.LandOnBlock();
    return 0;
  }
  if (floor.nClass == kBlockDeadly) {
    obj.m_nLastFloorBlock = floor.nCell;
    if (IsPlayer(obj) || DiesOnBlocks(obj)) return kKilledByBlocks;
    if (MayLand(obj)) obj.LandOnBlock();
    return 0;
  }
  obj.m_nFloorBlock = kNoLink;
  ++obj.m_nNoFloorSteps;
  if (obj.m_nNoFloorSteps >= g_Stage.m_nFallSteps && !(IsPlayer(obj) && obj.m_bRiding != 0)) {
    obj.m_bInAir = 1;
  }
  return 0;
}

int32_t cStagePlay::CollideBlocksX(cCharaBase& obj) {
  if (PassesBlocks(obj)) return 0;
  auto left = [&] { return CollideBlockLeft(obj); };
  auto right = [&] { return CollideBlockRight(obj); };
  if (obj.m_bFlying != 0 && obj.m_nFlyBlockMode == 1) return InOrder(right, left);
  return obj.m_dVX > 0 ? InOrder(right, left) : InOrder(left, right);
}

int32_t cStagePlay::RecheckBlocksX(cCharaBase& obj) {
  if (PassesBlocks(obj)) return 0;
  return InOrder([&] { return CollideBlockRight(obj); }, [&] { return CollideBlockLeft(obj); });
}

int32_t cStagePlay::CollideBlocksY(cCharaBase& obj) {
  if (PassesBlocks(obj)) return 0;
  obj.m_nFloorBlock = kNoLink;
  auto down = [&] { return CollideBlockDown(obj); };
  auto up = [&] { return CollideBlockUp(obj); };
  if (obj.m_bFlying != 0 && obj.m_nFlyBlockMode == 1) return InOrder(down, up);
  return obj.m_dVY > 0 ? InOrder(down, up) : InOrder(up, down);
}

int32_t cStagePlay::RecheckBlocksY(cCharaBase& obj) {
  if (PassesBlocks(obj)) return 0;
  const cEdgeHit floor = ProbeBottom(*this, obj);
  if (floor.nClass == kBlockSolid || floor.nClass == kBlockDeadly) {
    if (floor.nClass == kBlockDeadly) {
      obj.m_nFloorBlock = obj.m_nLastFloorBlock = FloorCellFor(*this, obj, floor.nCell);
      if (IsPlayer(obj)) return kKilledByBlocks;
    }
    if (DiesOnBlocks(obj)) return kKilledByBlocks;
    if (!MayLand(obj)) return 0;
    if (floor.nClass == kBlockSolid) {
      obj.m_nFloorBlock = obj.m_nLastFloorBlock = FloorCellFor(*this, obj, floor.nCell);
    }
    obj.LandOnBlock();
  }
  return MeetCeiling(obj, ProbeTop(*this, obj).nClass);
}
