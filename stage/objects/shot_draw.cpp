// The drawing of a shot: the projectile's animation step, and what the
// pixels need of either kind (sheet, source cell, destination).
#include "stage/objects/shot_draw.h"

#include "records/database/database.h"
#include "stage/objects/chara_draw_list.h"
#include "stage/objects/shot.h"
#include "stage/objects/shot_sword.h"

namespace shot_draw {

// The shot sheet ("bmp\Shot.bmp") as drawn facing left and mirrored; each
// sheet of the system table has its second copy 18 entries further.
constexpr int32_t kShotSheet = 20;
constexpr int32_t kSystemCopyOffset = 18;
// Four sword pictures per sword type: the two facings, then their copies.
constexpr int32_t kSwordSurfaces = 4;
constexpr int32_t kSwordCopyOffset = 2;
// The sheet holds 30 graphics down a column pair, two 16-dot frames each.
constexpr int32_t kCell = 16;
constexpr int32_t kGraphicsPerColumn = 30;
constexpr int32_t kFramesPerGraphic = 2;

int32_t FacingOf(const cShot& shot) { return shot.m_nFacing == 1 ? 1 : 0; }

// The destination: the shot's screen position at its (scaled) box size.
cScreenRect Destination(const cShot& shot) {
  const cScreenRect& rc = shot.m_rcScreen;
  return {rc.left, rc.top, rc.left + shot.m_nWidth - 1, rc.top + shot.m_nHeight - 1};
}

SHOTDRAW Common(const cShot& shot, int32_t pattern) {
  SHOTDRAW entry;
  entry.nShotId = shot.m_nId;
  entry.nLayer = shot.m_Settings.m_nZ;
  entry.bSword = shot.m_bShot == 0 ? 1 : 0;
  entry.nPattern = pattern;
  entry.rcDest = Destination(shot);
  entry.bStretch = shot.m_Settings.m_nSize > 1 ? 1 : 0;
  return entry;
}

SHOTDRAW Projectile(const cShot& shot, int32_t pattern, const cGraphicEnv& env) {
  SHOTDRAW entry = Common(shot, pattern);
  const int32_t sheet = kShotSheet + FacingOf(shot);
  entry.sheet = {kSurfaceSystem, sheet};
  entry.sheetCopy = {kSurfaceSystem, sheet + kSystemCopyOffset};
  // DirectDraw stretches from the system-memory copy unless the video memory
  // stretches; Direct3D draws every size from the sheet itself.
  entry.bUseCopy = entry.bStretch != 0 && env.bDirectDraw != 0 && env.bVideoStretch == 0 ? 1 : 0;
  const int32_t g = shot.m_nGraphicNo;
  entry.nSrcX = (pattern + (g / kGraphicsPerColumn) * kFramesPerGraphic) * kCell;
  entry.nSrcY = (g % kGraphicsPerColumn) * kCell;
  entry.nSrcW = entry.bStretch != 0 ? shot.m_nWidthBase : kCell;
  entry.nSrcH = entry.bStretch != 0 ? shot.m_nHeightBase : kCell;
  return entry;
}

// A sword type's pictures exist from type 1 on (type 0 is the empty entry).
bool HasSwordPictures(int32_t type) { return type >= 1 && type < g_Database.m_SwordTypes.VectorSize(); }

// False when there is nothing to draw: a type without pictures or no step.
bool Sword(const cShot& shot, SHOTDRAW* out) {
  const int32_t type = shot.m_Settings.m_nMoveType;
  const cSwordTypeEntry* step = SwordStep(type, shot.m_nSwordStep);
  if (!HasSwordPictures(type) || step == nullptr) return false;
  SHOTDRAW entry = Common(shot, shot.m_nSwordStep);
  const int32_t sheet = kSwordSurfaces * (type - 1) + FacingOf(shot);
  entry.sheet = {kSurfaceSword, sheet};
  entry.sheetCopy = {kSurfaceSword, sheet + kSwordCopyOffset};
  entry.nSrcX = step->m_nSrcX;
  entry.nSrcY = step->m_nSrcY;
  entry.nSrcW = entry.bStretch != 0 ? shot.m_nWidthBase : shot.m_nWidth;
  entry.nSrcH = entry.bStretch != 0 ? shot.m_nHeightBase : shot.m_nHeight;
  *out = entry;
  return true;
}

}  // namespace shot_draw

int32_t cShot::StepDraw(int32_t paused, cCharaDrawList* lpDraw) {
  using namespace shot_draw;
  if (m_Settings.m_bShotOpt2 != 0) return -1;  // hidden switch
  if (m_bShot == 0) {
    SHOTDRAW entry;
    if (lpDraw != nullptr && Sword(*this, &entry)) lpDraw->Shots.push_back(entry);
    return -1;
  }
  const int32_t pattern = paused != 0 ? m_Anime.GetPattern() : m_Anime.Step();
  if (lpDraw != nullptr) lpDraw->Shots.push_back(Projectile(*this, pattern, lpDraw->Env));
  return pattern;
}
