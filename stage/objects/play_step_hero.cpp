// The hero's pass of a sub-step: flows, the stage-end request, floor
// effects, moves inside the view, blocks, solid charas and the squeeze tests,
// each death with its label in the second log.

#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/object_walk.h"
#include "stage/objects/play_step_rules.h"
#include "stage/objects/stage_play.h"
#include "stage/services/stage_services.h"

bool cStagePlay::StepHero() {
  cHero& hero = g_Heroes.front();
  hero.FireTrigger(play_step::kAlwaysTrigger);
  if (hero.RunFlows(0) != 0) return DeathTail(nullptr), false;
  if (m_nStageClear == 1) return ClearTail(), false;
  if (m_nStageClear == 2) return DeathTail(nullptr), false;
  if (m_bKill != 0 && ProcessKills() == 1) return false;
  const int32_t floor = ApplyFloorEffect(hero);
  if (floor == kPlayClear) return ClearTail(), false;
  if (floor == kPlayDeath) return DeathTail(nullptr), false;
  if (hero.m_bRiding != 0) FollowRiddenChara(hero, g_CharaList);
  hero.MoveX();
  KeepHeroInScreenX(hero);
  if (CollideBlocksX(hero) == play_step::kKilledByBlocks) return DeathTail("Dead 1"), false;
  KeepHeroInScreenX(hero);
  hero.ApplyGravity();
  if (hero.MoveY() == play_step::kKilledMove) return DeathTail("Dead 2"), false;
  if (KeepHeroInScreenY(hero) == 2) return DeathTail("Dead 3"), false;
  if (CollideBlocksY(hero) == play_step::kKilledByBlocks) return DeathTail("Dead 4"), false;
  if (KeepHeroInScreenY(hero) == 2) return DeathTail("Dead 5"), false;
  if (play_step::Squeezed(hero) && hero.TryRecoverFromSqueeze() == 0) {
    hero.RestorePosition();
    return DeathTail("Dead SP"), false;
  }
  if (CollideSolidCharas(hero, g_CharaList) == 2 && hero.m_bDead == 0 && hero.TryRecoverFromSqueeze() == 0) {
    return DeathTail("Dead 6"), false;
  }
  if (hero.m_bContactLeft != 0 || hero.m_bContactRight != 0) {
    if (RecheckBlocksX(hero) == 2 && hero.m_bDead == 0) {
      // Rescued: the frame ends here, without the other sub-steps or drawing.
      if (hero.TryRecoverFromSqueeze() != 0) return false;
      return DeathTail("Dead 7"), false;
    }
  }
  if (hero.m_bContactTop != 0 || hero.m_bContactBottom != 0) {
    if (RecheckBlocksY(hero) == 2 && hero.m_bDead == 0 && hero.TryRecoverFromSqueeze() == 0) {
      return DeathTail("Dead 8"), false;
    }
  }
  if (play_step::Squeezed(hero) && hero.TryRecoverFromSqueeze() == 0) {
    hero.RestorePosition();
    return DeathTail("Dead 9"), false;
  }
  hero.DecayPushX();
  hero.DecayPushY();
  return true;
}

