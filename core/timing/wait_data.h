#pragma once
// The wait state of the stage-play scene: what the pause thread waits for while
// the game stands still (a message until a key, a timed wait, an effect).

#include <cstdint>

struct WAITDATA {
  int32_t nMode = 0;      // who waits: 1 a message wait, others set by the wait commands
  int32_t nKeyDelay = 0;  // frames during which a key press does not count yet
  int32_t bKeyWait = 0;   // a key press ends the wait
  int32_t nFrames = 0;    // length of the wait when no key ends it
  int32_t nCount = 0;     // frames counted

  // Starts a wait. A message wait that ends by a key ignores the key for its first
  // 10 frames, so the press that advanced the previous message does not skip this
  // one; noDelay (a continued message) takes the key at once.
  void Set(int32_t mode, int32_t keyWait, int32_t frames, int32_t noDelay);
};
