// The shots' pass of a sub-step and the erase areas of its first sub-step.

#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/object_walk.h"
#include "stage/objects/play_step_rules.h"
#include "stage/objects/shot_pass.h"
#include "stage/objects/stage_play.h"
#include "stage/services/stage_services.h"

namespace play_step_shots {

template <class... Fields>
void PrefetchLinesOf(const Fields&... fields) {
  (__builtin_prefetch(&fields), ...);
}

// The list's nodes lie wherever the allocator put them and a shot spans many
// cache lines, so each shot's first reads would wait on memory: the lines the
// pass touches are asked for two shots ahead. A prefetch changes nothing the
// program sees.
void PrefetchPassLines(const cShot& s) {
  PrefetchLinesOf(s.m_nId, s.m_dRight, s.m_nBlockKey, s.m_dInertiaY, s.m_bVanishPending, s.m_nRangeLeft,
                  s.m_dTrajVX, s.m_rcAtk.nHeight, s.m_Settings.m_nMoveType, s.m_Settings.m_bShotOpt9);
}

}  // namespace play_step_shots

void RunShotPass(cStagePlay& play, int32_t subStep) {
  cList<cShot>& shots = play.m_ShotList;
  for (auto it = shots.begin(); it != shots.end();) {
    cShot& shot = *it;
    if (auto ahead = std::next(it); ahead != shots.end() && ++ahead != shots.end()) {
      play_step_shots::PrefetchPassLines(*ahead);
    }
    if (shot.Update() != 0) {
      it = play.RemoveShotNode(it);
      continue;
    }
    shot.ApplyGravity();
    shot.MoveY();
    shot.MoveX();
    if (subStep == 1 && shot.m_bShot != 0) {
      const int32_t area = shot.m_nControl == 0 ? play_step::kAreaHeroShots : play_step::kAreaShots;
      if (shot.IsOutsideEraseArea(g_Stage.m_EraseAreas.CheckedVectorAt(area)) != 0) {
        it = play.RemoveShotNode(it);
        continue;
      }
    }
    if (shot.HitsBlock() != 0) {
      it = play.RemoveShotNode(it);
      continue;
    }
    ++it;
  }
}

void cStagePlay::StepShots(int32_t s) { RunShotPass(*this, s); }

void cStagePlay::ApplyEraseAreas() {
  const cVector<cEraseArea>& areas = g_Stage.m_EraseAreas;
  {
    cCharaWalk walk(*this);
    for (cChara& chara : g_CharaList) {
      if (!IsLive(*this, chara) || chara.m_bDead != 0 || chara.m_bEnabled == 0) continue;
      const int32_t area = play_step::IsSolid(chara) ? play_step::kAreaSolids : play_step::kAreaCharas;
      if (m_EraseActive[area] == 0) continue;
      if (chara.IsOutsideEraseArea(areas.CheckedVectorAt(area)) != 0) EraseStageChara(chara);
    }
  }
  if (m_EraseActive[play_step::kAreaItems] == 0) return;
  cItemWalk walk(*this);
  for (cItem& item : g_ItemList) {
    if (IsLive(*this, item) && item.IsOutsideEraseArea(areas.CheckedVectorAt(play_step::kAreaItems)) != 0) {
      EraseStageItem(item);
    }
  }
}

