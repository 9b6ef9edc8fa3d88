#include "stage/objects/group_charas.h"

#include "stage/objects/chara_base.h"

namespace group_charas {

bool Matches(const auto& entry, const cIdTable<cCharaBase>& ids, const cList<int32_t>& list) {
  if (!entry.bBuilt || entry.nVersion != ids.Version() || entry.nSize != list.size()) return false;
  if (list.empty()) return true;
  return entry.lpBack == &list.back() && entry.nBackId == list.back();
}

}  // namespace group_charas

const cVector<cCharaBase*>& cGroupCharas::Of(const cIdTable<cCharaBase>& ids, int32_t group,
                                              const cList<int32_t>& list) {
  if (group >= m_Groups.VectorSize()) m_Groups.resize(static_cast<std::size_t>(group) + 1);
  cEntry& entry = m_Groups.CheckedVectorAt(group);
  if (group_charas::Matches(entry, ids, list)) return entry.Charas;
  entry.Charas.clear();
  for (int32_t id : list) {
    if (cCharaBase* chara = ids.Find(id)) entry.Charas.push_back(chara);
  }
  entry.nVersion = ids.Version();
  entry.nSize = list.size();
  entry.lpBack = list.empty() ? nullptr : &list.back();
  entry.nBackId = list.empty() ? 0 : list.back();
  entry.bBuilt = true;
  return entry.Charas;
}
