// ResolveGraphicSource, the icon source and the chara-effect work surfaces.
#include "stage/objects/graphic_source.h"

#include <algorithm>

#include "records/database/database.h"
#include "stage/objects/game_object.h"

SURFACEREF g_lpCharaEffectWork;
SURFACEREF g_lpMarkSheetScaled;
SURFACEREF g_lpLensWork;

namespace graphic_source {

// Entries of the system table.
constexpr int32_t kBlockVideo = 2;
constexpr int32_t kBlockSystem = 3;
constexpr int32_t kCharaSheets = 4;        // 4 + 2s as drawn, 5 + 2s mirrored
constexpr int32_t kCharaSheetCopies = 18;  // their system-memory copies lie 18 further
constexpr int32_t kCharaSheetCount = 8;
constexpr int32_t kItemVideo = 40;
constexpr int32_t kItemSystem = 41;
constexpr int32_t kItemMini = 42;
constexpr int32_t kMarkVideo = 43;
constexpr int32_t kMarkSystem = 44;
constexpr int32_t kShotWork = 63;  // 63 as drawn, 64 mirrored
constexpr int32_t kEffectWorkVideo = 67;
constexpr int32_t kEffectWorkSystem = 68;
constexpr int32_t kLensWorkDirect3D = 70;
constexpr int32_t kMirroredFrom = 20;  // block and item cells from here use the mirrored sheet

SURFACEREF System(int32_t index) { return {kSurfaceSystem, index}; }
SURFACEREF CharaExc(int32_t index) { return {kSurfaceCharaExc, index}; }

void SetOwn(GRAPHICSRC& out, SURFACEREF video, SURFACEREF system) {
  out.ownVideo = video;
  out.ownSystem = system;
}

void SetOpp(GRAPHICSRC& out, SURFACEREF video, SURFACEREF system) {
  out.oppVideo = video;
  out.oppSystem = system;
}

int32_t Facing(const cGameObject* owner) { return owner != nullptr && owner->m_nFacing == 1 ? 1 : 0; }

// A chara-sheet graphic outside the sheets or its picture falls back to the
// first sheet's first cell.
void CharaSheet(GRAPHICSRC& out, int32_t kind, int32_t g, int32_t p, int32_t f, int32_t q, const cGraphicEnv& env) {
  const int32_t s = g / 15;
  const bool known = g >= 0 && s < kCharaSheetCount;
  int32_t k = kCharaSheets + 2 * s;
  out.nSrcY = (g % 15) * 32;
  if (kind == kGraphicOwnerChara) {
    k += f;
    out.nSrcX = (p + q) * 32;
    const int32_t opp = f == 0 ? k + 1 : k - 1;
    SetOpp(out, System(opp), System(opp + kCharaSheetCopies));
  } else if (p >= kMirroredFrom) {
    k += 1;
    out.nSrcX = (p - kMirroredFrom) * 32;
  } else {
    out.nSrcX = p * 32;
  }
  SetOwn(out, System(k), System(k + kCharaSheetCopies));
  const bool inside = known && out.nSrcX >= 0 && out.nSrcY >= 0 && out.nSrcY < env.nCharaSheetH[s] &&
                      out.nSrcX < env.nCharaSheetW[s];
  if (inside) return;
  SetOwn(out, System(kCharaSheets), System(kCharaSheets + kCharaSheetCopies));
  SetOpp(out, System(kCharaSheets), System(kCharaSheets + kCharaSheetCopies));
  out.nSrcX = out.nSrcY = 0;
}

// The cell size of exclusive bitmap g in 32-dot units (1 without the flag).
int32_t CellUnits(const cBmpCharaExc& bmp) { return bmp.CellDots() / 32; }

bool IsCharaExc(int32_t g) { return g >= 1 && g < g_Database.m_BmpCharaExcs.VectorSize(); }

// The cell position of cell p' of exclusive bitmap g.
void CharaExcCell(GRAPHICSRC& out, int32_t g, int32_t cell) {
  const cBmpCharaExc& bmp = g_Database.m_BmpCharaExcs.CheckedVectorAt(g);
  out.bCellSize = bmp.m_bCellSize;
  if (out.bCellSize != 0) {
    const int32_t c = CellUnits(bmp);
    out.nCellSize = c;
    const int32_t n = std::max(1, 16 / c);  // cells of more than 16 units: one to a row
    out.nSrcX = (cell % n) * 32 * c;
    out.nSrcY = (cell / n) * 32 * c;
  } else {
    out.nSrcX = (cell % 16) * 32;
    out.nSrcY = (cell & ~15) * 2;
  }
}

void CharaExc(GRAPHICSRC& out, int32_t kind, int32_t g, int32_t p, int32_t f, int32_t q) {
  if (!IsCharaExc(g)) {  // no picture: nothing is drawn
    SetOwn(out, {}, {});
    SetOpp(out, {}, {});
    return;
  }
  const int32_t base = 4 * g - 4;
  if (kind == kGraphicOwnerChara) {
    const int32_t k = base + f;
    const int32_t opp = f == 0 ? k + 1 : k - 1;
    SetOwn(out, CharaExc(k), CharaExc(k + 2));
    SetOpp(out, CharaExc(opp), CharaExc(opp + 2));
    CharaExcCell(out, g, p + q);
  } else {
    SetOwn(out, CharaExc(base), CharaExc(base + 2));
    CharaExcCell(out, g, p);
  }
}

}  // namespace graphic_source

void ResolveGraphicSource(GRAPHICSRC* out, int32_t kind, int32_t source, int32_t g, int32_t p,
                          const cGameObject* owner, int32_t q, const cGraphicEnv& env) {
  using namespace graphic_source;
  GRAPHICSRC& r = *out;
  r.bCellSize = 0;
  r.nCellSize = 1;
  const int32_t f = kind == kGraphicOwnerChara ? Facing(owner) : 0;
  switch (source) {
    case 0:
      SetOwn(r, System(kBlockVideo), System(kBlockSystem));
      SetOpp(r, System(kBlockVideo), System(kBlockSystem));
      r.nSrcX = (g / 15) * 32;
      r.nSrcY = (g % 15) * 32;
      break;
    case 1:
      CharaSheet(r, kind, g, p, f, q, env);
      break;
    case 2:
      SetOwn(r, System(kItemVideo), System(kItemSystem));
      SetOpp(r, System(kItemVideo), System(kItemSystem));
      r.nSrcX = (g / 15) * 64 + (kind == kGraphicOwnerItem ? q * 32 : 0);
      r.nSrcY = (g % 15) * 32;
      break;
    case 3: {
      const int32_t own = kind == kGraphicOwnerChara ? kShotWork + f : kShotWork;
      SetOwn(r, System(own), System(own));
      if (kind == kGraphicOwnerChara) SetOpp(r, System(2 * kShotWork + 1 - own), System(2 * kShotWork + 1 - own));
      r.nSrcX = (g / 30) * 64;
      r.nSrcY = (g % 30) * 32;
      break;
    }
    case 4:
      CharaExc(r, kind, g, p, f, q);
      break;
    default:
      break;
  }
  const bool video = env.bDirectDraw != 0 && env.bVideoStretch != 0;
  r.chosenOwn = video ? r.ownVideo : r.ownSystem;
  r.chosenOpp = video ? r.oppVideo : r.oppSystem;
}

ICONSOURCE SourceIcon(int32_t source, int32_t g, int32_t p) {
  using namespace graphic_source;
  ICONSOURCE icon;
  switch (source) {
    case 0:  // the block drawing's column, (g / 15) x 32
      return {1, System(kBlockSystem), (g / 15) * 32, (g % 15) * 32, 32, 32, 1};
    case 1:
      if (g < 0 || g / 15 >= kCharaSheetCount) return icon;
      return {1, System(kCharaSheets + kCharaSheetCopies + 2 * (g / 15)), p * 32, (g % 15) * 32, 32, 32, 1};
    case 2:
      return {1, System(kItemMini), (g / 15) * 32, (g % 15) * 16, 16, 16, 0};
    case 3:
      return {1, System(kShotWork), (g / 30) * 64, (g % 30) * 32, 32, 32, 1};
    case 4: {
      if (!IsCharaExc(g)) return icon;
      GRAPHICSRC cell;
      CharaExcCell(cell, g, p);
      const int32_t side = 32 * (cell.bCellSize != 0 ? cell.nCellSize : 1);
      return {1, CharaExc(4 * g - 2), cell.nSrcX, cell.nSrcY, side, side, 1};
    }
    default:
      return icon;
  }
}

void SelectCharaEffectSurfaces(const cGraphicEnv& env) {
  using namespace graphic_source;
  const bool video = env.bDirectDraw != 0 && env.bVideoStretch != 0;
  g_lpCharaEffectWork = System(video ? kEffectWorkVideo : kEffectWorkSystem);
  g_lpMarkSheetScaled = System(video ? kMarkVideo : kMarkSystem);
  g_lpLensWork = System(env.bDirectDraw != 0 ? kEffectWorkSystem : kLensWorkDirect3D);
}
