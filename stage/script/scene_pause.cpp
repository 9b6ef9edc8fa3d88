#include "stage/script/scene_pause.h"

#include "stage/objects/stage_play.h"
#include "stage/services/stage_services.h"

void PauseForWait(cStagePlay& play, const WAITDATA* lpWait) {
  play.UpdatePresentation(1);
  if (play.Services().PauseWait(lpWait) != 0) play.m_bHoldButtons = 1;
}

void PauseForShown(cStagePlay& play, int32_t waitMode, int32_t duration, int32_t frames, int32_t noDelay) {
  WAITDATA wait;
  switch (duration) {
    case kShownUntilKey:
      wait.Set(waitMode, 1, 0, noDelay);
      PauseForWait(play, &wait);
      break;
    case kShownTimed:
      wait.Set(waitMode, 0, frames, noDelay);
      PauseForWait(play, &wait);
      break;
    default:
      PauseForWait(play, nullptr);
      break;
  }
}
