#pragma once
// cReplayPlayback: whether a replay is being played back and the data version
// it was recorded with. The stage build keeps it for the readers that must
// follow the replay's version rather than that of the running program (the
// direction input's mapping, the distance condition).

#include <cstdint>

struct cReplayPlayback {
  int32_t bPlaying = 0;      // a replay is played back (game mode 4)
  int32_t nFileVersion = 0;  // data version of the replay file

  // Visits the members by name (the state digest's and the stage runner's visitors).
  template <class Visitor>
  void VisitState(Visitor& visitor) {
    visitor.Value("bPlaying", bPlaying);
    visitor.Value("nFileVersion", nFileVersion);
  }
};
