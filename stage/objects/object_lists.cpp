#include "stage/objects/object_lists.h"

#include "core/globals/global_order.h"
#include "stage/objects/stage_play.h"

VP_GLOBAL(kGlobalHeroes, cVector<cHero> g_Heroes);
VP_GLOBAL(kGlobalCharaList, cList<cChara> g_CharaList);
VP_GLOBAL(kGlobalItemList, cList<cItem> g_ItemList);

namespace object_lists {

// Growing the hero vector may move every hero, so all are registered again.
void RegisterHeroes(cStagePlay& play) {
  for (cHero& hero : g_Heroes) play.m_CharaIds.Put(hero.m_nId, &hero);
}

template <class T, class Table>
typename cList<T>::iterator EraseFrom(cList<T>& list, Table& table, typename cList<T>::iterator it) {
  if (it == list.end()) return it;
  table.Remove(it->m_nId, &*it);
  return list.erase(it);
}

}  // namespace object_lists

cHero& AddHero(cStagePlay& play, const cHero& hero) {
  for (cHero& old : g_Heroes) play.m_CharaIds.Remove(old.m_nId, &old);
  g_Heroes.push_back(hero);
  object_lists::RegisterHeroes(play);
  return g_Heroes.back();
}

cChara& AddChara(cStagePlay& play, const cChara& chara) {
  cChara& added = g_CharaList.emplace_back(chara);
  ++play.m_nCharaListChanges;
  play.m_CharaIds.Put(added.m_nId, &added);
  return added;
}

cItem& AddItem(cStagePlay& play, const cItem& item) {
  cItem& added = g_ItemList.emplace_back(item);
  play.m_ItemIds.Put(added.m_nId, &added);
  return added;
}

cList<cChara>::iterator EraseChara(cStagePlay& play, cList<cChara>::iterator it) {
  // An erased chara leaves no slot, parent or shot naming it; it must still be
  // findable while it unlinks, and temporary copies are never list elements.
  if (it != g_CharaList.end() && !it->m_bTemporaryCopy) it->ReleaseTargetLinks();
  ++play.m_nCharaListChanges;
  return object_lists::EraseFrom(g_CharaList, play.m_CharaIds, it);
}

cList<cItem>::iterator EraseItem(cStagePlay& play, cList<cItem>::iterator it) {
  return object_lists::EraseFrom(g_ItemList, play.m_ItemIds, it);
}

cList<cShot>::iterator EraseShot(cStagePlay& play, cList<cShot>::iterator it) {
  return object_lists::EraseFrom(play.m_ShotList, play.m_ShotIds, it);
}

void ClearHeroes(cStagePlay& play) {
  for (cHero& hero : g_Heroes) hero.ReleaseTargetLinks();
  for (cHero& hero : g_Heroes) play.m_CharaIds.Remove(hero.m_nId, &hero);
  g_Heroes.VectorReleaseAll();
}

void ClearCharas(cStagePlay& play) {
  for (auto it = g_CharaList.begin(); it != g_CharaList.end();) it = EraseChara(play, it);
}

void ClearItems(cStagePlay& play) {
  g_ItemList.clear();
  play.m_ItemIds.Clear();
}

void ClearShots(cStagePlay& play) {
  play.m_ShotList.clear();
  play.m_ShotIds.Clear();
  for (cList<int32_t>& faction : play.m_ShotLayers) faction.clear();
}
