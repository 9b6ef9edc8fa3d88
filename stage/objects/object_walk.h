#pragma once
// Walks of the chara and item lists that behave as linked lists under
// nested erasure: a flow, an item command or the kill pass may erase any
// chara, the one being visited included, while a loop stands on it. Erasing
// during a walk takes the object out of its id table at once (nothing finds
// it any more) and leaves the element, and its id in the group lists, in
// place until the outermost walk ends; walks of the list or of a group skip
// what no longer resolves. Objects appended during a walk are visited, as a
// linked list would.
//
//   cCharaWalk walk(play);
//   for (cChara& chara : g_CharaList) {
//     if (!IsLive(play, chara)) continue;   // erased by an earlier step
//     RunItsFlows(chara);                   // may erase anything
//   }                                       // purged when walk ends

#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"

class cCharaWalk {
 public:
  explicit cCharaWalk(cStagePlay& play) : m_Play(play) { ++m_Play.m_nCharaWalks; }
  ~cCharaWalk();
  cCharaWalk(const cCharaWalk&) = delete;
  cCharaWalk& operator=(const cCharaWalk&) = delete;

 private:
  cStagePlay& m_Play;
};

class cItemWalk {
 public:
  explicit cItemWalk(cStagePlay& play) : m_Play(play) { ++m_Play.m_nItemWalks; }
  ~cItemWalk();
  cItemWalk(const cItemWalk&) = delete;
  cItemWalk& operator=(const cItemWalk&) = delete;

 private:
  cStagePlay& m_Play;
};

// False once the object was erased (it waits for the end of the walk).
inline bool IsLive(const cStagePlay& play, const cChara& chara) {
  return play.FindCharaById(chara.m_nId) == &chara;
}
inline bool IsLive(const cStagePlay& play, const cItem& item) { return play.FindItemById(item.m_nId) == &item; }

// Erases what no id names any more (after a walk), from the lists and the
// chara groups.
void PurgeErasedCharas(cStagePlay& play);
void PurgeErasedItems(cStagePlay& play);
