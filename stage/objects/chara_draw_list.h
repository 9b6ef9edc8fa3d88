#pragma once
// What a frame's state pass would draw: each drawing operation of the
// simulation changes its fields on the game thread and appends here what the
// pixels need, as the drawing saw it before stepping. The stage drawing
// replays the list (any number of times, from any thread) and writes no
// field; a headless run passes no list and keeps the same state.
//
//   cCharaDrawList draw;
//   draw.bPaletteCycles = display.IsPaletteAnimated8Bit();
//   draw.Env.bDirectDraw = display.IsDirectDraw();
//   play.UpdatePresentation(0, &draw);
//   for (const CHARADRAW& entry : draw.Entries) DrawEntry(surface, entry);
//   for (const SHOTDRAW& shot : draw.Shots) DrawShot(surface, shot);

#include <cstdint>

#include "core/containers/checked_vector.h"
#include "stage/objects/game_object.h"
#include "stage/objects/gauge_anim.h"
#include "stage/objects/hero_box_rect.h"
#include "stage/objects/shot_draw.h"

enum eCharaDrawKind : int32_t {
  kDrawLivingChara = 0,  // the graphic through its chara effect, then its mark
  kDrawDeadChara = 1,    // pattern 0 through the death's effect
  kDrawHpGauge = 2,
  kDrawSpGauge = 3,
  kDrawHeroBox = 4,      // one of the hero's rectangles
  kDrawDistanceRange = 5,
  kDrawLightMask = 6,    // the darkness around hero 0
  kDrawItemHint = 7,     // a carried item's 16 x 16 icon at rcScreen's top left:
                         // nSource, nGraphic and its cell in nPattern
};

// The invincible tint groups g_AnimTintTable holds (group 0 is no tint).
inline constexpr int32_t kTintGroupCount = 10;

struct CHARADRAW {
  int32_t nKind = kDrawLivingChara;
  int32_t nCharaId = 0;
  int32_t nPattern = 0;
  int32_t nGraphic = 0;     // GetGraphicIndex's graphic number
  int32_t nSource = 0;      // the definition's graphic source kind
  int32_t nSheet = 0;       // the graphic sheet number
  int32_t nTintGroup = 0;   // 1..9: blended with that group's pair in Direct3D mode; 0 plain
  cScreenRect rcScreen;
  int32_t nScale = 1;       // giant scale
  int32_t nEffectKind = 0;  // the CharaEffect record's kind, 0 plain
  double dEffectValue = 0;
  int32_t nEffectCounter = 0;  // the wave's degrees; the blink's frames
  int32_t nEffectToggle = 0;   // the blink's and translucent's toggle
  int32_t nMark = -1;          // mark sheet cell, -1 none
  GAUGEANIM Gauge;             // gauges: the record before its step
  int32_t nValue = 0;          // gauges: HP or SP and its maximum
  int32_t nMax = 0;
  HEROBOXRECT Box;             // a hero rectangle: placed, cycle before its step
  int32_t nRangeShape = 0;     // a distance range: shape, colour choice (0..7 in
  int32_t nRangeColour = 0;    // the data), phase, length, and the two edges of
  int32_t nRangePhase = 0;     // a band or the circle's centre (screen dots)
  int32_t nRangeLength = 0;
  int32_t nRangeFrom = 0;
  int32_t nRangeTo = 0;
  int32_t nLightMode = 0;      // the light mask: the hero's light mode (1..4),
  int32_t nFacingSign = 1;     // facing (+1 right, -1 left) and light shift in
  int32_t nLightShift = 0;     // dots (its sight), with its graphic at rcScreen
  int32_t nGraphicW = 0;
  int32_t nGraphicH = 0;
};

struct cCharaDrawList {
  cVector<CHARADRAW> Entries;
  cVector<SHOTDRAW> Shots;  // the shots drawn, in drawing order
  // Renderer and video stretching: which copy of a sheet a shot stretches from.
  cGraphicEnv Env;
  // An 8-bit display whose palette animation cycles the colour groups itself:
  // the four-shade colour cycles are not stepped by frame.
  int32_t bPaletteCycles = 0;
};

// The part of the darkness mask (maskW x maskH dots) put over the 640 x 480
// view for a light-mask entry: centred on the hero's graphic, shifted ahead
// of it in light modes 2 and 4, and never past the mask's edges.
void LightMaskOrigin(const CHARADRAW& entry, int32_t maskW, int32_t maskH, int32_t* sx, int32_t* sy);

// The colour of a hero rectangle as drawn: its group's first palette entry,
// one shade further every 8 frames unless the palette cycles by itself.
inline int32_t HeroBoxColour(const HEROBOXRECT& rect, int32_t bPaletteCycles) {
  return bPaletteCycles ? rect.nColour : rect.nColour + rect.nCycle / 8;
}
