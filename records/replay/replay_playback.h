#pragma once
// cReplayPlayback: whether a replay is being played back and the data version
// it was recorded with. The stage build keeps one (cStagePlay::m_Replay) for
// the readers that must follow the replay's version rather than the data
// version of the running program, such as the direction resolution of moves
// and shots.
//
//   cReplayPlayback live;                 // not a replay
//   cReplayPlayback old{1, 777};          // a replay recorded by version 777

#include <cstdint>

class cStateVisitor;

struct cReplayPlayback {
  int32_t bPlaying = 0;      // a replay is played back (game mode 4)
  int32_t nFileVersion = 0;  // data version of the replay file

  // Defined with the stage state (stage/objects/run_facts.cpp).
  void VisitState(cStateVisitor& visitor);
};
