// The direction setting of a shot or summon as an absolute direction code.
// Kept apart: the records' replay-playback record shares its name with the
// running stage's, so this file sees only the records' one.
#include "records/script/shot_direction.h"
#include "stage/objects/shot_fire.h"

int32_t ResolveDirectionSetting(int32_t setting, int32_t facing, int32_t inputDirection, int32_t bReplay,
                                int32_t nReplayVersion) {
  cReplayPlayback playback;
  playback.bPlaying = bReplay != 0;
  playback.nFileVersion = nReplayVersion;
  // Flag 0: "any direction" fires forward.
  const int32_t code = ResolveDirectionCode(setting, facing, inputDirection, 0, playback);
  return code == 2 || code == 3 || (code >= 6 && code <= 11) ? code : 0;
}
