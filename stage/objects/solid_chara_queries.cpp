// Questions about an object and the solid charas around it: overlaps, the
// chara it rides or could ride, corners held inside them; and the following
// of a ridden chara.

#include "stage/objects/object_lists.h"
#include "stage/objects/solid_chara_rules.h"
#include "stage/objects/stage_play.h"

namespace solid_chara_queries {

using solid_chara_rules::IsSolidFor;

constexpr double kRideReach = 5;  // dots below the bottom edge that still carry a rider
constexpr int32_t kRiddenByHeroTrigger = 16;
constexpr int32_t kRiddenTrigger = 17;

DRECT RideBox(const cCharaBase& obj) {
  DRECT box = solid_chara_rules::PositionBox(obj);
  box.bottom += kRideReach;
  return box;
}

}  // namespace solid_chara_queries

int32_t cStagePlay::OverlapsSolidChara(cCharaBase& obj, cList<cChara>& list) {
  if (solid_chara_rules::PassesSolids(obj)) return 0;
  return OverlapsSolidRectExcept(obj, list, solid_chara_rules::PositionBox(obj), kNoLink);
}

int32_t cStagePlay::OverlapsSolidCharaExcept(cCharaBase& obj, cList<cChara>& list, int32_t excludedId) {
  if (solid_chara_rules::PassesSolids(obj)) return 0;
  return OverlapsSolidRectExcept(obj, list, solid_chara_rules::PositionBox(obj), excludedId);
}

int32_t cStagePlay::OverlapsSolidRectExcept(const cCharaBase& obj, cList<cChara>& list, const DRECT& box,
                                            int32_t excludedId) {
  for (const cChara* solid : SolidCharasOf(list)) {
    const cChara& s = *solid;
    if (s.m_nId == excludedId || !solid_chara_queries::IsSolidFor(*this, s, obj)) continue;
    if (solid_chara_rules::PositionBox(s).Overlaps(box)) return 1;
  }
  return 0;
}

int32_t cStagePlay::IsOnRiddenChara(cCharaBase& obj) {
  // Of the listed charas bearing the ridden id, only the one the id table
  // names is live, so it is the only one that can count: no walk of the
  // solids is needed.
  const cChara* s = FindListedChara(obj.m_nRiddenId);
  if (s == nullptr || !solid_chara_queries::IsSolidFor(*this, *s, obj)) return 0;
  return solid_chara_rules::PositionBox(*s).Overlaps(solid_chara_queries::RideBox(obj)) ? 1 : 0;
}

cChara* cStagePlay::FindSolidCharaBelow(cCharaBase& obj) {
  const DRECT box = solid_chara_queries::RideBox(obj);
  for (cChara* s : SolidCharasOf(g_CharaList)) {
    if (solid_chara_queries::IsSolidFor(*this, *s, obj) && solid_chara_rules::PositionBox(*s).Overlaps(box)) return s;
  }
  return nullptr;
}

int32_t cStagePlay::AreCornersInSolidCharas(cCharaBase& obj, const DRECT& rc) {
  if (solid_chara_rules::PassesSolids(obj)) return 0;
  const DRECT own = solid_chara_rules::PositionBox(obj);
  // Top-left, top-right, bottom-left, bottom-right; the bottom corners one
  // dot up, as a standing object's feet rest on the row below.
  auto corner = [](const DRECT& box, int32_t i, double* x, double* y) {
    *x = (i & 1) != 0 ? box.right : box.left;
    *y = (i & 2) != 0 ? box.bottom - 1 : box.top;
  };
  for (int32_t i = 0; i < 4; ++i) {
    double ox = 0, oy = 0, rx = 0, ry = 0;
    corner(own, i, &ox, &oy);
    corner(rc, i, &rx, &ry);
    bool covered = false;
    for (const cChara* solid : SolidCharasOf(g_CharaList)) {
      const cChara& s = *solid;
      if (!solid_chara_queries::IsSolidFor(*this, s, obj)) continue;
      const DRECT box = solid_chara_rules::PositionBox(s);
      if (solid_chara_rules::Contains(box, ox, oy) || solid_chara_rules::Contains(box, rx, ry)) {
        covered = true;
        break;
      }
    }
    if (!covered) return 0;
  }
  return 1;
}

void cStagePlay::FollowRiddenChara(cCharaBase& rider, cList<cChara>&) {
  if (rider.m_bFlying != 0) return;
  cChara* ridden = FindListedChara(rider.m_nRiddenId);
  if (ridden == nullptr) return;
  rider.m_dVX += ridden->m_dX - rider.m_RiddenPos.left;
  if (ridden->m_bFlying != 0 || ridden->m_bInAir != 0) rider.m_dVY = ridden->m_dY - rider.m_RiddenPos.top;
  const int32_t riderId = rider.m_nId;
  if (rider.m_nControl == 0) ridden->StartFlowsByTrigger(solid_chara_queries::kRiddenByHeroTrigger, riderId, 0);
  // The first trigger's flows may have erased the ridden chara.
  ridden = FindListedChara(rider.m_nRiddenId);
  if (ridden != nullptr) ridden->StartFlowsByTrigger(solid_chara_queries::kRiddenTrigger, riderId, 0);
}

cChara* cStagePlay::FindListedChara(int32_t id) const {
  // Heroes share the id space but are no members of g_CharaList.
  return dynamic_cast<cChara*>(FindCharaById(id));
}
