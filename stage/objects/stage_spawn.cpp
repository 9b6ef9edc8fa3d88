// The spawners of the summon commands: charas and items at a dot position.

#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"
#include "stage/objects/summon_settings.h"

namespace stage_spawn {

// Sub-steps of a life time in tenths of a second, held to int range (a
// stored 9999 at collision level 19 is well inside, data could be more).
int32_t LifeSubSteps(int32_t tenths) {
  const int64_t steps = int64_t{tenths} * g_Stage.m_nSubSteps * 6;
  return steps > INT32_MAX ? INT32_MAX : steps < INT32_MIN ? INT32_MIN : static_cast<int32_t>(steps);
}

// The blocked-place retries of a summoned chara: up one dot, then one dot
// left of the first place and down one, then up one again.
bool FindFreePlace(cStagePlay& play, cChara& chara) {
  chara.UpdateScreenRect();
  if (play.IsPlaceBlocked(chara) == 0) return true;
  chara.m_dY -= 1;
  chara.m_dBottom -= 1;
  chara.ClampY();
  chara.UpdateScreenRect();
  if (play.IsPlaceBlocked(chara) == 0) return true;
  chara.m_dY += 1;
  chara.m_dBottom += 1;
  chara.m_dX -= 1;
  chara.m_dRight -= 1;
  chara.ClampX();
  chara.ClampY();
  chara.UpdateScreenRect();
  if (play.IsPlaceBlocked(chara) == 0) return true;
  chara.m_dY -= 1;
  chara.m_dBottom -= 1;
  chara.ClampY();
  chara.UpdateScreenRect();
  return play.IsPlaceBlocked(chara) == 0;
}

}  // namespace stage_spawn

void cStagePlay::SpawnCharaAt(cList<cChara>& list, double px, double py, int32_t group, int32_t facing,
                              const cEdShot* lpSet, const cCharaDef* lpDef, int32_t* pNextId, cCharaBase* lpParent) {
  if (lpDef == nullptr || pNextId == nullptr) return;
  cCharaDef copy = *lpDef;
  copy.m_nFacing = static_cast<int8_t>(facing);
  copy.m_nGroup = static_cast<int8_t>(group);
  if (lpSet != nullptr && SummonNoDefeatScore(*lpSet)) copy.m_nScore = 0;
  const bool homeFollows = g_SystemData.m_bLegacy768 == 0;
  const int32_t parentId = lpParent != nullptr ? lpParent->m_nId : kNoLink;
  for (int32_t i = 0; i <= copy.m_nCopies; ++i) {
    cChara chara;
    chara.Init(*pNextId, &copy, nullptr, px + 16, py + 16, static_cast<int16_t>(i));
    // (px, py) is the graphic's top left.
    chara.m_dX = px + chara.m_nGraphicOffsetX;
    chara.m_dY = py + chara.m_nGraphicOffsetY;
    chara.m_dRight = chara.m_dX + chara.m_nWidth - 1;
    chara.m_dBottom = chara.m_dY + chara.m_nHeight - 1;
    const double ox = copy.OffsetX(i, copy.m_nFacing);
    const double oy = copy.OffsetY(i, copy.m_nFacing);
    chara.m_dX += ox;
    chara.m_dRight += ox;
    chara.m_dY += oy;
    chara.m_dBottom += oy;
    if (homeFollows) {
      chara.m_dHomeX += ox;
      chara.m_dHomeY += oy;
    }
    if (chara.IsInsideStage(1) == 0) continue;
    chara.ClampX();
    chara.ClampY();
    // The place is tried on the copy the list would hold; nothing is
    // appended (nor an id used) for a chara with no free place.
    if (!stage_spawn::FindFreePlace(*this, chara)) continue;
    cChara& added = list.emplace_back(chara);
    if (&list == &g_CharaList) m_CharaIds.Put(added.m_nId, &added);
    added.LinkHeroAndParent(parentId);
    if (lpSet != nullptr && SummonHasLifeTime(*lpSet)) added.m_nLife = stage_spawn::LifeSubSteps(SummonLifeTime(*lpSet));
    if (lpSet != nullptr) {
      added.m_bParentAttack = SummonParentAttack(*lpSet) ? 1 : 0;
      added.m_nParentFlowId = SummonParentFlowId(*lpSet);
    }
    m_ObjGroup.CheckedVectorAt(added.m_nBlockKey).push_back(added.m_nId);
    ++*pNextId;
  }
}

void cStagePlay::SpawnItemAt(cList<cItem>& list, double px, double py, const cEdShot* lpSet, const cItemDef* lpDef,
                             int32_t* pNextId) {
  if (lpDef == nullptr || pNextId == nullptr) return;
  cItem item;
  item.InitFromDef(*pNextId, lpDef, 0);
  item.m_dX = px + item.m_nGraphicOffsetX;
  item.m_dY = py + item.m_nGraphicOffsetY;
  item.m_dRight = item.m_dX + item.m_nWidth - 1;
  item.m_dBottom = item.m_dY + item.m_nHeight - 1;
  item.m_dX += item.m_Def.m_nExtra1;
  item.m_dRight += item.m_Def.m_nExtra1;
  item.m_dY += item.m_Def.m_nExtra2;
  item.m_dBottom += item.m_Def.m_nExtra2;
  if (item.IsInsideStage(1) == 0) return;
  item.ClampXMode(2);
  item.ClampYMode(2);
  if (lpSet != nullptr && SummonHasLifeTime(*lpSet)) item.m_nLife = stage_spawn::LifeSubSteps(SummonLifeTime(*lpSet));
  cItem& added = list.emplace_back(item);
  if (&list == &g_ItemList) m_ItemIds.Put(added.m_nId, &added);
  ++*pNextId;
}
