#pragma once
// PICTUREREQUEST: a picture the simulation asks the play scene to show (a
// ピクチャーの表示 command). The scene looks up a picture of the same ID,
// loads or keeps its surface and sets its picture object up from these
// values; the followed chara's centre is read by the simulation, so the scene
// never looks a chara up.

#include <cstdint>

struct PICTUREREQUEST {
  int32_t nPicture = 0;       // Picture database index
  int32_t nPosMode = 0;       // 0 screen centre, 1 the chara, 2 the hero, 3 screen, 4 stage coordinates
  int32_t nBlockX = 0;
  int32_t nBlockY = 0;
  int32_t nDotX = 0;
  int32_t nDotY = 0;
  int32_t nStay = 0;
  int32_t nLevel = 0;
  int32_t nPercent = 0;       // scale
  int32_t nDurationMode = 0;  // 0 until the key, 1 until the stage ends, 2 timed
  int32_t nFrames = 0;
  int32_t bStopGame = 0;
  int32_t nCharaId = -1;      // the followed chara, -1 none
  int32_t bUseId = 0;
  int32_t nId = 0;
  int32_t bCharaPresent = 0;  // the followed chara runs: its centre below is valid
  int32_t nCharaCenterX = 0;  // screen dots
  int32_t nCharaCenterY = 0;
  int32_t bPlaceNow = 0;      // placed on the chara at once rather than at its first draw
};
