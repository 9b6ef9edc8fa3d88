#pragma once
// The game standing still inside a command: the messages, pictures, effects
// and the game wait stop every flow until the scene's pause loop is over.
// The frozen state pass runs first, as the frame the pause loop redraws
// would have run it; a button that ended the wait is held back from the game
// until it is released.
//
//   WAITDATA wait;
//   wait.Set(1, 1, 0, 0);           // until the advance key
//   PauseForWait(play, &wait);      // null: the scene's wait as it stands

#include "core/timing/wait_data.h"

class cStagePlay;

void PauseForWait(cStagePlay& play, const WAITDATA* lpWait);

// How long a message window or a picture is shown.
enum eShownDuration : int32_t { kShownUntilKey = 0, kShownUntilStageEnd = 1, kShownTimed = 2 };

// The wait for something shown for duration: until the advance key, for
// frames, or (until the stage ends, or an unknown duration) the scene's wait
// as it stands. waitMode tells the scene who waits; noDelay lets the key count
// at once.
void PauseForShown(cStagePlay& play, int32_t waitMode, int32_t duration, int32_t frames, int32_t noDelay);
