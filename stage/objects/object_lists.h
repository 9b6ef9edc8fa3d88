#pragma once
// The running objects of a stage and the only functions that add and erase
// them, so the play state's id tables always match the lists:
//
//   cChara& chara = AddChara(play, spawned);     // a copy appended, findable by id
//   for (auto it = g_CharaList.begin(); it != g_CharaList.end();) {
//     if (Vanished(*it)) {
//       it = EraseChara(play, it);               // the walk goes on with the next
//     } else {
//       ++it;
//     }
//   }
//   play.FindCharaById(id);                      // null once erased
//
// Temporary copies (a chara built before it is appended, a copy made to test
// a move) are never registered: only list elements are.

#include "core/containers/checked_list.h"
#include "core/containers/checked_vector.h"
#include "stage/objects/chara.h"
#include "stage/objects/hero.h"
#include "stage/objects/item.h"
#include "stage/objects/shot.h"

class cStagePlay;

// Element 0 is the player's hero.
extern cVector<cHero> g_Heroes;
extern cList<cChara> g_CharaList;
extern cList<cItem> g_ItemList;

cHero& AddHero(cStagePlay& play, const cHero& hero);
cChara& AddChara(cStagePlay& play, const cChara& chara);
cItem& AddItem(cStagePlay& play, const cItem& item);
// A copy of shot at the end of m_ShotList and of its faction's list in
// m_ShotLayers (cStagePlay::RemoveShotNode takes it out of both).
cShot& AddShot(cStagePlay& play, const cShot& shot);
// The copy of shot in a new node at the end of list.
cShot& CopyShotNode(cList<cShot>& list, const cShot& shot);

// Each erases the element at it and returns the position after it.
cList<cChara>::iterator EraseChara(cStagePlay& play, cList<cChara>::iterator it);
cList<cItem>::iterator EraseItem(cStagePlay& play, cList<cItem>::iterator it);
cList<cShot>::iterator EraseShot(cStagePlay& play, cList<cShot>::iterator it);

// Empties the heroes, the charas, the items, the shots (with their faction
// lists), and all id tables.
void ClearHeroes(cStagePlay& play);
void ClearCharas(cStagePlay& play);
void ClearItems(cStagePlay& play);
void ClearShots(cStagePlay& play);
