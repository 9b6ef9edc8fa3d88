#pragma once
// What the solid-chara passes share: which charas act as moving blocks for an
// object, and the boxes they are tested with (position boxes, edges
// included).

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "stage/objects/chara.h"
#include "stage/objects/drect.h"
#include "stage/objects/object_walk.h"

namespace solid_chara_rules {

// A live, enabled, living solid chara other than obj.
inline bool IsSolidFor(const cStagePlay& play, const cChara& s, const cCharaBase& obj) {
  return s.m_Def.m_bBlockChara != 0 && s.m_bDead == 0 && s.m_bEnabled != 0 && s.m_nId != obj.m_nId &&
         IsLive(play, s);
}

// Flying objects that pass through blocks pass through solid charas too.
inline bool PassesSolids(const cCharaBase& obj) { return obj.m_bFlying != 0 && obj.m_nFlyBlockMode == 0; }

inline DRECT PositionBox(const cGameObject& o) { return DRECT{o.m_dX, o.m_dY, o.m_dRight, o.m_dBottom}; }
inline DRECT SavedBox(const cCharaBase& c) { return DRECT{c.m_dSavedX, c.m_dSavedY, c.m_dSavedRight, c.m_dSavedBottom}; }

// PositionBox(s).Overlaps(box) as one branch: the walks test every solid,
// and whether one lies left or right of the box flips from solid to solid,
// which a branch per edge keeps mispredicting. Two packed comparisons do the
// four: scalar ones queue on the one port that compares doubles. A NaN edge
// fails either way.
inline bool PositionBoxMeets(const cGameObject& s, const DRECT& box) {
#if defined(__SSE2__)
  const __m128d starts = _mm_set_pd(s.m_dY, s.m_dX);
  const __m128d ends = _mm_set_pd(s.m_dBottom, s.m_dRight);
  const __m128d met = _mm_and_pd(_mm_cmple_pd(starts, _mm_set_pd(box.bottom, box.right)),
                                 _mm_cmpge_pd(ends, _mm_set_pd(box.top, box.left)));
  return _mm_movemask_pd(met) == 3;
#else
  return static_cast<int>(s.m_dX <= box.right) & static_cast<int>(s.m_dRight >= box.left) &
         static_cast<int>(s.m_dY <= box.bottom) & static_cast<int>(s.m_dBottom >= box.top);
#endif
}

inline bool Contains(const DRECT& box, double x, double y) {
  return box.left <= x && x <= box.right && box.top <= y && y <= box.bottom;
}

}  // namespace solid_chara_rules
