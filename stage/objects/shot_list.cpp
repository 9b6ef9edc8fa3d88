// The shot list: the only ways a shot enters or leaves m_ShotList and the
// faction list of m_ShotLayers it sits in, so the two always agree.
#include "core/containers/checked_list.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/shot.h"
#include "stage/objects/stage_play.h"

namespace shot_list {

// A faction the data names outside the eight lists is logged and uses list
// 0, on the way in and out alike.
cList<int32_t>& FactionList(cStagePlay& play, const cShot& shot) {
  return play.m_ShotLayers.CheckedVectorAt(shot.Faction());
}

}  // namespace shot_list

cShot& CopyShotNode(cList<cShot>& list, const cShot& shot) { return list.emplace_back(shot); }

cShot& AddShot(cStagePlay& play, const cShot& shot) {
  cShot& added = CopyShotNode(play.m_ShotList, shot);
  play.m_ShotIds.Put(added.m_nId, &added);
  shot_list::FactionList(play, added).push_back(added.m_nId);
  if (added.m_bVanishPending != 0) play.m_bShotsMarked = 1;
  return added;
}

cList<cShot>::iterator cStagePlay::RemoveShotNode(cList<cShot>::iterator it) {
  if (it == m_ShotList.end()) return it;
  it->ReleaseLinks();
  shot_list::FactionList(*this, *it).ListEraseValue(it->m_nId);
  return EraseShot(*this, it);
}
