#pragma once
// ANIMEPLAYER: an extra animation running on a chara, started by a flow's
// anime command; the newest running one overrides the base pattern. A chara
// keeps them newest first in m_AnimePlayers.

#include <cstdint>

#include "stage/objects/anime_sequence.h"
#include "stage/objects/state_visitor.h"

struct ANIMEPLAYER {
  cAnimeSequence Anime;     // one sequence of an Anime entry
  int32_t bTimed = 0;       // the counter takes part in the choice
  int32_t nCounter = 0;     // decreased on every step of the player
  int32_t nExtra = 0;       // added to the counter when the owning flow pauses
  int32_t nOwnerKey = -1;   // serial of the flow instance that started it, -1 none
  int32_t bPaused = 0;      // neither steps nor takes part in the choice

  void VisitState(cStateVisitor& visitor) {
    visitor.Object("Anime", Anime);
    visitor.Value("bTimed", bTimed);
    visitor.Value("nCounter", nCounter);
    visitor.Value("nExtra", nExtra);
    visitor.Value("nOwnerKey", nOwnerKey);
    visitor.Value("bPaused", bPaused);
  }
};
