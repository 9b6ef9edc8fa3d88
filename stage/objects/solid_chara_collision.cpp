// An object against the solid charas after its move: the push-out
// candidates on the four sides, landing and riding, ceilings, sides and
// crushes. The candidates' order of collection and resolution is the one
// replays were recorded with.

#include "core/log/ec_log.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/solid_chara_rules.h"
#include "stage/objects/stage_play.h"

namespace solid_chara_collision {

using solid_chara_rules::IsSolidFor;
using solid_chara_rules::PositionBox;
using solid_chara_rules::SavedBox;

constexpr int32_t kCrushed = 2;
constexpr int32_t kTouchSolidTrigger = 5;
constexpr int32_t kRideTrigger = 6;
constexpr int32_t kRiddenByHeroTrigger = 16;
constexpr int32_t kRiddenTrigger = 17;
constexpr int32_t kBackOffSteps = 15;
constexpr double kBackOffDots = 0.1;

// A push-out position with the solid that asks for it. Presence is its own
// flag: a real candidate may lie at -1 or above the stage (the top margin).
struct cCandidate {
  bool bSet = false;
  double dValue = 0;
  double dSpeed = 0;  // the solid's speed on the candidate's axis
  int32_t nSolidId = kNoLink;
};

void Raise(cCandidate& c, double value, double speed, int32_t id) {
  if (!c.bSet || value > c.dValue) c = cCandidate{true, value, speed, id};
}
void Lower(cCandidate& c, double value, double speed, int32_t id) {
  if (!c.bSet || value < c.dValue) c = cCandidate{true, value, speed, id};
}

struct cSolidWork {
  cCandidate L;  // new x right of a solid on the left
  cCandidate R;  // new x left of a solid on the right
  cCandidate T;  // new y below a solid above
  cCandidate B;  // new y on a solid below
  bool bTouched = false;
  bool bLanded = false;
};

// The overlap along one axis: from the later start to the end of the other.
double Overlap(double objStart, double objEnd, double sStart, double sEnd) {
  return sStart >= objStart ? objEnd - sStart + 1 : sEnd - objStart + 1;
}

bool Touches(const DRECT& s, double left, double top, double right, double bottom) {
  return s.Overlaps(DRECT{left, top, right, bottom});
}

// An ordinary chara's own lock; the player's object frees the lock of the
// hero, whose jump reads it.
void ClearJumpLock(cCharaBase& obj) {
  if (obj.m_nControl == 1) {
    obj.m_bJumpLocked = 0;
  } else {
    g_Heroes.CheckedVectorAt(0).m_bJumpLocked = 0;
  }
}

// --- flying objects stopped or killed by blocks ---

// The candidates from the edge lines of k that solid s (box sb) touches:
// left and right (vertical false) or top and bottom, the corners left out.
void TakeEdges(cCharaBase& obj, const cChara& s, const DRECT& sb, const DRECT& k, bool vertical, cSolidWork& w) {
  if (!vertical) {
    if (Touches(sb, k.left, k.top + 1, k.left, k.bottom - 1)) {
      obj.m_bContactLeft = 1;
      Raise(w.L, sb.right + 1, s.m_dVX, s.m_nId);
    }
    if (Touches(sb, k.right, k.top + 1, k.right, k.bottom - 1)) {
      obj.m_bContactRight = 1;
      Lower(w.R, sb.left - obj.m_nWidth, s.m_dVX, s.m_nId);
    }
    return;
  }
  if (Touches(sb, k.left + 1, k.top, k.right - 1, k.top)) {
    obj.m_bContactTop = 1;
    Raise(w.T, sb.bottom + 1, s.m_dVY, s.m_nId);
  }
  if (Touches(sb, k.left + 1, k.bottom, k.right - 1, k.bottom)) {
    obj.m_bContactBottom = 1;
    Lower(w.B, sb.top - obj.m_nHeight, s.m_dVY, s.m_nId);
  }
}

// A solid whose box meets k. Out of line, so that the walk keeps none of the
// solid's edges across the test for this rare case (it spilled them on every
// solid).
[[gnu::noinline]] void CollectEdgesOf(cStagePlay& play, cCharaBase& obj, const cChara& s, const DRECT& k, int32_t axis,
                                      cSolidWork& w) {
  if (!IsSolidFor(play, s, obj)) return;
  const DRECT sb = PositionBox(s);
  w.bTouched = true;
  bool vertical = axis == 1;
  if (axis == 0) {
    vertical = Overlap(k.left, k.right, sb.left, sb.right) > Overlap(k.top, k.bottom, sb.top, sb.bottom);
  }
  TakeEdges(obj, s, sb, k, vertical, w);
}

// axis 0: the side each solid meets the most (its narrower overlap); 1 only
// the top and bottom; 2 only the sides.
void CollectEdges(cStagePlay& play, cCharaBase& obj, cList<cChara>& list, int32_t axis, cSolidWork& w) {
  const DRECT k = PositionBox(obj);
  // The box first: most solids are far away, and both tests only read.
  solid_chara_rules::ForEachMeeting(play.SolidCharasOf(list), k,
                                    [&](const cChara& s) { CollectEdgesOf(play, obj, s, k, axis, w); });
}

// A flying object is pushed only by a solid that comes at it (or stands
// still), or that it moves into; a solid moving away leaves it to the other
// axis. sign is +1 for the solid on the left or above, -1 for the others.
void ResolveFlyingSide(cStagePlay& play, cCharaBase& obj, cList<cChara>& list, const cCandidate& c, bool horizontal,
                       double sign, int32_t& contact) {
  if (!c.bSet) return;
  (horizontal ? obj.m_dInertiaX : obj.m_dInertiaY) = 0;
  const double v = horizontal ? obj.m_dVX : obj.m_dVY;
  if (c.dSpeed * sign >= 0 || v * sign < 0) {
    if (horizontal) {
      obj.m_dX = c.dValue;
      obj.m_bSolidPushed = 1;
      obj.ClampX();
    } else {
      obj.m_dY = c.dValue;
      obj.ClampY();
    }
    return;
  }
  contact = 0;
  play.PushOutOfSolidCharas(obj, list, horizontal ? 1 : 0);
}

void ResolveFlying(cStagePlay& play, cCharaBase& obj, cList<cChara>& list, const cSolidWork& w) {
  ResolveFlyingSide(play, obj, list, w.L, true, 1, obj.m_bContactLeft);
  ResolveFlyingSide(play, obj, list, w.R, true, -1, obj.m_bContactRight);
  ResolveFlyingSide(play, obj, list, w.T, false, 1, obj.m_bContactTop);
  ResolveFlyingSide(play, obj, list, w.B, false, -1, obj.m_bContactBottom);
}

int32_t CollideFlying(cStagePlay& play, cCharaBase& obj, cList<cChara>& list) {
  cSolidWork w;
  CollectEdges(play, obj, list, 0, w);
  if (w.bTouched) obj.FireTrigger(kTouchSolidTrigger);
  const bool any = w.L.bSet || w.R.bSet || w.T.bSet || w.B.bSet;
  if (obj.m_nFlyBlockMode == 2) return any ? kCrushed : 0;
  ResolveFlying(play, obj, list, w);
  return 0;
}

// --- walking objects and the hero ---

struct cWalkBoxes {
  DRECT K;  // the body
  DRECT U;  // its upper half
  DRECT F;  // its foot strip
  DRECT P;  // the saved horizontal extent at the current height
  DRECT S;  // the saved body
};

cWalkBoxes WalkBoxesOf(const cCharaBase& obj) {
  cWalkBoxes b;
  b.K = PositionBox(obj);
  b.U = DRECT{obj.m_dX, obj.m_dY, obj.m_dRight, obj.m_dY + obj.m_nHeight / 2};
  b.F = DRECT{obj.m_dX + 1, obj.m_dBottom - obj.m_nHeight / 3, obj.m_dRight - 1, obj.m_dBottom};
  b.P = DRECT{obj.m_dSavedX, obj.m_dY, obj.m_dSavedRight, obj.m_dBottom};
  b.S = SavedBox(obj);
  return b;
}

void TakeFloor(cCharaBase& obj, const cChara& s, cSolidWork& w) {
  const double y = s.m_dY - obj.m_nHeight;
  if (w.B.bSet && !(y < w.B.dValue)) return;
  w.B = cCandidate{true, y, s.m_dVY, s.m_nId};
  obj.m_nRiddenId = s.m_nId;
  obj.m_RiddenPos = PositionBox(s);
}

void TakeLeft(cCharaBase& obj, const DRECT& sb, int32_t id, cSolidWork& w) {
  obj.m_bContactLeft = 1;
  Raise(w.L, sb.right + 1.5, 0, id);
}
void TakeRight(cCharaBase& obj, const DRECT& sb, int32_t id, cSolidWork& w) {
  obj.m_bContactRight = 1;
  Lower(w.R, sb.left - obj.m_nWidth - 0.5, 0, id);
}

// A solid meeting the upper half: a landing at speed, a ceiling or a side.
void CollectUpper(cCharaBase& obj, const cChara& s, const cWalkBoxes& b, cSolidWork& w, double vt, double vs) {
  const DRECT sb = PositionBox(s);
  const DRECT sSaved = SavedBox(s);
  const bool pathMet = b.P.Overlaps(sSaved);
  if (obj.m_dVY > vt && pathMet && obj.m_dSavedY < s.m_dSavedY) {
    EcLog("D Hit");
    if (s.m_dVY < 0) obj.m_bContactBottom = 1;
    TakeFloor(obj, s, w);
    return;
  }
  const double wU = Overlap(b.U.left, b.U.right, sb.left, sb.right);
  const double hU = Overlap(b.U.top, b.U.bottom, sb.top, sb.bottom);
  if ((wU - hU > vs && obj.m_dBottom > sb.bottom) || (pathMet && obj.m_dSavedY > s.m_dSavedY && !b.S.Overlaps(sb))) {
    if (s.m_dVY > 0) obj.m_bContactTop = 1;
    Raise(w.T, sb.bottom + 1, s.m_dVY, s.m_nId);
    if (obj.m_bRiding != 0 && obj.m_dVY < 0) obj.m_bContactBottom = 1;
    return;
  }
  // The sides of the upper half, the side it moves towards first.
  const bool left = Touches(sb, b.U.left, b.U.top, b.U.left, b.U.bottom);
  const bool right = Touches(sb, b.U.right, b.U.top, b.U.right, b.U.bottom);
  if (obj.m_dVX < 0) {
    if (left) {
      TakeLeft(obj, sb, s.m_nId, w);
    } else if (right) {
      TakeRight(obj, sb, s.m_nId, w);
    }
  } else if (right) {
    TakeRight(obj, sb, s.m_nId, w);
  } else if (left) {
    TakeLeft(obj, sb, s.m_nId, w);
  }
}

// A solid meeting only the lower half: a side or the floor.
void CollectLower(cCharaBase& obj, const cChara& s, const cWalkBoxes& b, cSolidWork& w) {
  const DRECT sb = PositionBox(s);
  const double width = Overlap(b.K.left, b.K.right, sb.left, sb.right);
  const double height = Overlap(b.K.top, b.K.bottom, sb.top, sb.bottom);
  if (height > width) {
    if (Touches(sb, b.K.right, b.K.top, b.K.right, b.K.bottom)) TakeRight(obj, sb, s.m_nId, w);
    if (Touches(sb, b.K.left, b.K.top, b.K.left, b.K.bottom)) TakeLeft(obj, sb, s.m_nId, w);
  } else if (sb.Overlaps(b.F)) {
    if (s.m_dVY < 0) obj.m_bContactBottom = 1;
    TakeFloor(obj, s, w);
  }
}

// A solid whose box meets the body; out of line as CollectEdgesOf is.
[[gnu::noinline]] void CollectMet(cStagePlay& play, cCharaBase& obj, const cChara& s, const cWalkBoxes& b,
                                  cSolidWork& w) {
  if (!IsSolidFor(play, s, obj)) return;
  w.bTouched = true;
  if (PositionBox(s).Overlaps(b.U)) {
    const double steps = g_Stage.m_dSubSteps;
    CollectUpper(obj, s, b, w, 2 / steps, 0.4 / steps);
  } else {
    CollectLower(obj, s, b, w);
  }
}

void CollectWalking(cStagePlay& play, cCharaBase& obj, cList<cChara>& list, const cWalkBoxes& b, cSolidWork& w) {
  // Every chara walks past every solid, nearly always without a touch: the
  // body is kept in registers (the hit work writes through obj, which the
  // compiler cannot tell apart from b), and the landing thresholds are only
  // worked out for a solid that meets the upper half.
  const DRECT k = b.K;
  solid_chara_rules::ForEachMeeting(play.SolidCharasOf(list), k,
                                    [&](const cChara& s) { CollectMet(play, obj, s, b, w); });
}

// Pressed down by a solid above: the jump ends and the object moves with it.
void CeilingPush(cStagePlay& play, cCharaBase& obj, double y, double speed) {
  obj.m_dInertiaY = 0;
  obj.m_bJumpRising = 1;
  obj.m_bJumpHit = 1;
  obj.m_bJumpLocked = 1;
  if (g_SystemData.m_bLegacy808 == 0) obj.m_dPushVY = 0;
  obj.m_dVY = speed;
  obj.m_dY = y;
  obj.ClampY();
  play.RecheckBlocksY(obj);
}

// The first solid (list order) over the upper half of the body given.
const cChara* FirstSolidOver(cStagePlay& play, const cCharaBase& obj, cList<cChara>& list, const DRECT& upper) {
  for (const cChara* s : play.SolidCharasOf(list)) {
    if (IsSolidFor(play, *s, obj) && PositionBox(*s).Overlaps(upper)) return s;
  }
  return nullptr;
}

void PushUnderFirstSolid(cStagePlay& play, cCharaBase& obj, cList<cChara>& list, const DRECT& upper, bool contact) {
  const cChara* s = FirstSolidOver(play, obj, list, upper);
  if (s == nullptr) return;
  if (contact && s->m_dVY > 0) obj.m_bContactTop = 1;
  CeilingPush(play, obj, s->m_dBottom + 1, s->m_dVY);
}

void ResolveCeiling(cStagePlay& play, cCharaBase& obj, cList<cChara>& list, const cSolidWork& w) {
  if (w.T.dSpeed < 0) {
    // Where the push would put it: its top at T, every other edge and its
    // cells as they are.
    const DRECT pushed{obj.m_dX, w.T.dValue, obj.m_dRight, obj.m_dBottom};
    if (obj.TouchesSolidCorner() != 0 || play.OverlapsSolidRectExcept(obj, list, pushed, w.T.nSolidId) != 0) return;
  }
  CeilingPush(play, obj, w.T.dValue, w.T.dSpeed);
}

void Land(cStagePlay& play, cCharaBase& obj, cSolidWork& w) {
  if (w.B.dSpeed > 0 && obj.TouchesSolidCorner() != 0) {
    obj.m_bRiding = 0;
    return;
  }
  obj.m_dInertiaY = 0;
  w.bLanded = true;
  if (obj.m_bRiding == 0) {
    obj.m_bRiding = 1;
    const int32_t riderId = obj.m_nId;
    if (cChara* s = play.FindListedChara(w.B.nSolidId); s != nullptr && obj.m_nControl == 0) {
      s->StartFlowsByTrigger(kRiddenByHeroTrigger, riderId, 0);
    }
    if (cChara* s = play.FindListedChara(w.B.nSolidId)) s->StartFlowsByTrigger(kRiddenTrigger, riderId, 0);
  }
  obj.m_dY = w.B.dValue;
  obj.ClampY();
  obj.m_dVY = 0;
  obj.m_nNoFloorSteps = 0;
  obj.m_bJumpRising = 0;
  obj.m_bJumpHit = 0;
  obj.m_bInAir = 0;
  obj.m_bPushed = 0;
  ClearJumpLock(obj);
}

void PushSide(cCharaBase& obj, const cCandidate& c) {
  obj.m_dInertiaX = 0;
  if (!(obj.m_bRiding != 0 && c.nSolidId == obj.m_nRiddenId)) obj.m_bSolidPushed = 1;
  obj.m_dX = c.dValue;
  obj.ClampX();
}

// Resolution a to d; the candidates as the back-off will read them.
void ResolveWalking(cStagePlay& play, cCharaBase& obj, cList<cChara>& list, const cWalkBoxes& b, cSolidWork& w) {
  const double startX = obj.m_dX;
  if (w.T.bSet && !w.B.bSet) ResolveCeiling(play, obj, list, w);
  if (w.L.bSet && w.R.bSet && !w.B.bSet && !w.T.bSet) {
    PushUnderFirstSolid(play, obj, list, b.U, false);
    obj.m_bContactLeft = 0;
    obj.m_bContactRight = 0;
    w.L = cCandidate{};
    w.R = cCandidate{};
    return;
  }
  if (w.B.bSet && !(w.L.bSet && w.R.bSet)) Land(play, obj, w);
  if (w.L.bSet) PushSide(obj, w.L);
  if (w.R.bSet) PushSide(obj, w.R);
  if (w.L.bSet && w.R.bSet && !w.B.bSet) {
    obj.m_dX = startX;
    obj.ClampX();
    PushUnderFirstSolid(play, obj, list, b.U, true);
    obj.m_bContactLeft = 0;
    obj.m_bContactRight = 0;
  }
}

void FireSolidTriggers(cCharaBase& obj, const cSolidWork& w) {
  if (w.bTouched || obj.m_bRiding != 0) obj.FireTrigger(kTouchSolidTrigger);
  if (obj.m_bRiding != 0) {
    obj.FireTrigger(kRideTrigger);
    if (obj.m_nControl == 0) ClearJumpLock(obj);
  }
}

// Out of a block the push put it into, a tenth of a dot at a time.
void BackOff(cCharaBase& obj, bool apply, double dx, double dy) {
  if (!apply) return;
  for (int32_t i = 0; i < kBackOffSteps && obj.TouchesSolidCorner() != 0; ++i) {
    if (dx != 0) {
      obj.m_dX += dx;
      obj.ClampX();
    } else {
      obj.m_dY += dy;
      obj.ClampY();
    }
  }
}

void BackOffFromBlocks(cCharaBase& obj, const cSolidWork& w) {
  const bool byContacts = g_SystemData.m_bLegacy818A != 0;
  BackOff(obj, byContacts ? obj.m_bContactLeft != 0 : w.L.bSet, -kBackOffDots, 0);
  BackOff(obj, byContacts ? obj.m_bContactRight != 0 : w.R.bSet, kBackOffDots, 0);
  BackOff(obj, byContacts ? obj.m_bContactTop != 0 : w.T.bSet, 0, -kBackOffDots);
  BackOff(obj, byContacts ? obj.m_bContactBottom != 0 : w.B.bSet, 0, kBackOffDots);
}

void RefreshRide(cCharaBase& obj, const cChara& s) {
  obj.m_nNoFloorSteps = 0;
  obj.m_bPushed = 0;
  obj.m_nRiddenId = s.m_nId;
  obj.m_RiddenPos = PositionBox(s);
}

void KeepRiding(cStagePlay& play, cCharaBase& obj) {
  if (obj.m_dPushVY < 0) {
    obj.EndRide(1);
    return;
  }
  const cChara* s = play.IsOnRiddenChara(obj) != 0 ? play.FindListedChara(obj.m_nRiddenId) : nullptr;
  if (s == nullptr) s = play.FindSolidCharaBelow(obj);
  if (s != nullptr) {
    RefreshRide(obj, *s);
  } else {
    obj.EndRide(1);
  }
}

int32_t CollideWalking(cStagePlay& play, cCharaBase& obj, cList<cChara>& list) {
  const cWalkBoxes b = WalkBoxesOf(obj);
  cSolidWork w;
  CollectWalking(play, obj, list, b, w);
  ResolveWalking(play, obj, list, b, w);
  FireSolidTriggers(obj, w);
  const bool squeezed = (obj.m_bContactLeft != 0 && obj.m_bContactRight != 0) ||
                        (obj.m_bContactTop != 0 && obj.m_bContactBottom != 0);
  // A solid holding a corner of the starting box overlaps that box, so an
  // object that touched none cannot be held at its corners: the walks over
  // the list are spared.
  if (squeezed || (w.bTouched && play.AreCornersInSolidCharas(obj, b.K) != 0)) return kCrushed;
  BackOffFromBlocks(obj, w);
  if (obj.m_bRiding != 0 && !w.bLanded) KeepRiding(play, obj);
  return 0;
}

// --- the one-axis push-out ---

// The push out of the solids on one axis: the top candidate, then the
// bottom one; or the left, then the right.
void PushOut(cStagePlay& play, cCharaBase& obj, cList<cChara>& list, bool vertical) {
  cSolidWork w;
  CollectEdges(play, obj, list, vertical ? 1 : 2, w);
  const cCandidate* order[] = {vertical ? &w.T : &w.L, vertical ? &w.B : &w.R};
  for (const cCandidate* c : order) {
    if (!c->bSet) continue;
    if (vertical) {
      obj.m_dY = c->dValue;
      obj.ClampY();
      continue;
    }
    if (!(obj.m_bRiding != 0 && c->nSolidId == obj.m_nRiddenId)) obj.m_bSolidPushed = 1;
    obj.m_dX = c->dValue;
    obj.ClampX();
  }
}

}  // namespace solid_chara_collision

int32_t cStagePlay::CollideSolidCharas(cCharaBase& obj, cList<cChara>& list) {
  if (solid_chara_rules::PassesSolids(obj)) return 0;
  if (obj.m_bFlying != 0) return solid_chara_collision::CollideFlying(*this, obj, list);
  return solid_chara_collision::CollideWalking(*this, obj, list);
}

void cStagePlay::PushOutOfSolidCharas(cCharaBase& obj, cList<cChara>& list, int32_t vertical) {
  solid_chara_collision::PushOut(*this, obj, list, vertical != 0);
}
