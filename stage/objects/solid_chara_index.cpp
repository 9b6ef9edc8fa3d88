#include "stage/objects/solid_chara_index.h"

#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"

const std::vector<cChara*>& cSolidCharaIndex::Of(cList<cChara>& list, uint64_t changes) {
  if (m_lpList != &list || m_nChanges != changes || m_nSize != list.size()) {
    Rebuild(list);
    m_lpList = &list;
    m_nChanges = changes;
    m_nSize = list.size();
  }
  return m_Solids;
}

const std::vector<cChara*>& cSolidCharaIndex::Afresh(cList<cChara>& list) {
  Rebuild(list);
  m_lpList = nullptr;
  return m_Solids;
}

void cSolidCharaIndex::Rebuild(cList<cChara>& list) {
  m_Solids.clear();
  for (cChara& chara : list) {
    if (chara.m_Def.m_bBlockChara != 0) m_Solids.push_back(&chara);
  }
}

const std::vector<cChara*>& cStagePlay::SolidCharasOf(cList<cChara>& list) {
  // Only the element changes of g_CharaList are counted.
  if (&list != &g_CharaList) return m_SolidCharas.Afresh(list);
  return m_SolidCharas.Of(list, m_nCharaListChanges);
}
