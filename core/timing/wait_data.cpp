#include "core/timing/wait_data.h"

void WAITDATA::Set(int32_t mode, int32_t keyWait, int32_t frames, int32_t noDelay) {
  nFrames = frames;
  nMode = mode;
  bKeyWait = keyWait;
  nCount = 0;
  nKeyDelay = (keyWait != 0 && mode == 1 && noDelay == 0) ? 10 : 0;
}
