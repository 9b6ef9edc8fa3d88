// The objects of a stage build: the hero, the placed charas with the items
// they carry, and the loose items.

#include <algorithm>

#include "core/log/report_log.h"
#include "records/save/save_data.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara_flow_calls.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"
#include "stage/services/stage_services.h"

namespace stage_build_objects {

constexpr int32_t kCellDots = 32;
constexpr int32_t kMarginCells = 10;
constexpr int32_t kRefreshEdges = -1;  // a clamp mode that only refreshes the edges

// The centre of stage cell (bx, by) in world dots.
double CellCentre(int32_t b) { return (static_cast<double>(b) + kMarginCells) * kCellDots + 16; }

// Placed item k, or null (logged once per build) for an index past the list.
const cItemDef* CarriedPart(int32_t k, int32_t& nBadLogged) {
  if (k >= 0 && k < g_Stage.m_PlacedItems.VectorSize()) return &g_Stage.m_PlacedItems.CheckedVectorAt(k);
  if (nBadLogged++ == 0) {
    ReportLog("SetStage: a chara carries item %d of %d placed items; it carries none", k,
              g_Stage.m_PlacedItems.VectorSize());
  }
  return nullptr;
}

}  // namespace stage_build_objects

void cStagePlay::PlaceHero() {
  ClearHeroes(*this);
  cCharaDef& def = g_Stage.m_PlacedCharas.CheckedVectorAt(g_Stage.FindHero());
  const bool carried = g_SaveData.m_bNextStart != 0;
  if (carried) def.m_nFacing = static_cast<int8_t>(g_SaveData.m_nNextFacing);
  const int32_t id = m_nNextObjectId++;
  // The carried position is written into the placement before the hero is
  // set up from it: a replay saves the placement as the build left it, so a
  // hero homed on the old cell would be homed elsewhere in its playback.
  if (carried) {
    def.m_nX = static_cast<int16_t>(g_SaveData.m_nNextX);
    def.m_nY = static_cast<int16_t>(g_SaveData.m_nNextY);
  }
  cHero hero;
  hero.InitForStage(id, &def, stage_build_objects::CellCentre(def.m_nX), stage_build_objects::CellCentre(def.m_nY));
  hero.SetBlockPosition(def.m_nX, def.m_nY, 1);
  // Right and bottom edges and edge cells follow the position whatever the
  // hero's own clamps do with the view.
  hero.ClampXMode(stage_build_objects::kRefreshEdges);
  hero.ClampYMode(stage_build_objects::kRefreshEdges);
  const double ox = def.OffsetX(0, def.m_nFacing);
  const double oy = def.OffsetY(0, def.m_nFacing);
  hero.m_dX += ox;
  hero.m_dRight += ox;
  hero.m_dY += oy;
  hero.m_dBottom += oy;
  hero.ClampXMode(stage_build_objects::kRefreshEdges);
  hero.ClampYMode(stage_build_objects::kRefreshEdges);
  if (g_Stage.m_bCarryHeroStatus != 0) g_SaveData.RestoreHeroValues(0, hero.m_nHp, hero.m_nSp);
  hero.m_Anime.SetSequence(hero.m_bFlying != 0 ? 2 : 0, 1);
  cHero& placed = AddHero(*this, hero);

  m_ScrollX.m_dPos = placed.m_dX - 320 + (placed.m_nWidth / 2);
  m_ScrollX.Clamp();
  m_ScrollY.m_dPos = placed.m_dY - 240 + (placed.m_nHeight / 2);
  m_ScrollY.Clamp();
  placed.UpdateScreenRect();
  if (placed.m_nSightDots > 0) Services().RebuildDarkness();
}

void cStagePlay::SpawnPlacedObjects() {
  const int32_t placedItems = g_Stage.m_PlacedItems.VectorSize();
  cVector<uint8_t> taken;
  taken.assign(static_cast<std::size_t>(placedItems), 0);
  int32_t nBadLogged = 0;
  for (const cCharaDef& def : g_Stage.m_PlacedCharas) {
    if (def.m_nControl != cCharaDef::kControlComputer) continue;
    if (def.m_nCarriedItem == -1) {
      SpawnPlacedChara(g_CharaList, def.m_nX, def.m_nY, &m_nNextObjectId, &def, nullptr);
      continue;
    }
    const cItemDef* part = stage_build_objects::CarriedPart(def.m_nCarriedItem, nBadLogged);
    if (part == nullptr) {
      SpawnPlacedChara(g_CharaList, def.m_nX, def.m_nY, &m_nNextObjectId, &def, nullptr);
      continue;
    }
    cItem carried;
    carried.InitFromDef(m_nNextItemId++, part, 1);
    SpawnPlacedChara(g_CharaList, def.m_nX, def.m_nY, &m_nNextObjectId, &def, &carried);
    taken.CheckedVectorAt(def.m_nCarriedItem) = 1;
  }
  for (int32_t k = 0; k < placedItems; ++k) {
    if (taken.CheckedVectorAt(k) != 0) continue;
    const cItemDef& item = g_Stage.m_PlacedItems.CheckedVectorAt(k);
    SpawnPlacedItem(g_ItemList, item.m_nX, item.m_nY, &m_nNextItemId, &item);
  }
}

void cStagePlay::SpawnPlacedChara(cList<cChara>& list, int32_t bx, int32_t by, int32_t* pNextId,
                                  const cCharaDef* lpDef, const cItem* lpCarried) {
  const cCharaDef copy = *lpDef;
  const bool homeFollows = g_SystemData.m_bLegacy768 == 0;
  for (int32_t i = 0; i <= copy.m_nCopies; ++i) {
    cChara chara;
    chara.Init(*pNextId, &copy, lpCarried, stage_build_objects::CellCentre(bx), stage_build_objects::CellCentre(by),
               static_cast<int16_t>(i));
    chara.PlaceAtBlock(bx, by);
    const double ox = copy.OffsetX(i, copy.m_nFacing);
    const double oy = copy.OffsetY(i, copy.m_nFacing);
    chara.m_dX += ox;
    chara.m_dRight += ox;
    chara.m_dY += oy;
    chara.m_dBottom += oy;
    if (homeFollows) {
      chara.m_dHomeX += ox;
      chara.m_dHomeY += oy;
    }
    if (chara.IsInsideStage(1) == 0) continue;
    chara.ClampX();
    chara.ClampY();
    cChara& added = list.emplace_back(chara);
    if (&list == &g_CharaList) m_CharaIds.Put(added.m_nId, &added);
    added.UpdateScreenRect();
    ++*pNextId;
  }
}

void cStagePlay::SpawnPlacedItem(cList<cItem>& list, int32_t bx, int32_t by, int32_t* pNextId,
                                 const cItemDef* lpDef) {
  const cItemDef copy = *lpDef;
  cItem item;
  item.InitFromDef(*pNextId, &copy, 0);
  item.PlaceAtBlock(bx, by, 1);
  item.m_dX += copy.m_nExtra1;
  item.m_dRight += copy.m_nExtra1;
  item.m_dY += copy.m_nExtra2;
  item.m_dBottom += copy.m_nExtra2;
  if (item.IsInsideStage(1) == 0) return;
  item.ClampXMode(2);
  item.ClampYMode(2);
  cItem& added = list.emplace_back(item);
  if (&list == &g_ItemList) m_ItemIds.Put(added.m_nId, &added);
  added.UpdateScreenRect();
  ++*pNextId;
}
