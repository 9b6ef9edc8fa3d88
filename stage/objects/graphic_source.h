#pragma once
// Graphic sources: a block's, chara's or item's graphic setting (source,
// graphic number g, cell p) turned into the surfaces to draw from and the
// source cell's top-left corner, for both facings and both renderers. The
// simulation names surfaces (SURFACEREF), never holds them: the scene
// resolves an entry of its system table or of the per-stage chara-picture
// list when it draws.
//
//   cGraphicEnv env = SceneGraphicEnv();            // renderer, stretching, sheet sizes
//   GRAPHICSRC src;
//   ResolveGraphicSource(&src, kGraphicOwnerChara, 1, 17, 2, &chara, 0, env);
//   // src.chosenOwn: sheet 1 as drawn or mirrored; (nSrcX, nSrcY) = (64, 64)

#include <cstdint>

class cGameObject;

// Where a surface is listed: the system table (g_SDTable), the per-stage
// list of chara pictures (four per Bmp_CharaExc entry from 1 on) or the
// per-stage list of sword pictures (four per sword type from 1 on).
enum eSurfaceTable : int32_t { kSurfaceNone = 0, kSurfaceSystem = 1, kSurfaceCharaExc = 2, kSurfaceSword = 3 };

struct SURFACEREF {
  int32_t nTable = kSurfaceNone;
  int32_t nIndex = 0;

  bool operator==(const SURFACEREF&) const = default;
};

// The object kinds of ResolveGraphicSource.
enum eGraphicOwner : int32_t { kGraphicOwnerBlock = 0, kGraphicOwnerChara = 1, kGraphicOwnerItem = 2 };

// The display facts the resolution reads, supplied by the scene.
struct cGraphicEnv {
  int32_t bDirectDraw = 0;    // 0: Direct3D
  int32_t bVideoStretch = 0;  // DirectDraw stretches in video memory
  int32_t nCharaSheetW[8] = {};  // Character1.bmp .. Character8.bmp, as loaded
  int32_t nCharaSheetH[8] = {};
};

struct GRAPHICSRC {
  SURFACEREF ownVideo;   // own facing, video memory
  SURFACEREF ownSystem;  // own facing, system-memory copy
  SURFACEREF oppVideo;   // opposite facing
  SURFACEREF oppSystem;
  SURFACEREF chosenOwn;  // the pair the renderer draws from
  SURFACEREF chosenOpp;
  int32_t nBlend = 0;    // left alone here (the drawing's blend switch and pair)
  int32_t nPair[2] = {};
  int32_t bCellSize = 0;  // an exclusive bitmap cut into m_nCellSize cells
  int32_t nCellSize = 1;  // in 32-dot units, 1..256
  int32_t nSrcX = 0;      // the cell's top-left corner in dots
  int32_t nSrcY = 0;
};

// Fills *out for drawing graphic g, cell p of source 0 (blocks) to 4
// (exclusive bitmaps); q is the animation's pattern offset in 32-dot
// columns; owner (a chara: its facing) may be null for the other kinds. A
// source outside 0..4 writes no surface and no position.
void ResolveGraphicSource(GRAPHICSRC* out, int32_t kind, int32_t source, int32_t g, int32_t p,
                          const cGameObject* owner, int32_t q, const cGraphicEnv& env);

// The source of a 16 x 16 icon of a graphic: the surface, the source cell,
// and whether it is stretched to 16 x 16 (else copied 1 : 1). bValid 0
// draws nothing.
struct ICONSOURCE {
  int32_t bValid = 0;
  SURFACEREF surface;
  int32_t nX = 0, nY = 0, nW = 0, nH = 0;
  int32_t bStretch = 0;
};
ICONSOURCE SourceIcon(int32_t source, int32_t g, int32_t p);

// The work surfaces of the chara-effect drawing for the renderer in use.
extern SURFACEREF g_lpCharaEffectWork;
extern SURFACEREF g_lpMarkSheetScaled;
extern SURFACEREF g_lpLensWork;
void SelectCharaEffectSurfaces(const cGraphicEnv& env);
