#include "stage/objects/object_walk.h"

cCharaWalk::~cCharaWalk() {
  if (--m_Play.m_nCharaWalks == 0) PurgeErasedCharas(m_Play);
}

cItemWalk::~cItemWalk() {
  if (--m_Play.m_nItemWalks == 0) PurgeErasedItems(m_Play);
}

void PurgeErasedCharas(cStagePlay& play) {
  for (auto it = g_CharaList.begin(); it != g_CharaList.end();) {
    it = IsLive(play, *it) ? std::next(it) : g_CharaList.erase(it);
  }
}

void PurgeErasedItems(cStagePlay& play) {
  for (auto it = g_ItemList.begin(); it != g_ItemList.end();) {
    it = IsLive(play, *it) ? std::next(it) : g_ItemList.erase(it);
  }
}

void cStagePlay::EraseStageChara(cChara& chara) {
  if (!IsLive(*this, chara)) return;
  chara.ReleaseTargetLinks();
  // A status command may have changed its group since it was listed.
  for (cList<int32_t>& group : m_ObjGroup) group.remove(chara.m_nId);
  m_CharaIds.Remove(chara.m_nId, &chara);
  if (m_nCharaWalks == 0) PurgeErasedCharas(*this);
}

void cStagePlay::EraseStageItem(cItem& item) {
  if (!IsLive(*this, item)) return;
  m_ItemIds.Remove(item.m_nId, &item);
  if (m_nItemWalks == 0) PurgeErasedItems(*this);
}

cList<cShot>::iterator cStagePlay::RemoveShotNode(cList<cShot>::iterator it) {
  if (it == m_ShotList.end()) return it;
  for (cList<int32_t>& layer : m_ShotLayers) layer.remove(it->m_nId);
  return EraseShot(*this, it);
}
