#pragma once
// What the running program tells the simulation about how this stage is being
// played. The scene fills it from the scene manager and the start-up switches;
// the stage runner fills it from its arguments. It is left out of the state
// digest: a run and its replay differ here by design.

#include <cstdint>

#include "records/replay/replay_playback.h"

class cStateVisitor;

struct cRunFacts {
  int32_t nGameMode = 0;    // the scene manager's game mode: 3 free play, 4 replay playback
  int32_t nPlayMode = 0;    // the scene manager's play mode
  int32_t bFreeStage = 0;   // the program was started on one stage file
  int32_t bFromEditor = 0;  // the editor started the program

  bool IsReplayPlayback() const { return nGameMode == 4; }

  void VisitState(cStateVisitor& visitor);
};
