// What the floor block under the hero does to it (spring, no jump, speed
// change, conveyors), and the nudge that lands an object again once an
// effect or a block item let go of it.

#include "core/math/truncate.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/grid/block_grid.h"
#include "stage/grid/block_probes.h"
#include "stage/objects/hero.h"
#include "stage/objects/stage_play.h"
#include "stage/services/stage_services.h"

namespace floor_effects {

constexpr int32_t kSpringSound = 10;
constexpr int32_t kSnapProbeDots = 4;  // the row this far below the bottom edge

int8_t Key(const cCharaBase& obj) { return static_cast<int8_t>(obj.m_nBlockKey); }

// The block under obj while it still stands on it for its group; null else.
cBlock* ActiveFloorBlock(cCharaBase& obj) {
  if (CellIndexHitClass(g_BlockGrid, obj.m_nFloorBlock, Key(obj)) == 0) return nullptr;
  return &g_BlockGrid.CheckedVectorAt(obj.m_nFloorBlock);
}

// The spring; the block's item comes with the launch.
int32_t Spring(cStagePlay& play, cHero& hero, const cBlock& block) {
  play.Services().PlaySE(kSpringSound);
  hero.m_dVY = hero.JumpSpeedHbl(static_cast<int8_t>(block.m_nFloorValue));
  hero.m_bJumpHit = 1;
  hero.m_bJumpRising = 1;
  hero.m_bInAir = 0;
  hero.m_nJumpRiseSteps = hero.ApexSteps(hero.m_dVY);
  return block.m_nItemPalette != 0 ? play.GiveBlockItem(hero) : 0;
}

// Arms the effects that last one frame (L sub-steps).
void ArmTimedEffect(cHero& hero, int32_t kind, double value) {
  hero.m_nFloorEffect = kind;
  hero.m_dFloorEffectValue = value;
  hero.m_nFloorEffectFrames = g_Stage.m_nSubSteps;
}

void ApplyTimedEffect(cHero& hero) {
  switch (hero.m_nFloorEffect) {
    case kFloorSpeed: hero.m_dVX *= hero.m_dFloorEffectValue; break;
    case kFloorMoveLeft:
      hero.m_dVX -= hero.m_dFloorEffectValue;
      if (hero.m_dInertiaX > 0) hero.m_dInertiaX = 0;
      break;
    case kFloorMoveRight:
      hero.m_dVX += hero.m_dFloorEffectValue;
      if (hero.m_dInertiaX < 0) hero.m_dInertiaX = 0;
      break;
    default: break;
  }
}

}  // namespace floor_effects

int32_t cStagePlay::ApplyFloorEffect(cHero& hero) {
  if (hero.m_bFlying != 0) return 0;
  int32_t result = 0;
  cBlock* block = hero.m_nFloorEffectFrames == 0 ? floor_effects::ActiveFloorBlock(hero) : nullptr;
  if (block != nullptr) {
    switch (block->m_nFloorEffect) {
      case kFloorJump: result = floor_effects::Spring(*this, hero, *block); break;
      case kFloorNoJump: hero.m_bNoJump = 1; break;
      case kFloorSpeed: floor_effects::ArmTimedEffect(hero, kFloorSpeed, block->m_nFloorValue * 0.01); break;
      case kFloorMoveLeft:
      case kFloorMoveRight:
        floor_effects::ArmTimedEffect(hero, block->m_nFloorEffect, block->m_nFloorValue * 0.1 / g_Stage.m_dSubSteps);
        break;
      default: break;
    }
    if (block->m_nFloorEffect != kFloorNoJump) hero.m_bNoJump = 0;
  }
  if (hero.m_nFloorEffectFrames != 0) {
    floor_effects::ApplyTimedEffect(hero);
    if (--hero.m_nFloorEffectFrames <= 0) {
      hero.m_nFloorEffectFrames = 0;
      SnapToGround(hero);
    }
  }
  return result;
}

void cStagePlay::SnapToGround(cCharaBase& obj) {
  if (g_SystemData.m_bLegacy793 != 0) {
    if (obj.m_dVY >= 0) obj.m_dVY += 1;
    return;
  }
  const double steps = g_Stage.m_dSubSteps;
  if (obj.m_dVY < 0 || obj.m_dVY > 1 / steps || obj.m_bRiding != 0 || obj.m_bInAir != 0) return;
  const int32_t row = TruncToInt(obj.m_dBottom + floor_effects::kSnapProbeDots);
  const cProbeBody body{floor_effects::Key(obj), obj.m_Def.m_nGiant, obj.m_nWidthBase, obj.m_nHeightBase};
  const cProbeArea area = ProbeAreaOf(g_BlockGrid, m_ScrollX.m_nProbeBound, m_ScrollY.m_nProbeBound);
  const int32_t cell = ProbeEdgeCell(g_BlockGrid, area, body, TruncToInt(obj.m_dX + obj.m_dVX), row,
                                     TruncToInt(obj.m_dRight + obj.m_dVX), row);
  // A small downward speed: the next vertical block test lands it.
  if (CellIndexHitClass(g_BlockGrid, cell, floor_effects::Key(obj)) != 0) obj.m_dVY = 7 / steps;
}
