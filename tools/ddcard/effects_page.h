#pragma once
// The effects page of the test card: every surface effect in its own grid cell
// at animation frame nFrame, drawn from one 96 x 96 picture (palette stripes
// with a chara over them) onto the back buffer. Cells that do not depend on the
// frame look the same at every frame; the moving ones step with it.

#include <cstdint>

// The cells in drawing order: 6 columns of 106 x 120 dots.
inline constexpr int32_t kEffectCellWidth = 106;
inline constexpr int32_t kEffectCellHeight = 120;
inline constexpr int32_t kEffectCellColumns = 6;

enum eEffectCell : int32_t {
  kCellTranslucent,    // quad strength moves with the frame (Direct3D)
  kCellHalfTranslucent,
  kCellColorChange,    // level moves
  kCellCircle,         // radius moves
  kCellCircleBands,    // band height moves
  kCellLens,           // depth moves
  kCellRotate,         // angle moves
  kCellTint,           // DDChangeColor (Direct3D) or DDFade_UnPal (DirectDraw); strength moves
  kCellBlur,           // radius moves (nothing at 8 bits)
  kCellMosaic,         // block size moves
  kCellWave,           // phase moves
  kCellStripe,         // shift moves
  kCellFlip,           // frame counter
  kCellSplit,          // distance moves
  kCellFrame,          // thickness moves
  kCellFramed,
  kCellNumber,         // the number is the frame
  kEffectCellCount,
};

// True for the cells whose drawing does not depend on the frame.
bool IsStillEffectCell(int32_t cell);

void DrawEffectsPage(int32_t nFrame);
