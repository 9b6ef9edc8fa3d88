#include <algorithm>

#include "stage/objects/chara_base.h"
#include "stage/objects/stage_play.h"

void cCharaBase::SetTargetSlot(int32_t slot, cCharaBase* lpTarget, int32_t clearWhenNone) {
  if (slot < 0 || slot >= m_Targets.VectorSize()) return;
  if (clearWhenNone == 0 && lpTarget == nullptr) return;
  const CHARALINK link{m_nId, slot};
  int32_t& named = m_Targets.CheckedVectorAt(slot);
  if (cCharaBase* old = FindCharaById(named)) std::erase(old->m_TargetedBy, link);
  named = kNoLink;
  if (lpTarget == nullptr) return;
  named = lpTarget->m_nId;
  cVector<CHARALINK>& back = lpTarget->m_TargetedBy;
  if (std::find(back.begin(), back.end(), link) == back.end()) back.push_back(link);
}
