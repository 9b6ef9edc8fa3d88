#pragma once
// The replay save keys of stage play: F1 saves the current attempt, F2 the one
// before it. Saving runs on the window thread (WM_APP_SAVE_REPLAY, wParam 0 for
// the current attempt, 1 for the previous one) while the game thread waits.

#include <cstdint>

// What the keys read of the frame around them; the stage-play scene fills it.
struct REPLAYKEYSTATE {
  bool bReplayPlayback = false;  // a replay is being played back (game mode 4)
  bool bF1Down = false;
  bool bF2Down = false;
};

// System sounds of the keys.
inline constexpr int kReplaySaveSound = 1;
inline constexpr int kReplayRefuseSound = 3;
// Calls between two refusal sounds while an empty log's key is held.
inline constexpr int32_t kReplayRefuseCooldown = 60;

class cReplaySaveKeys {
 public:
  // Called once per frame by the stage-play phases. Nothing while a replay plays
  // back or while the project has replays off (m_bReplay of g_SystemData). A key
  // whose log holds no frame is refused with sound 3, at most once every 60
  // calls. Otherwise sound 1 and the save request; 1 once it has been handled.
  int Check(const REPLAYKEYSTATE& keys);

  int32_t RefuseCooldown() const { return m_nRefuseCooldown; }

 private:
  int32_t m_nRefuseCooldown = 0;
};

// Check on the program's one key state.
int CheckReplaySaveKeys(const REPLAYKEYSTATE& keys);
