#pragma once
// What the drawing of one shot puts on the screen this frame: the sheet it
// copies from, the source cell and the destination on the 640 x 480 view.
// The presentation pass fills one per drawn shot (cCharaDrawList::Shots), in
// drawing order; the renderer only replays them.
//
//   for (const SHOTDRAW& shot : draw.Shots) {
//     if (shot.nLayer == layer || !layered) BlitShot(surface, shot);
//   }

#include <cstdint>

#include "stage/objects/game_object.h"
#include "stage/objects/graphic_source.h"

struct SHOTDRAW {
  int32_t nShotId = 0;   // the shot's serial
  int32_t nLayer = 0;    // its drawing layer when the stage draws by layers
  int32_t bSword = 0;
  int32_t nPattern = 0;  // a projectile's animation pattern; a sword's step
  // The sheet and its second copy (18 entries further in the system table, 2
  // further in the sword list). Direct3D draws from the sheet. DirectDraw
  // draws from the copy when bUseCopy is set (a stretch the video memory
  // does not do) and the copy has a surface, else from the sheet, or from
  // the copy when the sheet has none.
  SURFACEREF sheet;
  SURFACEREF sheetCopy;
  int32_t bUseCopy = 0;
  int32_t nSrcX = 0;     // source cell, dots
  int32_t nSrcY = 0;
  int32_t nSrcW = 0;
  int32_t nSrcH = 0;
  cScreenRect rcDest;    // where it lands, edges included
  int32_t bStretch = 0;  // source and destination sizes differ (size above 1)
};
