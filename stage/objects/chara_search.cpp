#include "stage/objects/chara_search.h"

#include "core/containers/checked_list.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara.h"
#include "stage/objects/stage_play.h"

cCharaBase* FindChildChara(const cVector<CHARALINK>& targetedBy, int32_t slot, int32_t key, int32_t anyKey,
                           const cCharaFilter& filter) {
  for (auto it = targetedBy.rbegin(); it != targetedBy.rend(); ++it) {
    if (it->nSlot != slot) continue;
    cCharaBase* chara = FindCharaById(it->nCharaId);
    if (chara == nullptr || chara->m_bDead != 0) continue;
    if (anyKey == 0 && chara->m_nBlockKey != key) continue;
    if (filter.Accepts(*chara)) return chara;
  }
  return nullptr;
}

const cIdTable<cCharaBase>* CurrentCharaIds() {
  return g_lpSceneStagePlay != nullptr ? &g_lpSceneStagePlay->m_CharaIds : nullptr;
}

int32_t NearestSearchMode() { return g_Stage.m_nContactSetting != 0 ? kSearchOnScreen : kSearchOnScreenFirst; }

cChara* cGameObject::FindNearestChara(cList<cChara>& list) const {
  return FindNearestCharaAt(ScreenCenterX(), ScreenCenterY(), list);
}
