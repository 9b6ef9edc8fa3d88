#include "stage/objects/object_walk.h"

cCharaWalk::~cCharaWalk() {
  if (--m_Play.m_nCharaWalks == 0 && m_Play.m_bCharaPurgePending != 0) PurgeErasedCharas(m_Play);
}

cItemWalk::~cItemWalk() {
  if (--m_Play.m_nItemWalks == 0 && m_Play.m_bItemPurgePending != 0) PurgeErasedItems(m_Play);
}

void PurgeErasedCharas(cStagePlay& play) {
  play.m_bCharaPurgePending = 0;
  ++play.m_nCharaListChanges;
  for (auto it = g_CharaList.begin(); it != g_CharaList.end();) {
    it = IsLive(play, *it) ? std::next(it) : g_CharaList.erase(it);
  }
  for (cList<int32_t>& group : play.m_ObjGroup) {
    group.remove_if([&](int32_t id) { return play.FindCharaById(id) == nullptr; });
  }
}

void PurgeErasedItems(cStagePlay& play) {
  play.m_bItemPurgePending = 0;
  for (auto it = g_ItemList.begin(); it != g_ItemList.end();) {
    it = IsLive(play, *it) ? std::next(it) : g_ItemList.erase(it);
  }
}

void cStagePlay::EraseStageChara(cChara& chara) {
  if (!IsLive(*this, chara)) return;
  chara.ReleaseTargetLinks();
  m_CharaIds.Remove(chara.m_nId, &chara);
  m_bCharaPurgePending = 1;
  // Its id leaves the group lists with the element (any group: a status
  // command may have changed its group since it was listed).
  if (m_nCharaWalks == 0) PurgeErasedCharas(*this);
}

void cStagePlay::EraseStageItem(cItem& item) {
  if (!IsLive(*this, item)) return;
  m_ItemIds.Remove(item.m_nId, &item);
  m_bItemPurgePending = 1;
  if (m_nItemWalks == 0) PurgeErasedItems(*this);
}
